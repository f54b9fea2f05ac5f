#include "contacts/address_lines.h"

namespace varnel {

std::string nameLine(std::string_view first, std::string_view mi, std::string_view last,
                     MissingInitial gap) {
    std::string line;
    line.reserve(first.size() + mi.size() + last.size() + 2);
    line.append(first).append(" ");
    if (!mi.empty() || gap == MissingInitial::TwoBlanks) line.append(mi).append(" ");
    line.append(last);
    return line;
}

std::string cityLine(std::string_view city, std::string_view state, std::string_view zip) {
    std::string line;
    line.reserve(city.size() + state.size() + zip.size() + 4);
    line.append(city).append(", ").append(state).append("  ").append(zip);
    return line;
}

}  // namespace varnel

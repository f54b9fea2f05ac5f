// The composer's five lines turned into a new contact.
#include "contacts/label_lines.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    const std::vector<std::string> cut = fuzz::pieces(fuzz::asText(data, size), '\n', 5);
    std::array<std::string, 5> lines;
    for (std::size_t i = 0; i < cut.size(); ++i) lines[i] = cut[i];
    const LabelLineResult result = contactFromLabelLines(lines);
    // A refusal fills no box.
    if (result.refused) fuzz::require(!result.contact.firstName && !result.contact.lastName);
    splitNameLine(lines[0]);
    cutStreetLine(lines[1]);
    splitCityLine(lines[2]);
    return 0;
}

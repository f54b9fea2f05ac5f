#include "listing/list_lines.h"

#include "listing/list_order.h"
#include "listing/search_kind.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace varnel {

namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }

const std::string kEmailHeading = "Name" + blanks(31) + "City" + blanks(15) + "ST" + blanks(5) +
                                  "Zip" + blanks(9) + "Home" + blanks(9) + "Cell" + blanks(19) +
                                  "Email Address";
const std::string kStreetHeading = "Name" + blanks(19) + "Street" + blanks(30) + "City" +
                                   blanks(17) + "ST" + blanks(7) + "Zip" + blanks(20) + "Home" +
                                   blanks(16) + "Cell";

// "Unknown" blank-padded to the width of City (16) and Zip (10).
constexpr std::string_view kUnknownCity = "Unknown         ";
constexpr std::string_view kUnknownZip = "Unknown   ";

}  // namespace

const std::string& listHeading(ListDisplay display) {
    return display == ListDisplay::Email ? kEmailHeading : kStreetHeading;
}

namespace {

// The pieces append to one buffer rather than return strings: a million
// lines, one allocation each.
void appendInitial(std::string& out, std::string_view mi) {
    if (!mi.empty() && mi[0] >= 'A' && mi[0] <= 'Z') out.append(1, mi[0]).append(". ");
}

void appendName(std::string& out, const ContactRecord& record, std::int16_t nameOrder) {
    std::string_view first = trimSpaces(record.raw(Field::FirstName));
    std::string_view last = trimSpaces(record.raw(Field::LastName));
    if (nameOrder == 1) {
        out.append(last).append(", ").append(first).append(" ");
        appendInitial(out, record.raw(Field::MI));
    } else {
        out.append(first).append(" ");
        appendInitial(out, record.raw(Field::MI));
        out.append(last);
    }
}

void appendPhone(std::string& out, std::string_view storedPhone) {
    if (leadingNumber(storedPhone) >= 1) {
        out.append(storedPhone);
    } else {
        out.append(22, ' ');
    }
}

void appendStreet(std::string& out, std::string_view street1) {
    const std::string_view s = trimSpaces(street1);
    if (s.size() < 2) {
        out.append(40, ' ');
        return;
    }
    out.append(s);
    if (s.size() >= 3 && s.size() <= 19) out.append(12, ' ');
}

void appendLine(std::string& line, const ContactRecord& record, const ListQuery& query) {
    appendName(line, record, query.nameOrder);
    if (query.display == ListDisplay::Email) {
        line.append("\t").append(listedCity(record));
        line.append("\t").append(record.raw(Field::State));
        line.append("\t").append(listedZip(record));
        line.append("\t");
        appendPhone(line, record.raw(Field::HomePhone));
        line.append("\t");
        appendPhone(line, record.raw(Field::CellPhone));
        line.append("\t").append(record.raw(Field::Email));
    } else {
        line.append("\t");
        appendStreet(line, record.raw(Field::Street1));
        line.append(" ").append(trimSpaces(record.raw(Field::Street2)));
        line.append("\t").append(listedCity(record));
        line.append("\t").append(record.raw(Field::State));
        line.append("\t").append(listedZip(record)).append(6, ' ');
        line.append("\t");
        appendPhone(line, record.raw(Field::HomePhone));
        line.append("\t");
        appendPhone(line, record.raw(Field::CellPhone));
    }
}

}  // namespace

std::string homeColumn(std::string_view storedPhone) {
    std::string out;
    appendPhone(out, storedPhone);
    return out;
}

std::string streetText(std::string_view street1) {
    std::string out;
    appendStreet(out, street1);
    return out;
}

std::string miText(std::string_view mi) {
    std::string out;
    appendInitial(out, mi);
    return out;
}

std::string nameText(const ContactRecord& record, std::int16_t nameOrder) {
    std::string out;
    appendName(out, record, nameOrder);
    return out;
}

std::string_view listedCity(const ContactRecord& record) {
    std::string_view city = record.raw(Field::City);
    return trimSpaces(city).size() < 2 ? kUnknownCity : city;
}

std::string_view listedZip(const ContactRecord& record) {
    std::string_view zip = record.raw(Field::Zip);
    return trimSpaces(zip).size() < 2 ? kUnknownZip : zip;
}

bool passesSearch(const ContactRecord& record, const ListQuery& query) {
    if (query.searchKind == kSearchAll) return true;
    const SearchKindInfo& info = searchKindInfo(query.searchKind);
    std::string_view value;
    if (info.field == Field::City) {
        value = trimSpaces(listedCity(record));
    } else if (info.field == Field::Zip) {
        value = trimSpaces(listedZip(record));
    } else {
        value = trimSpaces(record.raw(info.field));
    }
    // An empty search text finds every contact that has something in the field.
    if (query.searchText.empty()) return !value.empty();
    if (info.exact) return value.find(query.searchText) != std::string_view::npos;
    return containsIgnoringCase(value, query.searchText);
}

std::string listLineText(const ContactRecord& record, const ListQuery& query) {
    std::string line;
    appendLine(line, record, query);
    return line;
}

std::vector<ListLine> buildListLines(const ContactFile& file, const ListQuery& query) {
    std::vector<ListLine> lines;
    lines.reserve(static_cast<std::size_t>(file.recordCount()));
    // Built in one scratch buffer, then copied at its exact size.
    std::string scratch;
    file.forEach([&](std::int32_t k, const ContactRecord& record) {
        if (!passesSearch(record, query)) return;
        scratch.clear();
        appendLine(scratch, record, query);
        lines.push_back({scratch, k});
    });
    return lines;
}

std::vector<ListLine> buildListLines(const std::vector<ContactRecord>& records,
                                     const ListQuery& query) {
    std::vector<ListLine> lines;
    lines.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (passesSearch(records[i], query)) {
            lines.push_back({listLineText(records[i], query), static_cast<std::int32_t>(i + 1)});
        }
    }
    return lines;
}

std::string contactsFoundCaption(std::size_t found) {
    return "Contacts Found = " + std::to_string(found);
}

std::string listWindowTitle(const std::string& fileTitle) {
    return "All Contacts  [" + fileTitle + "]";
}

}  // namespace varnel

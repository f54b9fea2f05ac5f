#include "listing/list_lines.h"

#include "listing/list_order.h"
#include "listing/search_kind.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace varnel {

namespace {

const TabStops kEmailStops = {100, 110, 120, 154, 176, 212, 242};
const TabStops kStreetStops = {70, 70, 76, 120, 170, 200, 230};

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

const TabStops& listTabStops(ListDisplay display) {
    return display == ListDisplay::Email ? kEmailStops : kStreetStops;
}

const std::string& listHeading(ListDisplay display) {
    return display == ListDisplay::Email ? kEmailHeading : kStreetHeading;
}

std::string homeColumn(std::string_view storedPhone) {
    if (leadingNumber(storedPhone) >= 1) return std::string(storedPhone);
    return blanks(22);
}

std::string streetText(std::string_view street1) {
    std::string s(trimSpaces(street1));
    if (s.size() < 2) return blanks(40);
    if (s.size() >= 3 && s.size() <= 19) s.append(12, ' ');
    return s;
}

std::string miText(std::string_view mi) {
    if (!mi.empty() && mi[0] >= 'A' && mi[0] <= 'Z') return std::string(1, mi[0]) + ". ";
    return "";
}

std::string nameText(const ContactRecord& record, std::int16_t nameOrder) {
    std::string_view first = trimSpaces(record.raw(Field::FirstName));
    std::string_view last = trimSpaces(record.raw(Field::LastName));
    std::string mi = miText(record.raw(Field::MI));
    std::string out;
    out.reserve(first.size() + last.size() + 6);
    if (nameOrder == 1) {
        out.append(last).append(", ").append(first).append(" ").append(mi);
    } else {
        out.append(first).append(" ").append(mi).append(last);
    }
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
    std::string line = nameText(record, query.nameOrder);
    line.reserve(line.size() + 180);
    const std::string home = homeColumn(record.raw(Field::HomePhone));
    const std::string cell = homeColumn(record.raw(Field::CellPhone));
    if (query.display == ListDisplay::Email) {
        line.append("\t").append(listedCity(record));
        line.append("\t").append(record.raw(Field::State));
        line.append("\t").append(listedZip(record));
        line.append("\t").append(home);
        line.append("\t").append(cell);
        line.append("\t").append(record.raw(Field::Email));
    } else {
        line.append("\t").append(streetText(record.raw(Field::Street1)));
        line.append(" ").append(trimSpaces(record.raw(Field::Street2)));
        line.append("\t").append(listedCity(record));
        line.append("\t").append(record.raw(Field::State));
        line.append("\t").append(listedZip(record)).append(6, ' ');
        line.append("\t").append(home);
        line.append("\t").append(cell);
    }
    return line;
}

std::vector<ListLine> buildListLines(const ContactFile& file, const ListQuery& query) {
    std::vector<ListLine> lines;
    lines.reserve(static_cast<std::size_t>(file.recordCount()));
    file.forEach([&](std::int32_t k, const ContactRecord& record) {
        if (passesSearch(record, query)) lines.push_back({listLineText(record, query), k});
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

#include "contacts/label_lines.h"

#include <initializer_list>
#include <string_view>
#include <vector>

#include "text/strings.h"

namespace varnel {

namespace {

std::string removeAll(std::string_view text, std::string_view what) {
    return replaceAll(text, what, "");
}

std::string left(std::string_view text, std::size_t n) { return std::string(text.substr(0, n)); }

std::string right(std::string_view text, std::size_t n) {
    if (n >= text.size()) return std::string(text);
    return std::string(text.substr(text.size() - n));
}

// Mid$(text, start, n) with a 1-based start.
std::string mid(std::string_view text, std::size_t start, std::size_t n) {
    if (start < 1 || start > text.size()) return "";
    return std::string(text.substr(start - 1, n));
}

std::string trimmed(std::string_view text) { return std::string(trimSpaces(text)); }

bool contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

// The title removal applies to the first 18 characters only (the name box
// is never wider); `rest` is what lies beyond them.
std::string removeTitles(std::string w) {
    for (const char* title : {"Mrs.", "Mr.", "Ms.", "Dr.", "Miss "}) w = removeAll(w, title);
    if (startsWith(w, "Mrs")) w = removeAll(w, "Mrs");
    if (startsWith(w, "Miss ")) w = removeAll(w, "Miss");
    if (startsWith(w, "Mr")) w = removeAll(w, "Mr");
    if (startsWith(w, "Ms")) w = removeAll(w, "Ms");
    if (startsWith(w, "Dr ")) w = removeAll(w, "Dr");
    return w;
}

bool beginsWithTitle(std::string_view t) {
    return startsWith(t, "Mr") || startsWith(t, "Ms") || startsWith(t, "Dr.") ||
           startsWith(t, "Dr ") || startsWith(t, "Miss ");
}

struct CutRule {
    std::vector<std::string_view> tests;
    std::size_t testFrom;
    std::string_view cut;
    bool cutAnyCase;
    std::size_t cutFrom;
    int offset;  // n = position of the cut text + offset
};

const std::vector<CutRule>& cutRules() {
    static const std::vector<CutRule> rules = {
        {{","}, 1, ",", false, 6, -1},
        {{" ave "}, 1, " Ave", true, 1, 4},
        {{" AVENUE", " Avenue", " avenue"}, 1, " Avenue", true, 1, 7},
        {{" st "}, 1, " st", true, 1, 3},
        {{" STREET", " Street", " street"}, 1, " Street", true, 1, 7},
        {{" blvd ", " Blvd", " blvd"}, 1, " blvd ", true, 6, 5},
        {{" BOULEVARD", " Boulevard", " boulevard"}, 1, " Boulevard", true, 6, 10},
        {{" cir "}, 1, " Cir ", true, 6, 4},
        {{" CIRCLE", " Circle", " circle"}, 1, " Circle", true, 6, 7},
        {{" ct ", " CT"}, 1, " Ct ", true, 6, 3},
        {{" COURT", " Court", " court"}, 1, " Court", true, 6, 6},
        {{" Dr ", " dr ", " DR "}, 1, " Dr", true, 6, 3},
        {{" DRIVE", " Drive", " drive"}, 1, " Drive", true, 1, 6},
        {{" hwy ", " HWY"}, 1, " Hwy", true, 6, 4},
        {{" HIGHWAY", " Highway", " highway"}, 1, " Highway", true, 6, 8},
        {{" ln ", " LN"}, 1, " Ln ", true, 6, 3},
        {{" LANE", " Lane", " lane"}, 1, " Lane", true, 6, 5},
        {{" pkwy ", " PKWY"}, 1, " Pkwy", true, 6, 5},
        {{" PARKWAY", " Parkway", " parkway"}, 1, " Parkway", true, 6, 8},
        {{" pl ", " PL "}, 1, " Pl ", true, 6, 3},
        {{" PLACE", " Place", " place"}, 1, " Place", true, 6, 6},
        {{" Rd", " rd ", " RD"}, 1, " Rd", true, 6, 3},
        {{" ROAD", " Road", " road"}, 1, " Road", true, 1, 5},
        {{" ter ", " TER "}, 1, " Ter ", true, 6, 4},
        {{" TERRACE", " Terrace", " terrace"}, 1, " Terrace", true, 6, 8},
        {{" WAY", " Way", " way"}, 8, " Way", true, 6, 4},
        {{" #"}, 1, "#", false, 6, -2},
    };
    return rules;
}

}  // namespace

NameParts splitNameLine(const std::string& line1) {
    NameParts parts;
    const std::string t = trimmed(line1);
    std::string w = removeTitles(left(line1, 18));
    const std::string withoutTitle =
        trimmed(w + (line1.size() > 18 ? line1.substr(18) : std::string()));
    w = std::string(trimLeadingSpaces(w));

    // The last name is counted from the end of the line without its title, so
    // "Mrs. Jane Doe" gives Doe and not "Jane Doe".
    const bool titled = beginsWithTitle(t);
    const std::string& nameText = titled ? withoutTitle : t;

    if (std::size_t space = w.find(' '); space != std::string::npos) {
        parts.first = trimmed(w.substr(0, space));
    } else if (titled && !contains(nameText, " ")) {
        // A title and one word: "Mrs. Smith" names a last name.
        parts.first.clear();
    } else {
        parts.first = trimmed(nameText.substr(0, nameText.find(' ')));
    }

    for (int code = 65; code <= 122; ++code) {
        const char k = static_cast<char>(code);
        const std::string dotted = std::string(" ") + k + ". ";
        const std::string plain = std::string(" ") + k + " ";
        if (instr(t, dotted, 3) != 0 || instr(t, plain, 3) != 0) {
            parts.middle = (code >= 91 && code <= 96) ? std::string() : std::string(1, k);
        }
    }

    const std::size_t used = parts.first.size() + (parts.middle ? parts.middle->size() : 0);
    std::string last = nameText.size() > used ? right(nameText, nameText.size() - used) : "";
    last = removeAll(last, ".");
    if (last.size() >= 2 && last[1] == ' ') last = last.substr(2);
    parts.last = trimmed(last);
    return parts;
}

std::string cutStreetLine(const std::string& s) {
    const std::string folded = toLowerCp1252(s);
    for (const CutRule& rule : cutRules()) {
        bool applies = false;
        for (std::string_view test : rule.tests) {
            if (instr(s, test, rule.testFrom) != 0) applies = true;
        }
        if (!applies) continue;
        const std::size_t pos = rule.cutAnyCase
                                    ? instr(folded, toLowerCp1252(rule.cut), rule.cutFrom)
                                    : instr(s, rule.cut, rule.cutFrom);
        // A test text without its cut text keeps the whole line rather than a stub.
        if (pos == 0) return s;
        const long n = static_cast<long>(pos) + rule.offset;
        return n <= 0 ? s : left(s, static_cast<std::size_t>(n));
    }
    return s;
}

CityLine splitCityLine(const std::string& line) {
    CityLine out;
    const std::string h = left(line, 16);
    if (h.empty() || h.size() < 12) return out;

    const std::size_t cityEnd = contains(h, ",") ? instr(h, ",", 3) : instr(h, " ", 5);
    // No break where the rule looks for one: the whole head is the city.
    out.city = trimmed(cityEnd == 0 ? h : left(h, cityEnd - 1));

    const std::string q = right(line, 15);
    out.state = contains(q, ",") ? trimmed(mid(q, instr(q, ",") + 2, 2))
                                 : trimmed(mid(q, instr(q, " ") + 1, 2));

    const std::string z = right(line, 10);
    out.zip = trimmed(contains(z, "-") ? z : right(z, 5));
    return out;
}

LabelLineResult contactFromLabelLines(const std::array<std::string, 5>& lines) {
    LabelLineResult result;
    bool allEmpty = true;
    for (const std::string& l : lines) allEmpty = allEmpty && l.empty();
    if (allEmpty) return result;

    LabelLineContact& c = result.contact;
    const std::string& line1 = lines[0];
    if (!line1.empty()) {
        if (!contains(line1, " ")) {
            result.refused = true;
            return result;
        }
        NameParts name = splitNameLine(line1);
        c.firstName = name.first;
        if (name.middle) c.middleInitial = *name.middle;
        c.lastName = name.last;
    }

    const std::string line2 = trimmed(lines[1]);
    if (line2.empty()) return result;
    const std::string s = removeAll(line2, ".");
    const bool isStreet = startsWith(s, "PO B") || (!s.empty() && s[0] >= '0' && s[0] <= '9');
    if (!isStreet) return result;

    const std::string cut = cutStreetLine(s);
    const std::string street = trimmed(cut);
    c.street1 = street;

    std::string r = right(line2, line2.size() > cut.size() ? line2.size() - cut.size() : 0);
    r = trimmed(removeAll(removeAll(r, ","), "."));
    if (r.size() >= 2 && r[1] == ' ' && r[0] != '#' && !street.empty() && r[0] == street.back()) {
        r = mid(r, 3, 12);
    }

    const std::string& line3 = lines[2];
    bool line3HasUnit = false;
    for (const char* unit : {"#", "SUITE", "STE", "UNIT", "APT", "Suite", "Ste", "Unit", "Apt"}) {
        if (contains(line3, unit)) line3HasUnit = true;
    }
    std::string cityLine;
    if (!line3HasUnit || !r.empty() || line3.size() > 11) {
        c.street2 = trimmed(r);
        cityLine = line3;
    } else {
        c.street2 = trimmed(line3);
        cityLine = lines[3];
    }

    CityLine place = splitCityLine(cityLine);
    if (place.city) c.city = place.city;
    if (place.state) c.state = place.state;
    if (place.zip) c.zip = place.zip;
    return result;
}

}  // namespace varnel

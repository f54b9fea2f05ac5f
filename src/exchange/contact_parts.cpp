#include "exchange/contact_parts.h"

#include "calendar/date.h"
#include "contacts/birthdate_rules.h"
#include "contacts/field_rules.h"
#include "exchange/import_rules.h"
#include "text/strings.h"

namespace varnel {

namespace {

std::string twoDigits(int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }

std::string storedDate(int year, int month, int day) {
    // 1604 is the year some address books write when they know none.
    if (year == 1604) year = 0;
    if (month < 1 || month > 12 || day < 1) return {};
    if (!isValidDate(year == 0 ? 2000 : year, month, day)) return {};
    if (year != 0 && (year < 1900 || year > 2099)) return {};
    std::string y = std::to_string(year);
    return std::string(4 - std::min<std::size_t>(4, y.size()), '0') + y + twoDigits(month) +
           twoDigits(day);
}

std::vector<std::string_view> splitAt(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? text.npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

std::string trimmed(std::string_view text) {
    std::size_t b = text.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    std::size_t e = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(b, e - b + 1));
}

void joinInto(std::string& out, std::string_view piece) {
    std::string p = trimmed(piece);
    if (p.empty()) return;
    if (!out.empty()) out += ' ';
    out += p;
}

const AddressParts& chosenAddress(const ContactParts& p) {
    if (!trimmed(p.home.street).empty()) return p.home;
    if (!trimmed(p.work.street).empty()) return p.work;
    if (!p.home.empty()) return p.home;
    if (!p.work.empty()) return p.work;
    return p.other;
}

// A phone as written when it fits its field; tidied as the contact form
// tidies typed phones when it does not.
std::string fittedPhone(std::string_view phone, Field field) {
    if (startsWith(phone, "tel:")) phone.remove_prefix(4);
    std::string p = trimmed(phone);
    if (p.size() > layoutOf(field).width) p = tidyPhone(p);
    return p;
}

}  // namespace

bool AddressParts::empty() const {
    for (const std::string* s : {&street, &street2, &street3, &city, &state, &zip, &country}) {
        if (!trimmed(*s).empty()) return false;
    }
    return true;
}

std::string birthdateFromParts(std::string_view year, std::string_view month,
                               std::string_view day) {
    int m = datePart(month);
    int d = datePart(day);
    if (m <= 0 || d <= 0) return {};
    int y = trimSpaces(year).empty() ? 0 : datePart(year);
    if (y < 0) return {};
    return storedDate(y, m, d);
}

std::string birthdateFromText(std::string_view raw) {
    std::string text = trimmed(raw);
    if (std::size_t t = text.find('T'); t != std::string::npos && t >= 6) text.resize(t);
    std::string_view s(text);
    if (s.empty()) return {};
    if (startsWith(s, "--")) {
        s.remove_prefix(2);
        if (s.size() == 4) return birthdateFromParts("", s.substr(0, 2), s.substr(2, 2));
        auto parts = splitAt(s, '-');
        if (parts.size() == 2) return birthdateFromParts("", parts[0], parts[1]);
        return {};
    }
    if (s.size() == 8 && datePart(s.substr(0, 4)) >= 0 && datePart(s.substr(4, 4)) >= 0) {
        return birthdateFromParts(s.substr(0, 4), s.substr(4, 2), s.substr(6, 2));
    }
    for (char sep : {'-', '/', '.'}) {
        auto parts = splitAt(s, sep);
        if (parts.size() != 3) continue;
        if (parts[0].size() == 4) return birthdateFromParts(parts[0], parts[1], parts[2]);
        // Month first, as the US-made exports write it.
        std::string_view year = parts[2];
        if (year.size() == 2) {
            int yy = datePart(year);
            if (yy < 0) return {};
            // Two-digit years as the usual window reads them: 30-99 in the 1900s.
            std::string full = std::to_string(yy < 30 ? 2000 + yy : 1900 + yy);
            return birthdateFromParts(full, parts[0], parts[1]);
        }
        if (year.size() == 4) return birthdateFromParts(year, parts[0], parts[1]);
        return {};
    }
    return {};
}

void splitFullName(std::string_view full, std::string& first, std::string& last) {
    std::string name = trimmed(full);
    first.clear();
    last.clear();
    if (name.empty()) return;
    if (std::size_t comma = name.find(','); comma != std::string::npos) {
        last = trimmed(std::string_view(name).substr(0, comma));
        first = trimmed(std::string_view(name).substr(comma + 1));
        return;
    }
    std::size_t space = name.find_last_of(' ');
    if (space == std::string::npos) {
        last = name;
        return;
    }
    first = trimmed(std::string_view(name).substr(0, space));
    last = name.substr(space + 1);
}

void partsToValues(const ContactParts& p, ImportValues& v) {
    std::string first = trimmed(p.first);
    std::string last = trimmed(p.last);
    if (first.empty() && last.empty()) splitFullName(p.fullName, first, last);
    v.assign(Field::FirstName, first);
    v.assign(Field::LastName, last);
    v.assign(Field::MI, trimmed(p.middle));
    v[Field::MI] = std::string(leftOf(v[Field::MI], 1));

    const AddressParts& a = chosenAddress(p);
    std::string street = trimmed(a.street);
    std::string street2;
    if (std::size_t br = street.find_first_of("\r\n"); br != std::string::npos) {
        joinInto(street2, std::string_view(street).substr(br + 1));
        street = trimmed(std::string_view(street).substr(0, br));
    }
    joinInto(street2, a.street2);
    joinInto(street2, a.street3);
    v.assign(Field::Street1, street);
    v.assign(Field::Street2, street2);
    v.assign(Field::City, trimmed(a.city));
    v.assign(Field::State, trimmed(a.state));
    v.assign(Field::Zip, trimmed(a.zip));
    v.assign(Field::Country, trimmed(a.country));

    std::string home = phoneRule(fittedPhone(p.homePhone, Field::HomePhone), false);
    if (home.empty()) home = phoneRule(fittedPhone(p.otherPhone, Field::HomePhone), false);
    v.assign(Field::HomePhone, home);
    v.assign(Field::CellPhone, phoneRule(fittedPhone(p.cellPhone, Field::CellPhone), false));
    // The work phone is kept as written, as the program's own export keeps it.
    v.assign(Field::WorkPhone, fittedPhone(p.workPhone, Field::WorkPhone));

    std::string email;
    for (const std::string& e : p.emails) {
        email = trimmed(e);
        if (!email.empty()) break;
    }
    v.assign(Field::Email, email);
    v.assign(Field::Birthdate, p.birthdate);
    std::string categories;
    for (const std::string& c : p.categories) {
        if (trimmed(c).empty()) continue;
        if (!categories.empty()) categories += ';';
        categories += c;
    }
    v.assign(Field::Category, trimmed(categories));
    v.assign(Field::Notes, trimmed(p.notes));
    v.assign(Field::Company, trimmed(p.company));
    v[Field::IncludeCompany] = p.includeCompany == "0" ? "0" : "1";

    v[Field::State] = toUpperCp1252(v[Field::State]);
    v[Field::City] = cleanCity(v[Field::City]);
    v[Field::State] = cleanState(v[Field::State]);
    v[Field::Zip] = cleanZip(v[Field::Zip]);
    v[Field::Country] = cleanCountry(v[Field::Country]);
}

}  // namespace varnel

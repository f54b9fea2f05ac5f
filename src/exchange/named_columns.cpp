#include "exchange/named_columns.h"

#include <unordered_map>

#include "text/strings.h"

namespace varnel {

namespace {

using Role = NamedColumns::Role;
using Place = NamedColumns::Place;

// Letters and digits only, lower case: "E-mail 1 - Value" -> "email1value",
// "Business Country/Region" -> "businesscountryregion".
std::string normalised(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            out += c;
    }
    return out;
}

struct Meaning {
    Role role;
    Place place;
};

const std::unordered_map<std::string, Meaning>& vocabulary() {
    static const std::unordered_map<std::string, Meaning> words = [] {
        std::unordered_map<std::string, Meaning> w;
        auto add = [&](Role role, Place place, std::initializer_list<const char*> names) {
            for (const char* n : names) w.emplace(n, Meaning{role, place});
        };
        const Place none = Place::None;
        add(Role::First, none, {"firstname", "first", "givenname", "forename"});
        add(Role::Middle, none, {"middlename", "middle", "additionalname", "mi", "middleinitial"});
        add(Role::Last, none, {"lastname", "last", "familyname", "surname"});
        add(Role::FullName, none, {"name", "displayname", "fullname"});
        add(Role::Email, none,
            {"email", "emailaddress", "primaryemail", "secondaryemail", "email2address",
             "email3address", "alternateemail", "alternateemail1", "alternateemail2", "homeemail",
             "workemail", "businessemail", "personalemail", "otheremail", "email2", "email3",
             "emailaddress2", "emailaddress3"});
        add(Role::HomePhone, none,
            {"homephone", "home", "homephone2", "homenumber", "homephonenumber", "hometelephone"});
        add(Role::CellPhone, none,
            {"mobilephone", "mobile", "mobilenumber", "cellphone", "cell", "cellular", "cellnumber",
             "mobilephonenumber", "cellphonenumber", "mobilephone2"});
        add(Role::WorkPhone, none,
            {"workphone", "work", "businessphone", "businessphone2", "officephone",
             "companymainphone", "workphonenumber", "worknumber"});
        add(Role::OtherPhone, none,
            {"otherphone", "primaryphone", "phone", "telephone", "phonenumber", "primary"});
        add(Role::Company, none,
            {"company", "companyname", "organization", "organisation", "organizationname",
             "organisationname", "employer"});
        add(Role::Birthday, none, {"birthday", "birthdate", "dateofbirth", "dob", "bday"});
        add(Role::BirthYear, none, {"birthyear"});
        add(Role::BirthMonth, none, {"birthmonth"});
        add(Role::Categories, none,
            {"categories", "category", "labels", "groupmembership", "groups", "group", "tags"});
        add(Role::Notes, none, {"notes", "note", "comments", "comment"});

        struct PlaceWords {
            Place place;
            std::initializer_list<const char*> prefixes;
        };
        // Address columns: "<prefix><part>", e.g. "Home Street 2", "Work ZipCode".
        const PlaceWords places[] = {
            {Place::Home, {"home", ""}},
            {Place::Work, {"business", "work", "office"}},
            {Place::Other, {"other"}},
        };
        struct Part {
            Role role;
            std::initializer_list<const char*> names;
        };
        const Part parts[] = {
            {Role::Street,
             {"street", "address", "streetaddress", "address1", "street1", "addressline1",
              "addressstreet"}},
            {Role::Street2, {"street2", "address2", "addressline2"}},
            {Role::Street3, {"street3", "address3", "addressline3"}},
            {Role::City, {"city", "town"}},
            {Role::State, {"state", "region", "province", "county", "stateprovince"}},
            {Role::Zip, {"zip", "zipcode", "postalcode", "postcode"}},
            {Role::Country, {"country", "countryregion"}},
        };
        for (const PlaceWords& pw : places) {
            for (const char* prefix : pw.prefixes) {
                for (const Part& part : parts) {
                    for (const char* n : part.names) {
                        w.emplace(std::string(prefix) + n, Meaning{part.role, pw.place});
                    }
                }
            }
        }
        return w;
    }();
    return words;
}

// "phone1value" -> ("phone", 1, "value"); false when the name has no number.
bool splitGroup(const std::string& name, std::string& kind, int& group, std::string& part) {
    std::size_t d = name.find_first_of("0123456789");
    if (d == std::string::npos || d == 0) return false;
    std::size_t e = name.find_first_not_of("0123456789", d);
    if (e == std::string::npos) return false;
    kind = name.substr(0, d);
    group = std::stoi(name.substr(d, std::min<std::size_t>(e - d, 6)));
    part = name.substr(e);
    return true;
}

// A cell holding several values (" ::: " between them): the first one.
std::string_view firstValue(std::string_view cell) {
    std::size_t sep = cell.find(" ::: ");
    return sep == std::string_view::npos ? cell : cell.substr(0, sep);
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

Place placeOfLabel(std::string_view label) {
    std::string l = lower(label);
    if (l.find("home") != std::string::npos) return Place::Home;
    if (l.find("work") != std::string::npos || l.find("business") != std::string::npos) {
        return Place::Work;
    }
    return Place::Other;
}

void setOnce(std::string& target, std::string_view value) {
    if (target.empty()) target = std::string(trimSpaces(value));
}

}  // namespace

NamedColumns::Column NamedColumns::roleOf(std::string_view headerName) {
    const std::string name = normalised(headerName);
    Column c;
    // "Birth Day" beside "Birth Year" and "Birth Month", not the whole birthday.
    std::string raw = lower(trimSpaces(headerName));
    if (raw == "birth day" || raw == "birth_day" || raw == "birthday day") {
        c.role = Role::BirthDay;
        return c;
    }
    auto it = vocabulary().find(name);
    if (it != vocabulary().end()) {
        c.role = it->second.role;
        c.place = it->second.place;
        return c;
    }
    std::string kind, part;
    int group = 0;
    if (!splitGroup(name, kind, group, part)) return c;
    c.group = group;
    if (kind == "email" && part == "value") {
        c.role = Role::Email;
    } else if (kind == "phone" && (part == "label" || part == "type")) {
        c.role = Role::PhoneLabel;
    } else if (kind == "phone" && part == "value") {
        c.role = Role::PhoneValue;
    } else if (kind == "organization" && part == "name") {
        c.role = Role::Company;
    } else if (kind == "address") {
        c.place = Place::Labelled;
        if (part == "label" || part == "type")
            c.role = Role::AddressLabel;
        else if (part == "street")
            c.role = Role::Street;
        else if (part == "extendedaddress" || part == "pobox")
            c.role = Role::Street2;
        else if (part == "city")
            c.role = Role::City;
        else if (part == "region")
            c.role = Role::State;
        else if (part == "postalcode")
            c.role = Role::Zip;
        else if (part == "country")
            c.role = Role::Country;
    }
    return c;
}

NamedColumns::NamedColumns(const std::vector<std::string>& header) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        Column c = roleOf(header[i]);
        if (c.role == Role::None) continue;
        c.index = i;
        columns_.push_back(c);
        if (c.role == Role::First || c.role == Role::Last || c.role == Role::FullName ||
            c.role == Role::Email) {
            compatible_ = true;
        }
    }
}

ContactParts NamedColumns::read(const std::vector<std::string>& fields) const {
    ContactParts p;
    auto cell = [&](std::size_t i) -> std::string_view {
        return i < fields.size() ? std::string_view(fields[i]) : std::string_view();
    };
    // The label of a numbered group, from its "- Label" or "- Type" column.
    auto labelOf = [&](Role labelRole, int group) -> std::string_view {
        for (const Column& c : columns_) {
            if (c.role == labelRole && c.group == group) {
                std::string_view l = firstValue(cell(c.index));
                while (startsWith(l, "*") || startsWith(l, " ")) l.remove_prefix(1);
                return l;
            }
        }
        return {};
    };
    std::string year, month, day;
    for (const Column& c : columns_) {
        const std::string_view full = cell(c.index);
        if (trimSpaces(full).empty()) continue;
        const std::string_view value = firstValue(full);
        AddressParts* address = nullptr;
        Place place = c.place == Place::Labelled
                          ? placeOfLabel(labelOf(Role::AddressLabel, c.group))
                          : c.place;
        if (place == Place::Home)
            address = &p.home;
        else if (place == Place::Work)
            address = &p.work;
        else if (place == Place::Other)
            address = &p.other;
        switch (c.role) {
            case Role::First:
                setOnce(p.first, value);
                break;
            case Role::Middle:
                setOnce(p.middle, value);
                break;
            case Role::Last:
                setOnce(p.last, value);
                break;
            case Role::FullName:
                setOnce(p.fullName, value);
                break;
            case Role::Email:
                p.emails.emplace_back(trimSpaces(value));
                break;
            case Role::HomePhone:
                setOnce(p.homePhone, value);
                break;
            case Role::CellPhone:
                setOnce(p.cellPhone, value);
                break;
            case Role::WorkPhone:
                setOnce(p.workPhone, value);
                break;
            case Role::OtherPhone:
                setOnce(p.otherPhone, value);
                break;
            case Role::PhoneValue: {
                std::string label = lower(labelOf(Role::PhoneLabel, c.group));
                if (label.find("fax") != std::string::npos ||
                    label.find("pager") != std::string::npos) {
                    break;
                }
                if (label.find("mobile") != std::string::npos ||
                    label.find("cell") != std::string::npos) {
                    setOnce(p.cellPhone, value);
                } else if (label.find("home") != std::string::npos) {
                    setOnce(p.homePhone, value);
                } else if (label.find("work") != std::string::npos ||
                           label.find("business") != std::string::npos) {
                    setOnce(p.workPhone, value);
                } else {
                    setOnce(p.otherPhone, value);
                }
                break;
            }
            case Role::Company:
                setOnce(p.company, value);
                break;
            case Role::Birthday:
                setOnce(p.birthdate, birthdateFromText(value));
                break;
            case Role::BirthYear:
                year = std::string(value);
                break;
            case Role::BirthMonth:
                month = std::string(value);
                break;
            case Role::BirthDay:
                day = std::string(value);
                break;
            case Role::Categories: {
                // Several labels in one cell; the service's own groups ("* myContacts") are not
                // the user's categories.
                std::string_view rest = full;
                for (;;) {
                    std::size_t sep = rest.find(" ::: ");
                    std::string_view one = trimSpaces(rest.substr(0, sep));
                    if (!one.empty() && !startsWith(one, "*")) p.categories.emplace_back(one);
                    if (sep == std::string_view::npos) break;
                    rest.remove_prefix(sep + 5);
                }
                break;
            }
            case Role::Notes:
                setOnce(p.notes, full);
                break;
            case Role::Street:
                if (address) setOnce(address->street, value);
                break;
            case Role::Street2:
                if (address) setOnce(address->street2, value);
                break;
            case Role::Street3:
                if (address) setOnce(address->street3, value);
                break;
            case Role::City:
                if (address) setOnce(address->city, value);
                break;
            case Role::State:
                if (address) setOnce(address->state, value);
                break;
            case Role::Zip:
                if (address) setOnce(address->zip, value);
                break;
            case Role::Country:
                if (address) setOnce(address->country, value);
                break;
            case Role::None:
            case Role::PhoneLabel:
            case Role::AddressLabel:
                break;
        }
    }
    if (p.birthdate.empty() && !month.empty() && !day.empty()) {
        p.birthdate = birthdateFromParts(year, month, day);
    }
    return p;
}

}  // namespace varnel

#include "exchange/import_layouts.h"

#include <algorithm>

#include "exchange/import_rules.h"
#include "text/strings.h"

namespace varnel {

namespace {

struct Row {
    std::size_t pos;
    std::string_view text;
    Field field;
};

constexpr Row kYahoo[] = {
    {0, "First", Field::FirstName},     {1, "Middle", Field::MI},
    {2, "Last", Field::LastName},       {4, "Email", Field::Email},
    {5, "Category", Field::Category},   {8, "Home", Field::HomePhone},
    {9, "Work", Field::WorkPhone},      {12, "Mobile", Field::CellPhone},
    {21, "Company", Field::Company},    {27, "Home Address", Field::Street1},
    {28, "Home City", Field::City},     {29, "Home State", Field::State},
    {30, "Home ZIP", Field::Zip},       {31, "Home Country", Field::Country},
    {32, "Birthday", Field::Birthdate},
};

constexpr Row kWindowsLive[] = {
    {0, "First Name", Field::FirstName},    {1, "Middle Name", Field::MI},
    {2, "Last Name", Field::LastName},      {8, "Birthday", Field::Birthdate},
    {14, "E-mail Address", Field::Email},   {18, "Home Phone", Field::HomePhone},
    {20, "Mobile Phone", Field::CellPhone},
};
// Windows Live's columns count only up to its 21st.
constexpr std::size_t kWindowsLiveWidth = 21;

// In the export's column order: the company pair follows the country.
constexpr Row kOwnExport[] = {
    {0, "First Name", Field::FirstName},
    {1, "MI", Field::MI},
    {2, "Last Name", Field::LastName},
    {3, "Street1", Field::Street1},
    {4, "Street2", Field::Street2},
    {5, "City", Field::City},
    {6, "State", Field::State},
    {7, "Zip", Field::Zip},
    {8, "Country", Field::Country},
    {9, "Company", Field::Company},
    {10, "Include Company in Address", Field::IncludeCompany},
    {11, "Home Phone", Field::HomePhone},
    {12, "Cell Phone", Field::CellPhone},
    {13, "Work Phone", Field::WorkPhone},
    {14, "Email", Field::Email},
    {15, "Birthdate", Field::Birthdate},
    {16, "Category", Field::Category},
    {17, "Notes", Field::Notes},
};

bool has(const std::vector<std::string>& header, std::string_view text, std::size_t width) {
    const auto end = header.begin() + static_cast<long>(std::min(width, header.size()));
    return std::find(header.begin(), end, text) != end;
}

// Every named column of the table that the header holds stands at its
// table's position, and a name or e-mail column is among them.
template <std::size_t N>
bool columnsInPlace(const std::vector<std::string>& header, const Row (&rows)[N],
                    std::size_t width) {
    bool named = false;
    for (const Row& r : rows) {
        const bool inPlace = r.pos < header.size() && header[r.pos] == r.text;
        if (!inPlace && has(header, r.text, width)) return false;
        if (inPlace && (r.field == Field::FirstName || r.field == Field::LastName ||
                        r.field == Field::Email)) {
            named = true;
        }
    }
    return named;
}

std::string_view column(const std::vector<std::string>& fields, std::size_t i) {
    return i < fields.size() ? std::string_view(fields[i]) : std::string_view();
}

void fixEmpty(ImportValues& v, std::initializer_list<Field> fields) {
    for (Field f : fields) v[f].clear();
}

void clean(ImportValues& v, Field f, std::string (*rule)(std::string_view)) { v[f] = rule(v[f]); }

}  // namespace

bool ImportLayout::headerIs(std::size_t position, std::string_view text) const {
    return position < header_.size() && header_[position] == text;
}

ImportLayout ImportLayout::recognise(const std::vector<std::string>& header) {
    ImportLayout layout;
    layout.header_.reserve(header.size());
    for (const std::string& h : header) layout.header_.emplace_back(trimSpaces(h));
    const std::vector<std::string>& h = layout.header_;
    const std::size_t all = h.size();
    if ((has(h, "Yahoo! Phone", all) || has(h, "Yahoo Phone", all)) &&
        columnsInPlace(h, kYahoo, all)) {
        layout.number_ = 1;
    } else if (has(h, "Primary Phone", all) && has(h, "Web Page", all) &&
               columnsInPlace(h, kWindowsLive, kWindowsLiveWidth)) {
        layout.number_ = 2;
        layout.header_.resize(std::min(all, kWindowsLiveWidth));
    } else if (std::all_of(std::begin(kOwnExport), std::end(kOwnExport),
                           [&](const Row& r) { return layout.headerIs(r.pos, r.text); })) {
        layout.number_ = 4;
    } else {
        layout.names_.emplace(h);
    }
    return layout;
}

bool ImportLayout::read(const std::vector<std::string>& fields, ImportValues& values) const {
    switch (number_) {
        case 1:
            readYahoo(fields, values);
            return true;
        case 2:
            return readWindowsLive(fields, values);
        case 4:
            readOwnExport(fields, values);
            return true;
        default:
            partsToValues(names_->read(fields), values);
            return true;
    }
}

void ImportLayout::readYahoo(const std::vector<std::string>& fields, ImportValues& v) const {
    for (const Row& r : kYahoo) {
        if (headerIs(r.pos, r.text)) v.assign(r.field, column(fields, r.pos));
    }
    v[Field::MI] = std::string(leftOf(v[Field::MI], 1));

    clean(v, Field::Birthdate, slashDateRule);
    v[Field::State] = toUpperCp1252(v[Field::State]);
    v[Field::HomePhone] = phoneRule(v[Field::HomePhone], true);
    v[Field::CellPhone] = phoneRule(v[Field::CellPhone], true);
    v[Field::WorkPhone] = phoneRule(v[Field::WorkPhone], true);
    if (v[Field::HomePhone].empty() && !v[Field::WorkPhone].empty()) {
        v[Field::HomePhone] = v[Field::WorkPhone];
    }
    if (v[Field::Street1].size() < 6) v[Field::Street1].clear();
    clean(v, Field::City, cleanCity);
    clean(v, Field::State, cleanState);
    clean(v, Field::Zip, cleanZip);
    clean(v, Field::Country, cleanCountry);
    clean(v, Field::Birthdate, centuryTest);

    fixEmpty(v, {Field::Street2, Field::Notes});
    v[Field::IncludeCompany] = "1";
}

bool ImportLayout::readWindowsLive(const std::vector<std::string>& fields, ImportValues& v) const {
    if (column(fields, 2).empty() || column(fields, 14).empty()) return false;
    for (const Row& r : kWindowsLive) {
        if (headerIs(r.pos, r.text)) v.assign(r.field, column(fields, r.pos));
    }
    v[Field::MI] = std::string(leftOf(v[Field::MI], 1));

    clean(v, Field::Birthdate, slashDateRule);
    for (Field f : {Field::HomePhone, Field::CellPhone}) {
        v[f] = replaceAll(replaceAll(replaceAll(v[f], "+", ""), "(", ""), ")", "");
    }
    v[Field::HomePhone] = phoneRule(v[Field::HomePhone], true);
    v[Field::CellPhone] = phoneRule(v[Field::CellPhone], true);
    clean(v, Field::Birthdate, centuryTest);

    fixEmpty(v, {Field::Category, Field::WorkPhone, Field::Street1, Field::Street2, Field::City,
                 Field::State, Field::Zip, Field::Country, Field::Notes, Field::Company});
    v[Field::IncludeCompany] = "1";
    return true;
}

void ImportLayout::readOwnExport(const std::vector<std::string>& fields, ImportValues& v) const {
    for (const Row& r : kOwnExport) v.assign(r.field, column(fields, r.pos));
    v[Field::MI] = std::string(leftOf(v[Field::MI], 1));

    clean(v, Field::Birthdate, dashDateRule);
    v[Field::State] = toUpperCp1252(v[Field::State]);
    v[Field::HomePhone] = phoneRule(v[Field::HomePhone], false);
    v[Field::CellPhone] = phoneRule(v[Field::CellPhone], false);
    clean(v, Field::City, cleanCity);
    clean(v, Field::State, cleanState);
    clean(v, Field::Zip, cleanZip);
    clean(v, Field::Country, cleanCountry);
    // A birthday without a year is exported with the year 0000 and comes back as it went.
    if (!startsWith(v[Field::Birthdate], "0000")) clean(v, Field::Birthdate, centuryTest);
}

}  // namespace varnel

#include "exchange/import_layouts.h"

#include "exchange/import_rules.h"
#include "store/run_error.h"
#include "text/strings.h"

namespace varnel {

namespace {

// A column the line does not have reads as empty.
std::string_view column(const std::vector<std::string_view>& cols, std::size_t i) {
    return i < cols.size() ? cols[i] : std::string_view();
}

std::vector<std::string> toStrings(const std::vector<std::string_view>& cols) {
    return std::vector<std::string>(cols.begin(), cols.end());
}

// Everything from the 21st "," on is dropped.
std::string cutBefore21stComma(std::string_view text) {
    std::size_t at = std::string_view::npos;
    std::size_t from = 0;
    for (int n = 0; n < 21; ++n) {
        at = text.find(',', from);
        if (at == std::string_view::npos) return std::string(text);
        checkedPosition(static_cast<long>(at) + 1);
        from = at + 1;
    }
    return std::string(text.substr(0, at));
}

void fixEmpty(ImportValues& v, std::initializer_list<Field> fields) {
    for (Field f : fields) v[f].clear();
}

std::string firstChar(std::string_view value) { return std::string(leftOf(value, 1)); }

void clean(ImportValues& v, Field f, std::string (*rule)(std::string_view)) { v[f] = rule(v[f]); }

}  // namespace

bool ImportLayout::headerIs(std::size_t position, std::string_view text) const {
    return position < header_.size() && header_[position] == text;
}

ImportLayout ImportLayout::recognise(std::string_view headerLine) {
    ImportLayout layout;
    layout.verdict_ = HeaderVerdict::Accepted;
    const std::string header(headerLine);

    if (contains(header, "Yahoo! Phone") || contains(header, "Yahoo Phone")) {
        layout.number_ = 1;
        std::string h = removeQuotes(header);
        layout.header_ = toStrings(splitColumns(h));
        return layout;
    }
    if (contains(header, "Primary Phone") && contains(header, "Web Page")) {
        layout.number_ = 2;
        std::string h = cutBefore21stComma(header);
        layout.header_ = toStrings(splitColumns(h));
        return layout;
    }
    if (contains(header, "Name,E-mail Address")) {
        layout.number_ = 3;
        std::string h = lfToCrlf(header);
        long j = checkedPosition(static_cast<long>(instr(h, "Name,E-mail Address")));
        long f = checkedPosition(static_cast<long>(instr(h, "First Name,")));
        long length = checkedPosition((j - f) + j + 18);
        // Mid with no start or a negative length: "Invalid procedure call or argument".
        if (f == 0 || length < 0) throw RunError(5, "Invalid procedure call or argument");
        std::string cut(midOf(h, static_cast<std::size_t>(f), static_cast<std::size_t>(length)));
        layout.header_ = toStrings(splitColumns(cut));
        return layout;
    }
    if (contains(header, "First Name,MI") && contains(header, "Birthdate,Category,Notes")) {
        layout.number_ = 4;
        std::string h = removeQuotes(lfToCrlf(header));
        layout.header_ = toStrings(splitColumns(h));
        return layout;
    }
    if (contains(header, "Suffix,Initials,Web Page,") || !contains(header, "Name,") ||
        contains(header, "Distribution Lists") || contains(header, "Birthdate,Category,Notes")) {
        layout.verdict_ = HeaderVerdict::Refused;
        return layout;
    }

    layout.number_ = 5;
    std::string h = lfToCrlf(removeQuotes(header));
    // The e-mail name may be the header's last column: its end counts as a ",".
    const std::string searched = h + ",";
    struct Name {
        std::string_view text;
        long commaOffset;
    };
    static constexpr Name kNames[] = {
        {"E-mail Address,", 14}, {"Email Address,", 13}, {"E-mail,", 6}, {"Email,", 5}};
    long endMark = 0;
    for (const Name& name : kNames) {
        long at = static_cast<long>(instr(searched, name.text));
        if (at > 0) endMark = checkedPosition(at + name.commaOffset);
    }
    if (endMark == 0) {
        layout.verdict_ = HeaderVerdict::NotCompatible;
        return layout;
    }
    layout.header_ = toStrings(splitColumns(leftOf(h, static_cast<std::size_t>(endMark - 1))));
    return layout;
}

bool ImportLayout::readLine(std::string_view line, ImportValues& values) const {
    switch (number_) {
        case 1:
            return readYahoo(line, values);
        case 2:
            return readOutlook(line, values);
        case 3:
            return readNameEmail(line, values);
        case 4:
            return readOwnExport(line, values);
        case 5:
            return readAnyHeader(line, values);
        default:
            return false;
    }
}

bool ImportLayout::readYahoo(std::string_view raw, ImportValues& v) const {
    const std::string line = removeQuotes(raw);
    if (contains(line, "Yahoo! Phone") || contains(line, "Yahoo Phone")) return false;
    const auto cols = splitColumns(line);
    struct Row {
        std::size_t pos;
        std::string_view text;
        Field field;
    };
    static constexpr Row kRows[] = {
        {0, "First", Field::FirstName},     {1, "Middle", Field::MI},
        {2, "Last", Field::LastName},       {4, "Email", Field::Email},
        {5, "Category", Field::Category},   {8, "Home", Field::HomePhone},
        {9, "Work", Field::WorkPhone},      {12, "Mobile", Field::CellPhone},
        {21, "Company", Field::Company},    {27, "Home Address", Field::Street1},
        {28, "Home City", Field::City},     {29, "Home State", Field::State},
        {30, "Home ZIP", Field::Zip},       {31, "Home Country", Field::Country},
        {32, "Birthday", Field::Birthdate},
    };
    for (const Row& r : kRows) {
        if (!headerIs(r.pos, r.text)) continue;
        std::string_view value = column(cols, r.pos);
        v[r.field] = r.field == Field::MI ? firstChar(value) : std::string(value);
    }

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
    return true;
}

bool ImportLayout::readOutlook(std::string_view raw, ImportValues& v) const {
    // A repeated header is known by its markers wherever they stand.
    if (contains(raw, "Primary Phone") && contains(raw, "Web Page")) return false;
    const std::string line = cutBefore21stComma(raw);
    const auto cols = splitColumns(line);
    if (column(cols, 2).empty() || column(cols, 14).empty()) return false;
    struct Row {
        std::size_t pos;
        std::string_view text;
        Field field;
    };
    static constexpr Row kRows[] = {
        {0, "First Name", Field::FirstName},    {1, "Middle Name", Field::MI},
        {2, "Last Name", Field::LastName},      {8, "Birthday", Field::Birthdate},
        {14, "E-mail Address", Field::Email},   {18, "Home Phone", Field::HomePhone},
        {20, "Mobile Phone", Field::CellPhone},
    };
    for (const Row& r : kRows) {
        if (!headerIs(r.pos, r.text)) continue;
        std::string_view value = column(cols, r.pos);
        v[r.field] = r.field == Field::MI ? firstChar(value) : std::string(value);
    }

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

bool ImportLayout::readNameEmail(std::string_view raw, ImportValues& v) const {
    std::string line = lfToCrlf(raw);
    if (contains(line, "Name,E-mail Address")) return false;
    line = domainCut(line);
    const auto cols = splitColumns(line);
    if (column(cols, 0).empty() || column(cols, 1).empty()) return false;

    if (headerIs(0, "First Name")) v[Field::FirstName] = std::string(column(cols, 0));
    if (headerIs(1, "Last Name")) v[Field::LastName] = std::string(column(cols, 1));
    if (headerIs(2, "Middle Name")) v[Field::MI] = firstChar(column(cols, 2));
    if (headerIs(2, "E-mail Address")) v[Field::Email] = std::string(column(cols, 2));
    if (headerIs(3, "E-mail Address")) v[Field::Email] = std::string(column(cols, 3));
    if (!header_.empty() && header_.back() == "E-mail Address") {
        v[Field::Email] = std::string(cols.back());
    }

    fixEmpty(v, {Field::HomePhone, Field::CellPhone, Field::Birthdate, Field::Category,
                 Field::WorkPhone, Field::Street1, Field::Street2, Field::City, Field::State,
                 Field::Zip, Field::Country, Field::Notes, Field::Company});
    v[Field::IncludeCompany] = "1";
    return true;
}

bool ImportLayout::readOwnExport(std::string_view raw, ImportValues& v) const {
    const std::string line = removeQuotes(raw);
    if (contains(line, "Birthdate,Category,Notes")) return false;
    const auto cols = splitColumns(line);
    struct Row {
        std::string_view text;
        Field field;
    };
    // In the export's column order: the company pair follows the country.
    static constexpr Row kRows[] = {
        {"First Name", Field::FirstName},
        {"MI", Field::MI},
        {"Last Name", Field::LastName},
        {"Street1", Field::Street1},
        {"Street2", Field::Street2},
        {"City", Field::City},
        {"State", Field::State},
        {"Zip", Field::Zip},
        {"Country", Field::Country},
        {"Company", Field::Company},
        {"Include Company in Address", Field::IncludeCompany},
        {"Home Phone", Field::HomePhone},
        {"Cell Phone", Field::CellPhone},
        {"Work Phone", Field::WorkPhone},
        {"Email", Field::Email},
        {"Birthdate", Field::Birthdate},
        {"Category", Field::Category},
        {"Notes", Field::Notes},
    };
    for (std::size_t pos = 0; pos < std::size(kRows); ++pos) {
        const Row& r = kRows[pos];
        if (!headerIs(pos, r.text)) continue;
        std::string_view value = column(cols, pos);
        v[r.field] = r.field == Field::MI ? firstChar(value) : std::string(value);
    }

    clean(v, Field::Birthdate, dashDateRule);
    v[Field::State] = toUpperCp1252(v[Field::State]);
    v[Field::HomePhone] = phoneRule(v[Field::HomePhone], false);
    v[Field::CellPhone] = phoneRule(v[Field::CellPhone], false);
    clean(v, Field::City, cleanCity);
    clean(v, Field::State, cleanState);
    clean(v, Field::Zip, cleanZip);
    clean(v, Field::Country, cleanCountry);
    clean(v, Field::Birthdate, centuryTest);
    return true;
}

bool ImportLayout::readAnyHeader(std::string_view raw, ImportValues& v) const {
    std::string line = lfToCrlf(removeQuotes(raw));
    if (contains(line, "Name,") || contains(line, "First,")) return false;
    line = domainCut(line);
    const auto cols = splitColumns(line);
    if (column(cols, 0).empty() || column(cols, 1).empty()) return false;

    auto take = [&](std::size_t pos, std::string_view text, Field field) {
        if (!headerIs(pos, text)) return;
        std::string_view value = column(cols, pos);
        v[field] = field == Field::MI ? firstChar(value) : std::string(value);
    };
    take(0, "First Name", Field::FirstName);
    take(1, "First Name", Field::FirstName);
    take(0, "First", Field::FirstName);
    take(1, "First", Field::FirstName);
    for (std::size_t p = 0; p <= 2; ++p) take(p, "Last Name", Field::LastName);
    for (std::size_t p = 0; p <= 2; ++p) take(p, "Last", Field::LastName);
    take(1, "Middle Name", Field::MI);
    take(2, "Middle", Field::MI);
    for (std::size_t p = 1; p <= 2; ++p) take(p, "MI", Field::MI);
    for (std::size_t p = 1; p <= 2; ++p) take(p, "Middle Initial", Field::MI);
    for (std::string_view name : {"E-mail Address", "E-mail", "Email Address", "Email"}) {
        for (std::size_t p = 2; p <= 7; ++p) take(p, name, Field::Email);
    }

    fixEmpty(v, {Field::Street1, Field::Street2, Field::City, Field::State, Field::Zip,
                 Field::Country, Field::HomePhone, Field::CellPhone, Field::WorkPhone,
                 Field::Birthdate, Field::Category, Field::Notes, Field::Company});
    v[Field::IncludeCompany] = "1";
    return true;
}

}  // namespace varnel

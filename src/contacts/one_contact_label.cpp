#include "contacts/one_contact_label.h"

#include "contacts/address_lines.h"
#include "text/strings.h"

namespace varnel {

namespace {

OneContactFields trimmedFields(const OneContactFields& in) {
    auto t = [](const std::string& s) { return std::string(trimSpaces(s)); };
    OneContactFields f = in;
    f.firstName = t(in.firstName);
    f.middleInitial = t(in.middleInitial);
    f.lastName = t(in.lastName);
    f.company = t(in.company);
    f.street1 = t(in.street1);
    f.street2 = t(in.street2);
    f.city = t(in.city);
    f.state = t(in.state);
    f.zip = t(in.zip);
    return f;
}

// Every doubled blank made single, so an empty initial leaves one blank.
std::string labelNameLine(const OneContactFields& f) {
    return replaceAll(nameLine(f.firstName, f.middleInitial, f.lastName), "  ", " ");
}

std::string labelCityLine(const OneContactFields& f) { return cityLine(f.city, f.state, f.zip); }

}  // namespace

std::string oneContactNameLine(const OneContactFields& fields) {
    return labelNameLine(trimmedFields(fields));
}

std::string oneContactCityLine(const OneContactFields& fields) {
    return labelCityLine(trimmedFields(fields));
}

void fillOneContactLabel(ComposerModel& composer, const OneContactFields& fields) {
    const OneContactFields f = trimmedFields(fields);
    auto& lines = composer.lines;
    composer.focus = ComposerField::Line1;
    composer.envelopeBold = false;

    lines[0] = labelNameLine(f);
    const std::string city = f.city.empty() ? std::string() : labelCityLine(f);
    // The lines after the name: company when it is printed, then the streets.
    std::size_t next = 1;
    if (!f.company.empty() && f.includeCompany) lines[next++] = f.company;
    lines[next++] = f.street1;
    if (f.street2.empty() && !f.city.empty()) {
        lines[next++] = city;
    } else {
        lines[next++] = f.street2;
        lines[next++] = city;
    }
    for (; next < lines.size(); ++next) lines[next].clear();
}

}  // namespace varnel

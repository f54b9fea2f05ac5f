#include "printing/one_contact_label.h"

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

std::string nameLine(const OneContactFields& f) {
    return replaceAll(f.firstName + " " + f.middleInitial + " " + f.lastName, "  ", " ");
}

std::string cityLine(const OneContactFields& f) { return f.city + ", " + f.state + "  " + f.zip; }

}  // namespace

std::string oneContactNameLine(const OneContactFields& fields) {
    return nameLine(trimmedFields(fields));
}

std::string oneContactCityLine(const OneContactFields& fields) {
    return cityLine(trimmedFields(fields));
}

void fillOneContactLabel(ComposerModel& composer, const OneContactFields& fields) {
    const OneContactFields f = trimmedFields(fields);
    auto& lines = composer.lines;
    composer.focus = ComposerField::Line1;
    composer.envelopeBold = false;

    lines[0] = nameLine(f);
    const std::string city = f.city.empty() ? std::string() : cityLine(f);
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

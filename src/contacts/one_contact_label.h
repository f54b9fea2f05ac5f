#pragma once
// "Print Label" of the contact browser: the contact shown becomes the
// composer's address, ready for the user to pick stock and print.
#include <string>

#include "printing/composer.h"

namespace varnel {

// The browser's boxes as they stand, saved or not (Windows-1252).
struct OneContactFields {
    std::string firstName, middleInitial, lastName;
    std::string company;
    bool includeCompany = false;
    std::string street1, street2, city, state, zip;
};

// "First MI Last" with doubled blanks made single.
std::string oneContactNameLine(const OneContactFields& fields);
// "City, ST  Zip"
std::string oneContactCityLine(const OneContactFields& fields);

// Fills the five lines, clears and hides "Bold" and asks for the focus on
// line 1; every other composer choice stays as it was.
void fillOneContactLabel(ComposerModel& composer, const OneContactFields& fields);

}  // namespace varnel

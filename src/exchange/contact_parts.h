#pragma once
// A contact as address books describe it (several addresses, phones by kind,
// e-mails in order), and how it becomes the working values of one record.
// Text is UTF-8, as the import file gives it.
#include <string>
#include <string_view>
#include <vector>

#include "exchange/import_values.h"

namespace varnel {

struct AddressParts {
    std::string street;  // may hold a line break: the second line is Street2
    std::string street2;
    std::string street3;
    std::string city;
    std::string state;
    std::string zip;
    std::string country;

    bool empty() const;
};

struct ContactParts {
    std::string first;
    std::string middle;
    std::string last;
    std::string fullName;             // used only when there is neither a first nor a last name
    std::vector<std::string> emails;  // the first non-empty one is kept
    std::string homePhone;
    std::string cellPhone;
    std::string workPhone;
    std::string otherPhone;  // stands in for a missing home phone
    AddressParts home;
    AddressParts work;
    AddressParts other;
    std::string company;
    std::string birthdate;  // YYYYMMDD, 0000MMDD without a year, or empty
    std::vector<std::string> categories;
    std::string notes;
    std::string includeCompany;  // "0" or "1" when the file says; else "1"
};

// Fills every working value from `parts` and cleans them by the import's
// field rules: the home address when it has a street, else the business one;
// phones kept as written when they fit their field (tidied as the contact
// form tidies them when they do not), home and cell phones only when they end
// in four digits; the state upper-cased;
// place fields holding what no place holds are dropped.
void partsToValues(const ContactParts& parts, ImportValues& values);

// The stored birthdate of a birthday as exports write it: YYYY-MM-DD,
// YYYYMMDD (with or without a time after "T"), --MM-DD and --MMDD without a
// year, MM/DD/YYYY, M/D/YY, MM-DD-YYYY. YYYYMMDD; 0000MMDD when the year is
// unknown; empty when it is no date or its year is not 19xx or 20xx.
std::string birthdateFromText(std::string_view text);
// The same from separate year, month and day (the year may be empty).
std::string birthdateFromParts(std::string_view year, std::string_view month, std::string_view day);

// "Ann Marie Lee" -> "Ann Marie" + "Lee"; "Lee, Ann" -> "Ann" + "Lee"; one
// word is a last name.
void splitFullName(std::string_view full, std::string& first, std::string& last);

}  // namespace varnel

#pragma once
// Contacts for the listing tests, written field by field.
#include <string>

#include "store/contact_record.h"

namespace varnel::testing {

struct ContactSpec {
    std::string first = "", mi = "", last = "", street1 = "", street2 = "", city = "", state = "",
                zip = "";
    std::string home = "", cell = "", email = "", category = "", company = "", includeCompany = "0";
};

inline ContactRecord makeContact(const ContactSpec& s) {
    ContactRecord r;
    r.set(Field::FirstName, s.first);
    r.set(Field::MI, s.mi);
    r.set(Field::LastName, s.last);
    r.set(Field::Street1, s.street1);
    r.set(Field::Street2, s.street2);
    r.set(Field::City, s.city);
    r.set(Field::State, s.state);
    r.set(Field::Zip, s.zip);
    r.set(Field::HomePhone, s.home);
    r.set(Field::CellPhone, s.cell);
    r.set(Field::Email, s.email);
    r.set(Field::Category, s.category);
    r.set(Field::Company, s.company);
    r.set(Field::IncludeCompany, s.includeCompany);
    return r;
}

}  // namespace varnel::testing

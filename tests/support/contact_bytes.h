#pragma once
// Contact records as tests write them into files: whole 518-byte records with
// a name, include-company "0" and reminders on.
#include <string>

#include "store/contact_record.h"

namespace varnel::testing {

inline ContactRecord testContact(const std::string& first, const std::string& last = "Tester",
                                 const std::string& email = "") {
    ContactRecord r;
    r.set(Field::FirstName, first);
    r.set(Field::LastName, last);
    r.set(Field::Email, email);
    r.set(Field::IncludeCompany, "0");
    r.set(Field::BdayReminder, "1");
    return r;
}

inline std::string bytesOf(const ContactRecord& r) { return std::string(r.data(), r.Size); }

inline std::string recordBytes(const std::string& first, const std::string& last = "Tester") {
    return bytesOf(testContact(first, last));
}

// Records "N1" to "Nn", each with the e-mail address "nK@x.org".
inline std::string numberedRecords(int n) {
    std::string all;
    for (int k = 1; k <= n; ++k) {
        const std::string number = std::to_string(k);
        all += bytesOf(testContact("N" + number, "Tester", "n" + number + "@x.org"));
    }
    return all;
}

}  // namespace varnel::testing

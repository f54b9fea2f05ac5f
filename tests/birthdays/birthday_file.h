#pragma once
// A contact file of a few contacts with birthdates, for the birthday tests.
#include <string>
#include <vector>

#include "store/contact_file.h"
#include "support/temp_dir.h"

namespace varnel::testing {

struct Person {
    std::string first;
    std::string last;
    std::string birthdate;  // as stored: YYYYMMDD or blanks
    std::string reminder = "1";
};

inline ContactRecord personRecord(const Person& p) {
    ContactRecord r;
    r.set(Field::FirstName, p.first);
    r.set(Field::MI, "Q");
    r.set(Field::LastName, p.last);
    r.set(Field::City, "Springfield");
    r.set(Field::Birthdate, p.birthdate);
    r.set(Field::IncludeCompany, "0");
    r.set(Field::BdayReminder, p.reminder);
    return r;
}

// Writes the people to "Birthdays.DAT" in `dir` and opens it in `file`.
inline void openPeople(ContactFile& file, const TempDir& dir, const std::vector<Person>& people) {
    std::string bytes;
    for (const Person& p : people) {
        ContactRecord r = personRecord(p);
        bytes.append(r.data(), ContactRecord::Size);
    }
    writeFileBytes(dir / "Birthdays.DAT", bytes);
    file.open(dir / "Birthdays.DAT");
}

}  // namespace varnel::testing

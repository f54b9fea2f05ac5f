#include "contacts/field_rules.h"

#include "contacts/birthdate_rules.h"
#include "text/strings.h"

namespace varnel {

namespace {

constexpr const char* kIncorrect = "Incorrect entry";

std::string removeAll(std::string_view text, std::string_view what) {
    return replaceAll(text, what, "");
}

FieldFailure incorrect(ContactBox box, const char* message) {
    return FieldFailure{kIncorrect, message, box};
}

}  // namespace

std::string tidyPhone(std::string_view phone) {
    std::string s = removeAll(phone, "(");
    s = replaceAll(s, ")", "-");
    s = removeAll(s, " ");
    return removeAll(s, "+");
}

std::optional<FieldFailure> checkBirthdateBox(const ContactForm& form) {
    std::optional<int> check = failingBirthdateCheck(form[ContactBox::Birthdate]);
    if (!check) return std::nullopt;
    return FieldFailure{"Date error", birthdateMessage(*check), ContactBox::Birthdate};
}

std::optional<FieldFailure> tidyAndCheckFields(ContactForm& f, SaveKind kind) {
    using B = ContactBox;
    const bool isNew = kind == SaveKind::NewContact;

    // Commas are removed only after the length check of a box passes.
    auto limitThenNoCommas = [&](B box, std::size_t limit,
                                 const char* message) -> std::optional<FieldFailure> {
        if (f[box].size() > limit) return incorrect(box, message);
        f[box] = removeAll(f[box], ",");
        return std::nullopt;
    };

    if (auto e = limitThenNoCommas(B::FName, 14, "First name must be 14 characters or less."))
        return e;

    if (isNew) {
        f[B::MiddleInit] = removeAll(removeAll(f[B::MiddleInit], ","), ".");
    } else {
        f[B::MiddleInit] = removeAll(removeAll(f[B::MiddleInit], "."), ",");
    }
    if (f[B::MiddleInit].size() > 1) {
        return incorrect(B::MiddleInit, "Enter only 1 character for middle initial.");
    }

    const char* lastNameMessage = "Enter last name, 18 characters or less.";
    if (auto e = limitThenNoCommas(B::LName, 18, lastNameMessage)) return e;
    if (f[B::LName].empty()) return incorrect(B::LName, lastNameMessage);

    if (auto e = limitThenNoCommas(B::FStreet, 30, "Street address must be 30 characters or less."))
        return e;
    if (auto e =
            limitThenNoCommas(B::SStreet, 15, "Street address2 must be 15 characters or less."))
        return e;
    if (f[B::City].size() > 16) return incorrect(B::City, "City must be 16 characters or less.");

    if (!f[B::State].empty() && f[B::State].size() != 2) {
        return incorrect(B::State, "State must be 2 character abbreviation.");
    }
    f[B::State] = removeAll(f[B::State], ",");

    if (auto e = limitThenNoCommas(B::Zip, 10, "Zip Code must be 10 characters or less.")) return e;

    if (f[B::Country].size() > 19) {
        return incorrect(B::Country,
                         isNew ? "Country must be 19 characters or less.  For example, USA."
                               : "Country must be 19 characters or less. For example, USA.");
    }
    f[B::Country] = replaceAll(f[B::Country], ",", isNew ? " " : "");

    if (auto e = limitThenNoCommas(B::Company, 30, "Company Name must be 30 characters or less."))
        return e;

    struct Phone {
        B box;
        std::size_t limit;
        const char* message;
    };
    for (const Phone& p : {Phone{B::HPhone, 15, "Home Phone must be 15 characters or less."},
                           Phone{B::CPhone, 15, "Cell Phone must be 15 characters or less."},
                           Phone{B::WPhone, 13, "Work Phone must be 13 characters or less."}}) {
        f[p.box] = tidyPhone(f[p.box]);
        if (auto e = limitThenNoCommas(p.box, p.limit, p.message)) return e;
    }

    const std::string& email = f[B::Email];
    if (email.size() > 50)
        return incorrect(B::Email, "Email address must be 50 characters or less.");
    if (email.find(',') != std::string::npos) {
        return incorrect(B::Email, "Email address cannot contain a comma.");
    }
    if (email.find(' ') != std::string::npos) {
        return incorrect(B::Email, "Email address cannot contain a space.");
    }
    if (!email.empty() && email.find('@') == std::string::npos) {
        return incorrect(B::Email, "Email address must contain the '@' character.");
    }
    if (!email.empty() && email.find('.') == std::string::npos) {
        return incorrect(B::Email, "Email address must contain the '.' character.");
    }

    if (f[B::Category].size() > 80)
        return incorrect(B::Category, "Category must be 80 characters or less.");
    f[B::Category] = replaceAll(f[B::Category], ",", " ");
    if (f[B::Notes].size() > 160)
        return incorrect(B::Notes, "Notes must be 160 characters or less.");
    f[B::Notes] = replaceAll(f[B::Notes], ",", " ");

    f[B::City] = removeAll(f[B::City], ",");
    return std::nullopt;
}

ContactRecord buildContactRecord(ContactForm& f, bool reminderOn) {
    using B = ContactBox;
    ContactRecord r;
    r.set(Field::FirstName, trimSpaces(f[B::FName]));
    r.set(Field::MI, toUpperCp1252(f[B::MiddleInit]));
    r.set(Field::LastName, f[B::LName]);
    r.set(Field::Street1, f[B::FStreet]);
    r.set(Field::Street2, f[B::SStreet]);
    r.set(Field::City, f[B::City]);
    r.set(Field::State, toUpperCp1252(f[B::State]));
    r.set(Field::Zip, f[B::Zip]);
    r.set(Field::Country, toUpperCp1252(f[B::Country]));
    r.set(Field::HomePhone, f[B::HPhone]);
    r.set(Field::CellPhone, f[B::CPhone]);
    r.set(Field::WorkPhone, f[B::WPhone]);
    r.set(Field::Email, f[B::Email]);
    r.set(Field::Category, f[B::Category]);
    r.set(Field::Notes, f[B::Notes]);
    r.set(Field::Company, f[B::Company]);
    r.set(Field::Birthdate, storedBirthdate(f[B::Birthdate]));
    // A company of blanks is stored blank, so it must not be flagged for printing.
    if (trimSpaces(f[B::Company]).empty()) f.includeCompany = false;
    r.set(Field::IncludeCompany, f.includeCompany ? "1" : "0");
    r.set(Field::BdayReminder, reminderOn ? "1" : "0");
    return r;
}

}  // namespace varnel

#include "contacts/contact_display.h"

#include "contacts/birthdate_rules.h"
#include "text/numbers.h"

namespace varnel {

ShownContact showContact(const ContactRecord& r) {
    using B = ContactBox;
    ShownContact out;
    ContactForm& f = out.form;
    f[B::FName] = r.get(Field::FirstName);
    f[B::MiddleInit] = r.get(Field::MI);
    f[B::LName] = r.get(Field::LastName);
    f[B::FStreet] = r.get(Field::Street1);
    f[B::SStreet] = r.get(Field::Street2);
    f[B::City] = r.get(Field::City);
    f[B::State] = r.get(Field::State);
    f[B::Zip] = r.get(Field::Zip);
    f[B::Country] = r.get(Field::Country);
    f[B::HPhone] = r.get(Field::HomePhone);
    f[B::CPhone] = r.get(Field::CellPhone);
    f[B::WPhone] = r.get(Field::WorkPhone);
    f[B::Email] = r.get(Field::Email);
    f[B::Company] = r.get(Field::Company);
    f.includeCompany = leadingNumber(r.get(Field::IncludeCompany)) == 1;
    out.companyControlsVisible = !f[B::Company].empty();
    f[B::Birthdate] = shownBirthdate(r.raw(Field::Birthdate));
    f[B::Category] = r.get(Field::Category);
    f[B::Notes] = r.get(Field::Notes);
    return out;
}

}  // namespace varnel

#include "contacts/contact_form.h"

namespace varnel {

namespace {
struct BoxText {
    const char* name;
    const char* caption;
};

constexpr std::array<BoxText, kContactBoxCount> kBoxes = {{
    {"txtACFName", "First Name:"},
    {"txtACMiddleInit", "Middle Initial:"},
    {"txtACLName", "Last Name:"},
    {"txtACFStreet", "Street Address:"},
    {"txtACSStreet", "Additional Street Info/Apt:"},
    {"txtACCity", "City:"},
    {"txtACState", "State:"},
    {"txtACZip", "Zip Code:"},
    {"txtACCountry", "Country:"},
    {"txtACCompany", "Company Name:"},
    {"txtACBirthdate", "Birthdate (MM/DD/YYYY):"},
    {"txtACHPhone", "Home Phone:"},
    {"txtACCPhone", "Cell Phone:"},
    {"txtACWPhone", "Work Phone:"},
    {"txtACEmail", "Email Address:"},
    {"txtACCategory", "Category:"},
    {"txtACNotes", "Notes:"},
}};
}  // namespace

const char* boxName(ContactBox box) { return kBoxes[static_cast<std::size_t>(box)].name; }
const char* boxCaption(ContactBox box) { return kBoxes[static_cast<std::size_t>(box)].caption; }

}  // namespace varnel

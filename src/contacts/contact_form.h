#pragma once
// The seventeen text boxes that both contact windows share, as plain text in
// Windows-1252, plus the include-company tick. The save works on these so the
// windows only copy text in and out.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

// In tab order: Enter moves through the boxes in this order.
enum class ContactBox {
    FName,
    MiddleInit,
    LName,
    FStreet,
    SStreet,
    City,
    State,
    Zip,
    Country,
    Company,
    Birthdate,
    HPhone,
    CPhone,
    WPhone,
    Email,
    Category,
    Notes,
};

constexpr std::size_t kContactBoxCount = 17;

// "txtACFName" ... "txtACNotes"
const char* boxName(ContactBox box);
// "First Name:" ... "Notes:"
const char* boxCaption(ContactBox box);

struct ContactForm {
    std::array<std::string, kContactBoxCount> boxes;
    bool includeCompany = false;

    std::string& operator[](ContactBox box) { return boxes[static_cast<std::size_t>(box)]; }
    const std::string& operator[](ContactBox box) const {
        return boxes[static_cast<std::size_t>(box)];
    }
    bool operator==(const ContactForm&) const = default;
};

constexpr std::array<ContactBox, kContactBoxCount> kAllContactBoxes = {
    ContactBox::FName,   ContactBox::MiddleInit, ContactBox::LName,     ContactBox::FStreet,
    ContactBox::SStreet, ContactBox::City,       ContactBox::State,     ContactBox::Zip,
    ContactBox::Country, ContactBox::Company,    ContactBox::Birthdate, ContactBox::HPhone,
    ContactBox::CPhone,  ContactBox::WPhone,     ContactBox::Email,     ContactBox::Category,
    ContactBox::Notes,
};

}  // namespace varnel

#pragma once
// The checks and tidying that both save buttons run on the contact boxes, and
// the record built from the boxes once every check has passed.
#include <optional>
#include <string>

#include "contacts/contact_form.h"
#include "store/contact_record.h"

namespace varnel {

// Which button saves: the new-contact form's "Save" or the browser's "Save changes".
enum class SaveKind { NewContact, ChangeContact };

struct FieldFailure {
    std::string title;  // "Date error" or "Incorrect entry"
    std::string message;
    ContactBox focus;  // the box the cursor goes to
};

// The birthdate checks on the birthdate box exactly as typed.
std::optional<FieldFailure> checkBirthdateBox(const ContactForm& form);

// The field checks and tidying, in their fixed order. Tidying is written into
// `form` as it happens, so after a failure the boxes hold the tidying done so far.
std::optional<FieldFailure> tidyAndCheckFields(ContactForm& form, SaveKind kind);

// Phone tidying: "(" removed, ")" to "-", spaces and "+" removed.
std::string tidyPhone(std::string_view phone);

// The record from boxes that passed every check. Clears the include-company
// tick in `form` when there is no company; `reminderOn` gives BdayReminder.
ContactRecord buildContactRecord(ContactForm& form, bool reminderOn);

}  // namespace varnel

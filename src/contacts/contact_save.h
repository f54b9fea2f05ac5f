#pragma once
// One save of either contact window: checks, tidying, the record and its write.
#include <cstdint>
#include <optional>
#include <string>

#include "contacts/contact_form.h"
#include "contacts/field_rules.h"
#include "store/contact_file.h"

namespace varnel {

struct SaveOutcome {
    std::optional<FieldFailure> failure;  // set when a check stopped the save
    std::int32_t recordNumber = 0;        // the record written
    ContactRecord record;
    std::string savedTitle;  // "Contact saved to file" or "Changes saved"
    std::string savedText;   // "S A V E D"
};

// Runs the save on `form` (tidied in place). The new-contact form appends;
// the browser writes `currentRecord`. Nothing is written when a check fails.
// File errors raise RunError after the tidying already done.
SaveOutcome saveContact(ContactFile& file, ContactForm& form, SaveKind kind, bool reminderOn,
                        std::int32_t currentRecord);

}  // namespace varnel

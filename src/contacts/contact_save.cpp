#include "contacts/contact_save.h"

namespace varnel {

SaveOutcome saveContact(ContactFile& file, ContactForm& form, SaveKind kind, bool reminderOn,
                        std::int32_t currentRecord) {
    SaveOutcome out;
    if ((out.failure = checkBirthdateBox(form))) return out;

    std::int32_t target = currentRecord;
    if (kind == SaveKind::NewContact) target = file.recordCount() + 1;

    if ((out.failure = tidyAndCheckFields(form, kind))) return out;

    out.record = buildContactRecord(form, reminderOn);
    file.writeRecord(target, out.record);
    out.recordNumber = target;
    out.savedText = "S A V E D";
    out.savedTitle = kind == SaveKind::NewContact ? "Contact saved to file" : "Changes saved";
    return out;
}

}  // namespace varnel

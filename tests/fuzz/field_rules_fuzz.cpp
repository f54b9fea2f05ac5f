// The checks and tidying of both save buttons, on any box contents; a record
// built from boxes that passed is always a sound contact record.
#include "contacts/field_rules.h"
#include "fuzz_input.h"
#include "store/contact_file_check.h"
#include "text/run_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    if (size == 0) return 0;
    const SaveKind kind = data[0] & 1 ? SaveKind::ChangeContact : SaveKind::NewContact;
    const bool reminderOn = data[0] & 2;
    const std::vector<std::string> cut =
        fuzz::pieces(fuzz::asText(data + 1, size - 1), '\n', kContactBoxCount);
    ContactForm form;
    for (std::size_t i = 0; i < cut.size(); ++i) form.boxes[i] = cut[i];
    form.includeCompany = data[0] & 4;

    tidyPhone(form[ContactBox::HPhone]);
    try {
        if (checkBirthdateBox(form)) return 0;
        if (tidyAndCheckFields(form, kind)) return 0;
        const ContactRecord record = buildContactRecord(form, reminderOn);
        const ContactFileCheck check =
            checkContactBytes(std::string_view(record.data(), ContactRecord::Size));
        fuzz::require(check.contactFile && check.damaged.empty());
        fuzz::require(record.get(Field::BdayReminder) == (reminderOn ? "1" : "0"));
    } catch (const RunError&) {
    }
    return 0;
}

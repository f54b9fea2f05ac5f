#pragma once
// A stored contact as the browser shows it in its boxes.
#include "contacts/contact_form.h"
#include "store/contact_record.h"

namespace varnel {

struct ShownContact {
    ContactForm form;
    bool companyControlsVisible = false;  // label and tick are hidden without a company
};

ShownContact showContact(const ContactRecord& record);

}  // namespace varnel

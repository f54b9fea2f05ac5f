#pragma once
// One contact as a vCard 3.0 (RFC 2426), in UTF-8 with CR LF line ends.
#include <string>

#include "store/contact_record.h"

namespace varnel {

// Appends the card of `record` to `out`.
void appendVCard(std::string& out, const ContactRecord& record);

}  // namespace varnel

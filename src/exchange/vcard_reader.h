#pragma once
// vCard files (versions 2.1, 3.0 and 4.0): folded lines, quoted-printable
// values in any charset, grouped properties ("item1.ADR"), and the properties
// a contact record can hold. Embedded pictures are stepped over unread.
#include <cstddef>
#include <string_view>
#include <vector>

#include "exchange/contact_parts.h"

namespace varnel {

struct VCard {
    ContactParts parts;
    std::size_t line = 0;   // the line of its BEGIN:VCARD
    bool complete = false;  // its END:VCARD was found
};

// True when the text's first non-blank line is BEGIN:VCARD.
bool looksLikeVCard(std::string_view utf8);

// Every card of the text, in order; a card whose END:VCARD never comes is
// returned incomplete.
std::vector<VCard> readVCards(std::string_view utf8);

}  // namespace varnel

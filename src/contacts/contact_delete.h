#pragma once
// Deleting the contact shown in the browser.
#include <cstdint>

#include "store/contact_file.h"

namespace varnel {

// Mark-and-compact of record `k`. A contact file that has vanished from its
// folder raises "File not found" before anything is written, so no empty
// file of blank records takes its place; a record number outside the file
// raises "Bad record number".
void deleteContact(ContactFile& file, std::int32_t k);

}  // namespace varnel

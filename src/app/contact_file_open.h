#pragma once
// Opening the contact file the main window works on (start-up, New, Open):
// a file that another Varnel has open or that is not a contact file is
// refused, and damaged records are named, so the user can mend them.
#include <filesystem>
#include <string>
#include <vector>

#include "ports/dialogs.h"
#include "store/contact_file.h"
#include "store/contact_file_check.h"

namespace varnel {

// True when `file` is open on `path`. A refusal shows one box titled "Open":
// "<name> is already open in another Varnel." or "<name> is not a Varnel
// contact file.", and leaves `file` closed. A contact file with damaged
// records opens after one box that names them. Other failures raise RunError.
bool openCheckedContactFile(ContactFile& file, const std::filesystem::path& path, Dialogs& dialogs);

// The text of the box naming damaged records: at most 10 numbers, then how
// many more there are.
std::string damagedRecordsText(const std::string& name, const std::vector<RecordDamage>& damaged);

}  // namespace varnel

#include "contacts/contact_delete.h"

#include <system_error>

#include "text/run_error.h"

namespace varnel {

void deleteContact(ContactFile& file, std::int32_t k) {
    std::error_code ec;
    if (!file.isOpen()) throw RunError(RunError::BadFileNameOrNumber);
    if (!std::filesystem::is_regular_file(file.path(), ec)) throw RunError(RunError::FileNotFound);
    if (k < 1 || k > file.recordCount()) throw RunError(RunError::BadRecordNumber);
    deleteRecord(file, k);
}

}  // namespace varnel

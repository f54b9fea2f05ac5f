#include "listing/bulk_shifts.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "store/run_error.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace varnel {

namespace {
constexpr std::size_t kRecordSize = 18;
constexpr const char* kMarginFile = "VRNPARAM.TXT";
}  // namespace

BulkShifts readBulkShifts(const std::filesystem::path& programFolder) {
    const std::filesystem::path path = programFolder / kMarginFile;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw RunError(RunError::PathFileAccessError);
    if (!std::filesystem::exists(path, ec)) {
        if (!std::filesystem::is_directory(programFolder, ec))
            throw RunError(RunError::PathNotFound);
        std::ofstream create(path, std::ios::binary);
        if (!create) throw RunError(RunError::PathFileAccessError);
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RunError(RunError::PathFileAccessError);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    // Record count: length / 18 rounded, halves to even; a short last record
    // reads blank-filled.
    std::size_t count = bytes.size() / kRecordSize;
    const std::size_t rest = bytes.size() % kRecordSize;
    if (2 * rest > kRecordSize || (2 * rest == kRecordSize && count % 2 == 1)) ++count;
    bytes.resize(count * kRecordSize, ' ');

    BulkShifts shifts;
    for (std::size_t k = 0; k < count; ++k) {
        std::string_view record(bytes.data() + k * kRecordSize, kRecordSize);
        if (trimTrailingSpaces(record.substr(0, 8)) != "BULKLIST") continue;
        shifts.left = textToInt16(record.substr(9, 3));
        shifts.top = textToInt16(record.substr(13, 3));
    }
    return shifts;
}

}  // namespace varnel

// The import: any bytes as a CSV or vCard file, imported into a contact file
// that already holds one contact. Whatever the file, the contact file keeps
// only whole, sound records, one per contact reported imported.
#include <filesystem>
#include <fstream>

#include "exchange/contact_import.h"
#include "fuzz_input.h"
#include "store/contact_file_check.h"
#include "support/contact_bytes.h"
#include "text/run_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    const std::filesystem::path& folder = fuzz::scratchFolder();
    const std::filesystem::path source = folder / "in.csv";
    const std::filesystem::path contacts = folder / "Fuzz.DAT";
    std::ofstream(source, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<long>(size));
    std::filesystem::remove(contacts);

    ContactFile file;
    file.open(contacts);
    file.appendRecord(testing::testContact("Ann", "Lee", "ann@example.net"));

    ImportReport report;
    try {
        report = importContacts(file, source, true);
    } catch (const RunError&) {
        return 0;
    }
    const ContactFileCheck check = checkContactFile(file);
    fuzz::require(check.contactFile && check.damaged.empty());
    fuzz::require(check.length == static_cast<std::uint64_t>(1 + report.imported) * 518);
    fuzz::require(report.imported >= 0 && report.duplicates >= 0 && report.skipped >= 0);
    return 0;
}

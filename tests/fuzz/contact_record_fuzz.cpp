// Any bytes as a contact file: the records read from it, the check on
// opening, the check fed in pieces, and the deletion of one record.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "contacts/contact_display.h"
#include "fuzz_input.h"
#include "store/contact_file.h"
#include "store/contact_file_check.h"
#include "text/run_error.h"

namespace {

std::filesystem::path contactPath() { return varnel::fuzz::scratchFolder() / "Fuzz.DAT"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    const std::string_view bytes = fuzz::asText(data, size);

    const ContactFileCheck whole = checkContactBytes(bytes);
    fuzz::require(whole.length == size);
    fuzz::require(whole.records == static_cast<std::int64_t>((size + ContactRecord::Size - 1) /
                                                             ContactRecord::Size));
    std::int64_t last = 0;
    for (const RecordDamage& d : whole.damaged) {
        fuzz::require(d.record > last && d.record <= whole.records);
        fuzz::require(!describeDamage(d).empty());
        last = d.record;
    }
    // Fed in pieces of any size, the answer is the same.
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 700;
    ContactFileChecker checker;
    for (std::size_t at = 0; at < size; at += piece) checker.feed(bytes.substr(at, piece));
    const ContactFileCheck pieces = checker.finish();
    fuzz::require(pieces.contactFile == whole.contactFile);
    fuzz::require(pieces.damaged.size() == whole.damaged.size());

    std::ofstream(contactPath(), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<long>(size));
    try {
        ContactFile file;
        file.open(contactPath());
        const ContactFileCheck onDisk = checkContactFile(file);
        fuzz::require(onDisk.damaged.size() == whole.damaged.size());
        const std::vector<ContactRecord> all = file.readAll();
        fuzz::require(all.size() == static_cast<std::size_t>(file.recordCount()));
        for (std::size_t k = 0; k < all.size(); ++k) {
            fuzz::require(all[k] == file.readRecord(static_cast<std::int32_t>(k + 1)));
            showContact(all[k]);
        }
        // Deleting one record leaves exactly the others that carry no marker,
        // as they read before.
        if (!all.empty()) {
            const std::size_t drop = data[size - 1] % all.size();
            std::string expected;
            for (std::size_t k = 0; k < all.size(); ++k) {
                if (k != drop && !all[k].isDeleted()) expected.append(all[k].data(), 518);
            }
            deleteRecord(file, static_cast<std::int32_t>(drop + 1));
            std::ifstream in(contactPath(), std::ios::binary);
            const std::string after((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            fuzz::require(after == expected);
            fuzz::require(file.recordCount() == static_cast<std::int32_t>(expected.size() / 518));
        }
    } catch (const RunError&) {
    }
    return 0;
}

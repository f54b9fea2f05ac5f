// The margin file: any bytes as VRNPARAM.TXT, read for every key and changed
// by the Margins dialogue with answers from the input.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz_input.h"
#include "printing/margin_file.h"
#include "text/run_error.h"

namespace {

const std::filesystem::path& folder() { return varnel::fuzz::scratchFolder(); }

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    if (size == 0) return 0;
    // Byte 0 picks the kind; then the file, a NUL, and the answers one per line.
    const MarginKind kind = static_cast<MarginKind>(data[0] % 4);
    const std::string_view rest = fuzz::asText(data + 1, size - 1);
    const std::size_t nul = rest.find('\0');
    const std::string file(rest.substr(0, nul));
    const std::string_view answers =
        nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);

    const std::filesystem::path path = folder() / kMarginFileName;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(file.data(), static_cast<long>(file.size()));
    for (const char* key : {"ONTHEFLY", "ENVELOPE", "RETURNAD", "BULKLIST"}) {
        try {
            readMarginShifts(folder(), key);
        } catch (const RunError&) {
        }
    }
    fuzz::FuzzDialogs dialogs(fuzz::pieces(answers, '\n', 6));
    try {
        adjustMargins(folder(), kind, dialogs);
    } catch (const RunError&) {
    }
    // Only the shift fields change: keys, separators and line ends stay.
    const std::string after = readAll(path);
    fuzz::require(after.size() >= file.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        const std::size_t at = i % 18;
        if ((at >= 9 && at <= 11) || (at >= 13 && at <= 15)) continue;
        fuzz::require(after[i] == file[i]);
    }
    return 0;
}

#include "app/uninstaller_file.h"

#include "text/run_error.h"

namespace varnel {

namespace {

void renameIfPresent(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(from, ec)) return;
    if (std::filesystem::exists(to, ec)) throw RunError(RunError::FileAlreadyExists);
    std::filesystem::rename(from, to, ec);
    if (ec) throw RunError(RunError::PathFileAccessError);
}

}  // namespace

void hideUninstallerFile(const std::filesystem::path& programFolder) {
    renameIfPresent(programFolder / "unins000.DAT", programFolder / "unins000.DAK");
}

void restoreUninstallerFile(const std::filesystem::path& programFolder) {
    renameIfPresent(programFolder / "unins000.DAK", programFolder / "unins000.DAT");
}

}  // namespace varnel

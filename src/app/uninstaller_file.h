#pragma once
// The uninstaller keeps "unins000.DAT" in the program folder. It is renamed to
// "unins000.DAK" while a file dialog could offer it as a contact file, and
// back afterwards. Both steps do nothing when their file is absent and raise
// RunError when the other name is taken or the rename fails.
#include <filesystem>

namespace varnel {

void hideUninstallerFile(const std::filesystem::path& programFolder);
void restoreUninstallerFile(const std::filesystem::path& programFolder);

}  // namespace varnel

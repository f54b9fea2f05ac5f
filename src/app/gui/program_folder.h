#pragma once
#include <filesystem>

namespace varnel {

// The folder for the default contact file, the margin file, exports and the
// documents: the executable's folder when it is writable and not an installed
// copy, otherwise the per-user data folder the platform gives (created when
// missing).
std::filesystem::path programFolder();

}  // namespace varnel

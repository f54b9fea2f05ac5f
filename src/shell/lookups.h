#pragma once
// What the shell commands hand to the system: two web look-ups and the two
// documents beside the program.
#include <filesystem>
#include <string>
#include <string_view>

namespace varnel {

// The postal service's own ZIP-code look-up page.
inline constexpr std::string_view kZipLookupAddress = "https://tools.usps.com/zip-code-lookup.htm";
// A free people-search site that needs no account for a first search.
inline constexpr std::string_view kPeopleSearchAddress = "https://www.whitepages.com/";

inline constexpr std::string_view kUserManualName = "vrnUman.pdf";
inline constexpr std::string_view kStateListName = "vrn_state_abbreviations.pdf";

// Where an installed Varnel's documents lie, relative to its executable's
// folder: bin/varnel finds them in share/varnel beside bin.
inline constexpr std::string_view kInstalledDocumentsFolder = "../share/varnel";

std::filesystem::path installedDocumentsFolder(const std::filesystem::path& executableFolder);

// An installed copy (its documents in the installed folder) keeps the user's
// files in the per-user data folder even when its own folder is writable, so
// a run as root never writes contact files among the system's programs.
bool isInstalledCopy(const std::filesystem::path& executableFolder);

// A document is looked for in the program folder first, then beside the
// executable, then in the installed documents folder. When none holds it,
// the program folder's name is given (and the shell fails quietly).
std::filesystem::path userManualPath(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& executableFolder = {});
std::filesystem::path stateListPath(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& executableFolder = {});

// "Version 1.0.0" from the build's "major.minor.revision", each part in
// decimal without leading zeros; a missing part counts as 0.
std::string versionCaption(std::string_view buildVersion);

}  // namespace varnel

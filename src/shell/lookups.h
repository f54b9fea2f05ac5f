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

// A document is looked for in the program folder first. When that folder is
// the per-user data folder (the executable's folder is read-only), the
// documents installed beside the executable are used instead.
std::filesystem::path userManualPath(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& installFolder = {});
std::filesystem::path stateListPath(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& installFolder = {});

// "Version 1.0.0" from the build's "major.minor.revision", each part in
// decimal without leading zeros; a missing part counts as 0.
std::string versionCaption(std::string_view buildVersion);

}  // namespace varnel

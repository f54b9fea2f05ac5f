#pragma once
// What the look-up buttons and the Help menus of the contact windows open.
#include <filesystem>
#include <string>

namespace varnel {

inline constexpr const char* kZipLookupAddress = "https://tools.usps.com/zip-code-lookup.htm";
inline constexpr const char* kPeopleSearchAddress = "https://www.whitepages.com/";

inline std::string stateAbbreviationsDocument(const std::filesystem::path& programFolder) {
    return (programFolder / "vrn_state_abbreviations.pdf").string();
}

inline std::string userManualDocument(const std::filesystem::path& programFolder) {
    return (programFolder / "vrnUman.pdf").string();
}

}  // namespace varnel

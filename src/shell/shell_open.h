#pragma once
// Documents and web addresses handed to the system's shell. When the shell
// cannot open one (no viewer, no browser, a missing file), one box names it
// and where it is, so the user can open it another way.
#include <filesystem>
#include <string>
#include <string_view>

#include "ports/dialogs.h"

namespace varnel {

inline constexpr const char* kDocumentNotOpenedTitle = "Document not opened";
inline constexpr const char* kWebPageNotOpenedTitle = "Web page not opened";

// The box's text for a document: whether it is there and its full path.
std::string documentNotOpenedText(const std::filesystem::path& document);
std::string webPageNotOpenedText(std::string_view address);

// True when the shell opened it; otherwise the box has been shown.
bool openDocument(Dialogs& dialogs, const std::filesystem::path& document);
bool openWebAddress(Dialogs& dialogs, std::string_view address);

// The two web look-ups of every window that has them.
bool openZipLookup(Dialogs& dialogs);
bool openPeopleSearch(Dialogs& dialogs);

}  // namespace varnel

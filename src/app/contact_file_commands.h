#pragma once
// Which contact file the program works on: the default file at start-up,
// File > New and File > Open, File > Close. Each keeps the state's path and
// title; the main window only shows the outcome.
#include <string>

#include "ports/app_state.h"

namespace varnel {

inline constexpr const char* kDefaultContactFile = "VRN_Contacts.DAT";

enum class FileCommand { New, Open };

// The title captions show: the file name with every upper-case ".DAT" removed.
std::string contactFileTitle(const std::string& fileName);

// A name typed in New without an extension gets ".DAT"; any other is kept.
std::string withContactExtension(const std::string& fileName);

// Start-up: opens the default file in the program folder (created when
// missing) with the uninstaller's file out of the way. False when the file
// was refused (its box shown); no file is open then.
bool openDefaultContactFile(AppState& state);

// New and Open: the file dialog, then the chosen file. False when the user
// cancelled or the file was refused: the previous file is open again and the
// path and title are unchanged. Run-time errors reach the caller, with the
// uninstaller's file still hidden.
bool openChosenContactFile(AppState& state, FileCommand command);

// Close: no file, no path, no title.
void closeContactFile(AppState& state);

}  // namespace varnel

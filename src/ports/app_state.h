#pragma once
// What the program shares for a whole run: the platform ports, the program
// folder, the open contact file with its path and title, the reminder setting,
// the search-result label style and the record shown in the browser. Windows
// read and change it here, never through each other's controls.
#include <cstdint>
#include <filesystem>
#include <string>

#include "ports/clock.h"
#include "ports/dialogs.h"
#include "ports/printer.h"
#include "store/contact_file.h"

namespace varnel {

// Bold and italic of the search-result labels; the list window resets it
// when it closes.
struct LabelStyle {
    bool bold = false;
    bool italic = false;
};

struct AppState {
    AppState(Dialogs& d, Printer& p, Clock& c, std::filesystem::path folder)
        : dialogs(d), printer(p), clock(c), programFolder(std::move(folder)) {}

    Dialogs& dialogs;
    Printer& printer;
    Clock& clock;
    std::filesystem::path programFolder;

    ContactFile contactFile;            // file number 1
    std::filesystem::path contactPath;  // the open contact file, empty when none
    std::string contactTitle;           // its name as captions show it (Windows-1252)
    bool remindersOn = false;           // birthday reminders of the open file
    LabelStyle labelStyle;
    std::int32_t CurrentRecord = 0;  // record shown in the contact browser, 0 when none
};

}  // namespace varnel

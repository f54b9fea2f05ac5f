#pragma once
// What every window shares for the whole run: the platform ports, the program
// folder and the open contact file with the record shown in the browser.
#include <cstdint>
#include <filesystem>

#include "ports/clock.h"
#include "ports/dialogs.h"
#include "ports/printer.h"
#include "store/contact_file.h"

namespace varnel {

struct AppContext {
    AppContext(Dialogs& d, Printer& p, Clock& c, std::filesystem::path folder)
        : dialogs(d), printer(p), clock(c), programFolder(std::move(folder)) {}

    Dialogs& dialogs;
    Printer& printer;
    Clock& clock;
    std::filesystem::path programFolder;

    ContactFile contactFile;       // file number 1
    std::int32_t CurrentRecord = 0;  // record shown in the contact browser, 0 when none
};

}  // namespace varnel

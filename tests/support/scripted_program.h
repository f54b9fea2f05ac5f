#pragma once
// One run of the program with every port scripted, on a fresh program folder:
// what a window or a command works with, for the tests to look into.
#include "ports/app_state.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"

namespace varnel::testing {

struct ScriptedProgram {
    explicit ScriptedProgram(Date today = {2026, 3, 1}) : clock(today) {}

    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
    FixedClock clock;
    AppState ctx{dialogs, printer, clock, dir.path()};
};

}  // namespace varnel::testing

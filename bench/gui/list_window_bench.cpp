// The list window's "Get report" as a user meets it: a click that lists
// every contact of the file, sorts the lines and shows them in the table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <filesystem>

#include "../varied_contacts.h"
#include "listing/gui/frmViewAll.h"
#include "ports/app_state.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_window_host.h"

namespace {

void BM_ListWindowGetReportAll(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "varnel-bench-list-window";
    std::filesystem::create_directories(folder);
    const auto path = varnel::bench::makeVariedFile(folder, static_cast<int>(state.range(0)));
    varnel::testing::ScriptedDialogs dialogs;
    varnel::testing::ScriptedPrinter printer;
    varnel::testing::FixedClock clock;
    varnel::testing::ScriptedWindowHost host;
    varnel::AppState app(dialogs, printer, clock, folder);
    app.contactFile.open(path);
    {
        varnel::frmViewAll* window = varnel::frmViewAll::open(app, host);
        auto* getReport = window->findChild<QPushButton*>("cmdACGetReport");
        for (auto _ : state) {
            getReport->click();
            QApplication::processEvents();
        }
        delete window;
    }
    app.contactFile.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ListWindowGetReportAll)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

// The contact browser on large files: one step (|< < > >|) and opening the
// drop-down of every contact. The "Rebuilt" and "PlainCombo" cases time the
// way both were done before, for comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "contacts/find_list.h"
#include "contacts/gui/find_list_model.h"
#include "contacts/gui/frmEdDelViewContact.h"
#include "ports/app_state.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_window_host.h"

namespace {

using namespace varnel;

// A contact file of n records, written once per size and kept for the run.
std::filesystem::path contactFile(int n) {
    static std::map<int, std::filesystem::path> made;
    if (auto it = made.find(n); it != made.end()) return it->second;
    const auto folder = std::filesystem::temp_directory_path() / "varnel-bench-browser";
    std::filesystem::create_directories(folder);
    const auto path = folder / ("contacts-" + std::to_string(n) + ".DAT");
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    std::string slice;
    for (int i = 0; i < n; ++i) {
        ContactRecord r;
        r.set(Field::FirstName, "First" + std::to_string((i * 7919) % n));
        r.set(Field::LastName, "Last" + std::to_string(i));
        r.set(Field::City, "Springfield");
        slice.append(r.data(), ContactRecord::Size);
        if (slice.size() >= (1u << 20)) {
            std::fwrite(slice.data(), 1, slice.size(), f);
            slice.clear();
        }
    }
    std::fwrite(slice.data(), 1, slice.size(), f);
    std::fclose(f);
    made[n] = path;
    return path;
}

struct Browser {
    explicit Browser(int n) : state(dialogs, printer, clock, contactFile(n).parent_path()) {
        state.contactFile.open(contactFile(n));
        window = std::make_unique<frmEdDelViewContact>(state, host);
        window->Form_Load();
    }
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock{Date{2026, 5, 5}};
    testing::ScriptedWindowHost host;
    AppState state;
    std::unique_ptr<frmEdDelViewContact> window;
};

void BM_BrowserStep(benchmark::State& s) {
    Browser b(static_cast<int>(s.range(0)));
    auto* next = b.window->findChild<QPushButton*>("cmdNext");
    auto* previous = b.window->findChild<QPushButton*>("cmdPrevious");
    next->click();
    bool forward = true;
    for (auto _ : s) {
        (forward ? next : previous)->click();
        forward = !forward;
    }
}
BENCHMARK(BM_BrowserStep)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// What a step cost when it read the file again for the list.
void BM_BrowserStepRebuilt(benchmark::State& s) {
    Browser b(static_cast<int>(s.range(0)));
    FindListModel model;
    for (auto _ : s) {
        benchmark::DoNotOptimize(b.state.contactFile.readRecord(2));
        model.setEntries(buildFindList(b.state.contactFile));
    }
}
BENCHMARK(BM_BrowserStepRebuilt)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void openAndCloseOnce(QComboBox& combo) {
    combo.showPopup();
    QApplication::processEvents();  // lays out and paints the list
    combo.hidePopup();
    QApplication::processEvents();
}

// The first opening, which lays the list out, is reported as "first_ms".
void openAndClose(benchmark::State& s, QComboBox& combo) {
    const auto start = std::chrono::steady_clock::now();
    openAndCloseOnce(combo);
    s.counters["first_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    for (auto _ : s) openAndCloseOnce(combo);
}

void BM_FindListOpens(benchmark::State& s) {
    Browser b(static_cast<int>(s.range(0)));
    openAndClose(s, *b.window->findChild<QComboBox*>("cboFindContact"));
}
BENCHMARK(BM_FindListOpens)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A plain QComboBox on the same model and view, as the browser had it.
void BM_FindListOpensPlainCombo(benchmark::State& s) {
    Browser b(static_cast<int>(s.range(0)));
    QComboBox combo(b.window.get());
    auto* view = new QListView(&combo);
    view->setUniformItemSizes(true);
    combo.setView(view);
    auto* model = new FindListModel(&combo);
    model->setEntries(buildFindList(b.state.contactFile));
    combo.setModel(model);
    combo.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo.setMinimumContentsLength(30);
    combo.setMaxVisibleItems(20);
    openAndClose(s, combo);
}
BENCHMARK(BM_FindListOpensPlainCombo)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

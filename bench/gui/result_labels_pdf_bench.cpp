// Search-result labels drawn to a PDF file: 3,000 labels (100 sheets) through
// the layout, the renderer and Qt's PDF writer.
#include <benchmark/benchmark.h>

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "listing/result_labels.h"
#include "printing/gui/qt_printer.h"

namespace {

std::vector<varnel::ResultLabel> labels(int count) {
    std::vector<varnel::ResultLabel> out;
    for (int i = 0; i < count; ++i) {
        varnel::ResultLabel l;
        l.name = "Person " + std::to_string(i) + " Q Sample";
        l.company = i % 4 == 0 ? "Deerfield Office Supply" : "";
        l.hasCompany = !l.company.empty();
        l.street = std::to_string(100 + i % 900) + " Maple Grove Avenue ";
        l.city = "Springfield, IL  62704";
        out.push_back(l);
    }
    return out;
}

void BM_SearchResultLabelsToPdf(benchmark::State& state) {
    const auto all = labels(static_cast<int>(state.range(0)));
    const auto path = std::filesystem::temp_directory_path() / "varnel-bench-labels.pdf";
    varnel::ResultLabelRun run;
    for (auto _ : state) {
        varnel::QtPrinter printer;
        printer.printToPdf(QString::fromStdString(path.string()));
        printer.submit(varnel::resultLabelDocument(all, run));
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SearchResultLabelsToPdf)->Arg(3000)->Unit(benchmark::kMillisecond);

}  // namespace

// Laying out printouts: a full 30-label sheet and an 80-label return-address page.
#include <benchmark/benchmark.h>

#include "printing/print_command.h"
#include "printing/return_address.h"

namespace {

varnel::ComposerState fullSheet() {
    varnel::ComposerState s;
    s.lines = {"Christopher J. Montgomery-Ames", "4820 Northwest Deerfield Drive",
               "Building 7, Harbor Point Plaza", "West Saint Paul, MN 55118-2298", ""};
    s.optVRLabel = true;
    s.optPortrait = true;
    s.optVRCenter = true;
    s.PositionEntry = "1-30";
    s.lblVRPosition = "Label Position 1-30";
    return s;
}

void BM_LayOutFullLabelSheet(benchmark::State& state) {
    const varnel::ComposerState start = fullSheet();
    for (auto _ : state) {
        varnel::ComposerState s = start;
        s.StartPosition = "1";
        s.LabelCount = 30;
        s.txtVRLeftPad = "2";
        s.txtVRToppad = "3";
        varnel::Document doc = varnel::printOne(s, {}, {}, "Print to File (PDF)");
        benchmark::DoNotOptimize(doc.placements.data());
    }
}
BENCHMARK(BM_LayOutFullLabelSheet);

void BM_LayOutReturnAddressPage(benchmark::State& state) {
    varnel::ComposerState s;
    s.lines = {"Margaret A. Whitfield", "1234 Maple Grove Avenue", "Springfield, IL  62704", "",
               ""};
    s.optVRLeftjust = true;
    for (auto _ : state) {
        varnel::Document doc = varnel::returnAddressPage(s, {});
        benchmark::DoNotOptimize(doc.placements.data());
    }
}
BENCHMARK(BM_LayOutReturnAddressPage);

}  // namespace

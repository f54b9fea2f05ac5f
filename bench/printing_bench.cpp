// Laying out printouts: a full 30-label sheet and an 80-label return-address page.
#include <benchmark/benchmark.h>

#include "listing/result_labels.h"
#include "printing/print_command.h"
#include "printing/return_address.h"

namespace {

varnel::ComposerModel fullSheet() {
    varnel::ComposerModel s;
    s.lines = {"Christopher J. Montgomery-Ames", "4820 Northwest Deerfield Drive",
               "Building 7, Harbor Point Plaza", "West Saint Paul, MN 55118-2298", ""};
    s.media = varnel::Media::Label;
    s.alignment = varnel::Alignment::Centred;
    s.labelPosition = "1-30";
    s.run = varnel::LabelRun{1, 30, 30};
    s.origin = {2, 3};
    return s;
}

void BM_LayOutFullLabelSheet(benchmark::State& state) {
    const varnel::ComposerModel start = fullSheet();
    for (auto _ : state) {
        varnel::Document doc = varnel::printOne(start, {}, {}, "Print to File (PDF)");
        benchmark::DoNotOptimize(doc.placements.data());
    }
}
BENCHMARK(BM_LayOutFullLabelSheet);

void BM_LayOutReturnAddressPage(benchmark::State& state) {
    varnel::ComposerModel s;
    s.lines = {"Margaret A. Whitfield", "1234 Maple Grove Avenue", "Springfield, IL  62704", "",
               ""};
    for (auto _ : state) {
        varnel::Document doc = varnel::returnAddressPage(s, {});
        benchmark::DoNotOptimize(doc.placements.data());
    }
}
BENCHMARK(BM_LayOutReturnAddressPage);

}  // namespace

namespace {

// 3,000 search-result labels laid out, every street condensed into its label.
void BM_LayOutSearchResultLabels(benchmark::State& state) {
    std::vector<varnel::ResultLabel> labels;
    for (int i = 0; i < 3000; ++i) {
        varnel::ResultLabel l;
        l.name = "Person " + std::to_string(i) + " Q Sample";
        l.company = "Deerfield Office Supply";
        l.hasCompany = i % 4 == 0;
        l.street = "12345 North Martin Luther King Jr Boulevard Apt " + std::to_string(i % 9000);
        l.city = "Springfield, IL  62704";
        labels.push_back(l);
    }
    for (auto _ : state) {
        varnel::Document doc = varnel::resultLabelDocument(labels, varnel::ResultLabelRun{});
        benchmark::DoNotOptimize(doc.placements.data());
    }
    state.SetItemsProcessed(state.iterations() * 3000);
}
BENCHMARK(BM_LayOutSearchResultLabels)->Unit(benchmark::kMillisecond);

}  // namespace

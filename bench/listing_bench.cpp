// The list window's "Get report" over contact files of 100,000 and 1,000,000
// records: line building from the file, then sorting into the list; and a
// click on a column heading.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "listing/contact_list.h"
#include "listing/list_lines.h"
#include "store/contact_file.h"
#include "varied_contacts.h"

namespace {

void atBothSizes(benchmark::internal::Benchmark* b) {
    b->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

class ListFixture : public benchmark::Fixture {
public:
    void SetUp(benchmark::State& state) override {
        folder = std::filesystem::temp_directory_path() / "varnel-bench-list";
        std::filesystem::create_directories(folder);
        file.open(varnel::bench::makeVariedFile(folder, static_cast<int>(state.range(0))));
    }
    void TearDown(benchmark::State&) override {
        file.close();
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder;
    varnel::ContactFile file;
};

// Every contact, street display, last name first: read, build and sort.
BENCHMARK_DEFINE_F(ListFixture, GetReportAll)(benchmark::State& state) {
    varnel::ListQuery query;
    query.nameOrder = 1;
    for (auto _ : state) {
        varnel::ContactList list;
        list.add(varnel::buildListLines(file, query));
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK_REGISTER_F(ListFixture, GetReportAll)->Apply(atBothSizes);

// A city search without regard to case, email display.
BENCHMARK_DEFINE_F(ListFixture, CitySearch)(benchmark::State& state) {
    varnel::ListQuery query;
    query.searchKind = 2;
    query.searchText = "spr";
    query.display = varnel::ListDisplay::Email;
    for (auto _ : state) {
        varnel::ContactList list;
        list.add(varnel::buildListLines(file, query));
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK_REGISTER_F(ListFixture, CitySearch)->Apply(atBothSizes);

// Every contact listed, then a click on the City heading.
BENCHMARK_DEFINE_F(ListFixture, SortByCity)(benchmark::State& state) {
    varnel::ContactList list;
    list.add(varnel::buildListLines(file, varnel::ListQuery{}));
    bool descending = false;
    for (auto _ : state) {
        list.sortBy({2, descending});
        descending = !descending;
        benchmark::DoNotOptimize(list[0].record);
    }
}
BENCHMARK_REGISTER_F(ListFixture, SortByCity)->Apply(atBothSizes);

}  // namespace

namespace {

// Line building alone, from records already read.
BENCHMARK_DEFINE_F(ListFixture, BuildLinesOnly)(benchmark::State& state) {
    std::vector<varnel::ContactRecord> records = file.readAll();
    varnel::ListQuery query;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::buildListLines(records, query));
}
BENCHMARK_REGISTER_F(ListFixture, BuildLinesOnly)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

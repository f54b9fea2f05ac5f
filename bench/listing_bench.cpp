// The list window's "Get report" over a 100,000-record contact file: line
// building from the file, then sorting into the list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "listing/contact_list.h"
#include "listing/list_lines.h"
#include "store/contact_file.h"

namespace {

const char* const kFirst[] = {"John", "mary", "Ann", "Zoe", "Carl", "beth", "Ed", "Ivy"};
const char* const kCity[] = {"Springfield", "Cold Springs", "Austin", "", "Dallas", "Boston"};

std::filesystem::path makeVariedFile(const std::filesystem::path& folder, int records) {
    std::string all;
    all.reserve(static_cast<std::size_t>(records) * 518);
    for (int i = 0; i < records; ++i) {
        varnel::ContactRecord r;
        r.set(varnel::Field::FirstName, kFirst[i % 8]);
        r.set(varnel::Field::MI, i % 3 == 0 ? "Q" : "");
        r.set(varnel::Field::LastName, "Name" + std::to_string((i * 7919) % 100000));
        r.set(varnel::Field::Street1, std::to_string(i % 900 + 1) + " Main Street");
        r.set(varnel::Field::City, kCity[i % 6]);
        r.set(varnel::Field::State, i % 2 ? "CA" : "NY");
        r.set(varnel::Field::Zip, std::to_string(10000 + i % 89999));
        r.set(varnel::Field::HomePhone, i % 4 ? "555-0100" : "(555) 555-0100");
        r.set(varnel::Field::Email, "person" + std::to_string(i) + "@example.com");
        all.append(r.data(), 518);
    }
    auto path = folder / "list.DAT";
    std::ofstream(path, std::ios::binary)
        .write(all.data(), static_cast<std::streamsize>(all.size()));
    return path;
}

class ListFixture : public benchmark::Fixture {
public:
    void SetUp(benchmark::State&) override {
        folder = std::filesystem::temp_directory_path() / "varnel-bench-list";
        std::filesystem::create_directories(folder);
        file.open(makeVariedFile(folder, 100000));
    }
    void TearDown(benchmark::State&) override {
        file.close();
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder;
    varnel::ContactFile file;
};

// Every contact, street display, last name first: read, build and sort.
BENCHMARK_DEFINE_F(ListFixture, GetReportAll100k)(benchmark::State& state) {
    varnel::ListQuery query;
    query.nameOrder = 1;
    for (auto _ : state) {
        varnel::ContactList list;
        list.add(varnel::buildListLines(file, query));
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK_REGISTER_F(ListFixture, GetReportAll100k)->Unit(benchmark::kMillisecond);

// A city search without regard to case, email display.
BENCHMARK_DEFINE_F(ListFixture, CitySearch100k)(benchmark::State& state) {
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
BENCHMARK_REGISTER_F(ListFixture, CitySearch100k)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Line building alone, from records already read.
BENCHMARK_DEFINE_F(ListFixture, BuildLinesOnly100k)(benchmark::State& state) {
    std::vector<varnel::ContactRecord> records = file.readAll();
    varnel::ListQuery query;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::buildListLines(records, query));
}
BENCHMARK_REGISTER_F(ListFixture, BuildLinesOnly100k)->Unit(benchmark::kMillisecond);

}  // namespace

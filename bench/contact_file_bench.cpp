// Whole-file passes over a 100,000-record contact file (51.8 MB).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "store/contact_file.h"

namespace {

std::filesystem::path makeFile(const std::filesystem::path& folder, int records) {
    varnel::ContactRecord r;
    r.set(varnel::Field::FirstName, "Bench");
    r.set(varnel::Field::LastName, "Mark");
    std::string all;
    all.reserve(static_cast<std::size_t>(records) * 518);
    for (int i = 0; i < records; ++i) all.append(r.data(), 518);
    auto path = folder / "bench.DAT";
    std::ofstream(path, std::ios::binary).write(all.data(), static_cast<std::streamsize>(all.size()));
    return path;
}

void BM_Compact100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-compact";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        state.PauseTiming();
        auto path = makeFile(folder, 100000);
        varnel::ContactFile file;
        file.open(path);
        varnel::ContactRecord marked = file.readRecord(50000);
        marked.set(varnel::Field::FirstName, "*DELETED*");
        file.writeRecord(50000, marked);
        state.ResumeTiming();
        varnel::CompactContactFile(file, 100000);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Compact100k)->Unit(benchmark::kMillisecond);

void BM_ReadAll100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-read";
    std::filesystem::create_directories(folder);
    auto path = makeFile(folder, 100000);
    varnel::ContactFile file;
    file.open(path);
    for (auto _ : state) benchmark::DoNotOptimize(file.readAll());
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadAll100k)->Unit(benchmark::kMillisecond);

}  // namespace

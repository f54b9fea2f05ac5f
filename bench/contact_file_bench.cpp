// Whole-file passes over a 100,000-record contact file (51.8 MB).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "store/contact_file.h"
#include "store/contact_file_check.h"

namespace {

std::filesystem::path makeFile(const std::filesystem::path& folder, int records) {
    varnel::ContactRecord r;
    r.set(varnel::Field::FirstName, "Bench");
    r.set(varnel::Field::LastName, "Mark");
    std::string all;
    all.reserve(static_cast<std::size_t>(records) * 518);
    for (int i = 0; i < records; ++i) all.append(r.data(), 518);
    auto path = folder / "bench.DAT";
    std::ofstream(path, std::ios::binary)
        .write(all.data(), static_cast<std::streamsize>(all.size()));
    return path;
}

// A folder of its own for each benchmark, removed afterwards.
struct BenchFolder {
    explicit BenchFolder(const char* name) : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::create_directories(path);
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

// What a deletion is measured against: the same bytes copied to a new file,
// once as a plain copy and once synced to the disk as a deletion's new file is.
void BM_PlainCopy100k(benchmark::State& state) {
    BenchFolder folder("varnel-bench-copy");
    auto path = makeFile(folder.path, 100000);
    const bool synced = state.range(0) != 0;
    for (auto _ : state) {
        auto copy = folder.path / "copy.DAT";
        std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
        if (synced) {
            const int fd = ::open(copy.c_str(), O_RDONLY);
            ::fsync(fd);
            ::close(fd);
        }
    }
}
BENCHMARK(BM_PlainCopy100k)->Arg(0)->Arg(1)->ArgName("synced")->Unit(benchmark::kMillisecond);

// Deleting one record of 100,000: the survivors written to a new file, synced
// and renamed over the old one. Each round deletes one more record.
void BM_Delete100k(benchmark::State& state) {
    BenchFolder folder("varnel-bench-delete");
    varnel::ContactFile file;
    file.open(makeFile(folder.path, 100000 + 1000));
    for (auto _ : state) varnel::deleteRecord(file, 50000);
}
BENCHMARK(BM_Delete100k)->Unit(benchmark::kMillisecond);

// The reminder switch: every record rewritten into a new file.
void BM_ReminderSwitch100k(benchmark::State& state) {
    BenchFolder folder("varnel-bench-switch");
    varnel::ContactFile file;
    file.open(makeFile(folder.path, 100000));
    bool on = false;
    for (auto _ : state) {
        on = !on;
        file.rewriteAll(
            [on](varnel::ContactRecord& r) { r.set(varnel::Field::BdayReminder, on ? "1" : "0"); });
    }
}
BENCHMARK(BM_ReminderSwitch100k)->Unit(benchmark::kMillisecond);

// The check every open runs before the file is used.
void BM_OpenCheck100k(benchmark::State& state) {
    BenchFolder folder("varnel-bench-check");
    varnel::ContactFile file;
    file.open(makeFile(folder.path, 100000));
    for (auto _ : state) benchmark::DoNotOptimize(varnel::checkContactFile(file));
}
BENCHMARK(BM_OpenCheck100k)->Unit(benchmark::kMillisecond);

void BM_ReadAll100k(benchmark::State& state) {
    BenchFolder folder("varnel-bench-read");
    varnel::ContactFile file;
    file.open(makeFile(folder.path, 100000));
    for (auto _ : state) benchmark::DoNotOptimize(file.readAll());
}
BENCHMARK(BM_ReadAll100k)->Unit(benchmark::kMillisecond);

}  // namespace

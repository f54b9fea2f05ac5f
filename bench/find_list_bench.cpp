// Filling the contact browser's find list from a 100,000-record contact file,
// and moving one saved entry in a list of a million.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "contacts/find_list.h"
#include "store/contact_file.h"

namespace {

std::filesystem::path makeNamedFile(const std::filesystem::path& folder, int records) {
    std::string all;
    all.reserve(static_cast<std::size_t>(records) * varnel::ContactRecord::Size);
    std::uint32_t seed = 12345;
    for (int i = 0; i < records; ++i) {
        varnel::ContactRecord r;
        std::string first, last;
        for (int c = 0; c < 7; ++c) {
            seed = seed * 1103515245u + 12345u;
            first += static_cast<char>((c == 0 ? 'A' : 'a') + (seed >> 16) % 26);
            last += static_cast<char>((c == 0 ? 'A' : 'a') + (seed >> 8) % 26);
        }
        r.set(varnel::Field::FirstName, first);
        r.set(varnel::Field::MI, i % 3 == 0 ? "Q" : "");
        r.set(varnel::Field::LastName, last);
        all.append(r.data(), varnel::ContactRecord::Size);
    }
    auto path = folder / "find.DAT";
    std::ofstream(path, std::ios::binary)
        .write(all.data(), static_cast<std::streamsize>(all.size()));
    return path;
}

void BM_FindList100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-findlist";
    std::filesystem::create_directories(folder);
    varnel::ContactFile file;
    file.open(makeNamedFile(folder, 100000));
    for (auto _ : state) benchmark::DoNotOptimize(varnel::buildFindList(file));
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FindList100k)->Unit(benchmark::kMillisecond);

// A saved contact's entry moved to its new place in a list of a million.
void BM_FindEntryReplaced(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-findentry";
    std::filesystem::create_directories(folder);
    varnel::ContactFile file;
    file.open(makeNamedFile(folder, 1'000'000));
    std::vector<varnel::FindEntry> list = varnel::buildFindList(file);
    bool early = true;
    for (auto _ : state) {
        varnel::replaceFindEntry(list, {early ? "Aaron  Able" : "Zora  Zed", 500'000});
        early = !early;
    }
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FindEntryReplaced)->Unit(benchmark::kMillisecond);

}  // namespace

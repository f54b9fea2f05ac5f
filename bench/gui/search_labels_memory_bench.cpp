// Labels for a 40,000-contact search in a 1,000,000-record contact file, to
// PDF: the process's peak resident memory is reported as "peak_MB". Run it
// alone (--benchmark_filter=SearchLabelsOfAMillion) so that no other
// benchmark's peak is counted.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QString>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "listing/contact_list.h"
#include "listing/list_lines.h"
#include "listing/result_labels.h"
#include "printing/gui/qt_printer.h"
#include "store/contact_file.h"

namespace {

constexpr int kRecords = 1'000'000;
constexpr int kEvery = 25;  // one contact in 25 lives in the searched city: 40,000

// Written in slices, so that making the file does not raise the peak.
void writeContacts(const std::filesystem::path& path) {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    std::string slice;
    for (int i = 0; i < kRecords; ++i) {
        varnel::ContactRecord r;
        r.set(varnel::Field::FirstName, "Person" + std::to_string(i));
        r.set(varnel::Field::LastName, "Sample");
        r.set(varnel::Field::Street1, std::to_string(i % 900 + 1) + " Maple Grove Avenue");
        r.set(varnel::Field::City, i % kEvery == 0 ? "Deerfield" : "Springfield");
        r.set(varnel::Field::State, "IL");
        r.set(varnel::Field::Zip, "62704");
        slice.append(r.data(), varnel::ContactRecord::Size);
        if (slice.size() >= (1u << 20)) {
            std::fwrite(slice.data(), 1, slice.size(), f);
            slice.clear();
        }
    }
    std::fwrite(slice.data(), 1, slice.size(), f);
    std::fclose(f);
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_SearchLabelsOfAMillionRecordFile(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "varnel-bench-million";
    std::filesystem::create_directories(folder);
    const auto path = folder / "million.DAT";
    writeContacts(path);
    varnel::ContactFile file;
    file.open(path);
    std::size_t labels = 0;
    for (auto _ : state) {
        varnel::ContactList list;
        list.add(varnel::buildListLines(
            file, varnel::ListQuery{2, "Deerfield", 0, varnel::ListDisplay::Street}));
        const std::vector<varnel::ResultLabel> found = varnel::listedLabels(list, file);
        labels = found.size();
        varnel::QtPrinter printer;
        printer.printToPdf(QString::fromStdString((folder / "labels.pdf").string()));
        printer.submit(varnel::resultLabelDocument(found, varnel::ResultLabelRun{}));
    }
    file.close();
    std::filesystem::remove_all(folder);
    state.counters["labels"] = static_cast<double>(labels);
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_SearchLabelsOfAMillionRecordFile)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

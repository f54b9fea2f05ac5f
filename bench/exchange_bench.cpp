// The CSV import into a large contact file and the export of one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "exchange/contact_export.h"
#include "exchange/import_boxes.h"

namespace {

// Answers every box with its first button and shows nothing.
class SilentDialogs : public varnel::Dialogs {
public:
    varnel::Answer messageBox(const std::string&, const std::string&, varnel::Icon,
                              varnel::Buttons) override {
        return varnel::Answer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void beep() override {}
    varnel::FileDialogResult openFileDialog(const varnel::FileDialogRequest&) override {
        return {};
    }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    bool shellOpen(const std::string&) override { return true; }
    void saveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {}
    std::string getSetting(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void setBusy(bool) override {}
};

// Names built from syllables, so they spread over many different pieces.
std::string name(std::mt19937& random, int syllables) {
    static const char* const kSyllables[] = {"an",  "bel", "cor", "da", "el",  "fin", "gar", "ho",
                                             "is",  "jen", "ka",  "lo", "mar", "ne",  "os",  "pa",
                                             "qui", "ro",  "sa",  "ty", "ul",  "ver", "wen", "zo"};
    std::string n;
    for (int i = 0; i < syllables; ++i) n += kSyllables[random() % 24];
    n[0] = static_cast<char>(n[0] - 'a' + 'A');
    return n;
}

std::filesystem::path makeContactFile(const std::filesystem::path& folder, int count) {
    std::mt19937 random(1);
    std::string all;
    all.reserve(static_cast<std::size_t>(count) * 518);
    for (int i = 0; i < count; ++i) {
        varnel::ContactRecord r;
        r.set(varnel::Field::FirstName, name(random, 2));
        r.set(varnel::Field::LastName, name(random, 3));
        r.set(varnel::Field::Street1, std::to_string(i % 900 + 10) + " Main Street");
        r.set(varnel::Field::City, "Springfield");
        r.set(varnel::Field::State, "IL");
        r.set(varnel::Field::Zip, "62704");
        r.set(varnel::Field::HomePhone, "217-555-" + std::to_string(1000 + i % 9000));
        if (i % 5) r.set(varnel::Field::Email, "contact" + std::to_string(i) + "@mail.com");
        r.set(varnel::Field::Birthdate, "19700101");
        r.set(varnel::Field::Notes, "Christmas card list");
        r.set(varnel::Field::IncludeCompany, "0");
        r.set(varnel::Field::BdayReminder, "1");
        all.append(r.data(), 518);
    }
    auto path = folder / "VRN_Contacts.DAT";
    std::ofstream(path, std::ios::binary)
        .write(all.data(), static_cast<std::streamsize>(all.size()));
    return path;
}

// 10,000 lines of the program's own export, a quarter of them already on file.
std::filesystem::path makeCsv(const std::filesystem::path& folder) {
    std::mt19937 random(2);
    std::string csv =
        "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company "
        "in Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\r\n";
    for (int i = 0; i < 10000; ++i) {
        std::string email = i % 4 == 0 ? "contact" + std::to_string(i * 9 + 1) + "@mail.com"
                                       : "new" + std::to_string(i) + "@mail.net";
        csv += name(random, 2) + ",Q," + name(random, 3) +
               ",12 Oak Street,,Austin,TX,78701,USA,,0,512-555-1234,,," + email +
               ",04-10-1980,Friends,\r\n";
    }
    auto path = folder / "import.csv";
    std::ofstream(path, std::ios::binary)
        .write(csv.data(), static_cast<std::streamsize>(csv.size()));
    return path;
}

void BM_Import10kLinesInto100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-import";
    std::filesystem::create_directories(folder);
    auto csv = makeCsv(folder);
    SilentDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        auto path = makeContactFile(folder, 100000);
        varnel::ContactFile file;
        file.open(path);
        state.ResumeTiming();
        auto result = varnel::importContactsFile(file, csv, true, dialogs);
        benchmark::DoNotOptimize(result);
        state.counters["appended"] = result.appended;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Import10kLinesInto100k)->Unit(benchmark::kMillisecond);

void BM_Export100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-export";
    std::filesystem::create_directories(folder);
    auto path = makeContactFile(folder, 100000);
    varnel::ContactFile file;
    file.open(path);
    SilentDialogs dialogs;
    for (auto _ : state) {
        auto result =
            varnel::exportContacts(file, path, folder, varnel::ExportFormat::Csv, dialogs);
        benchmark::DoNotOptimize(result);
    }
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Export100k)->Unit(benchmark::kMillisecond);

}  // namespace

// The import of CSV and vCard files into a large contact file, the export of
// one in every format and encoding, and the command line's table of it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "exchange/contact_export.h"
#include "exchange/import_boxes.h"
#include "listing/contact_table.h"

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
        // Every third contact has an accent, so an UTF-8 export has characters to convert.
        r.set(varnel::Field::City, i % 3 ? "Springfield" : "Z\xFCrich");
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

// 10,000 contacts of a Google Contacts export, read by the names of its columns.
std::filesystem::path makeGoogleCsv(const std::filesystem::path& folder) {
    std::mt19937 random(3);
    std::string csv =
        "First Name,Middle Name,Last Name,Organization Name,Birthday,Notes,Labels,"
        "E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,Address 1 - Label,"
        "Address 1 - Street,Address 1 - City,Address 1 - Region,Address 1 - Postal Code,"
        "Address 1 - Country\r\n";
    for (int i = 0; i < 10000; ++i) {
        csv += name(random, 2) + ",," + name(random, 3) +
               ",\"Acme, Inc.\",1980-04-10,\"Met at "
               "the fair\nLikes tea\",* myContacts ::: Friends,Home,g" +
               std::to_string(i) +
               "@mail.net,Mobile,512-555-1234,Home,\"12 Oak St\nApt 4\",Austin,TX,78701,USA\r\n";
    }
    auto path = folder / "google.csv";
    std::ofstream(path, std::ios::binary)
        .write(csv.data(), static_cast<std::streamsize>(csv.size()));
    return path;
}

// 10,000 vCards 3.0 as a phone writes them, each with a small picture.
std::filesystem::path makeVCards(const std::filesystem::path& folder) {
    std::mt19937 random(4);
    std::string text;
    const std::string picture = "PHOTO;ENCODING=b;TYPE=JPEG:" + std::string(70, 'A') + "\r\n";
    std::string folded;
    for (int k = 0; k < 20; ++k) folded += " " + std::string(74, 'B') + "\r\n";
    for (int i = 0; i < 10000; ++i) {
        const std::string first = name(random, 2), last = name(random, 3);
        text += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + last + ";" + first + ";;;\r\nFN:" + first +
                " " + last + "\r\nORG:Acme\\, Inc.\r\nEMAIL;type=INTERNET;type=pref:v" +
                std::to_string(i) +
                "@mail.net\r\nTEL;type=CELL:512-555-1234\r\n"
                "item1.ADR;type=HOME:;;12 Oak St;Austin;TX;78701;USA\r\nBDAY:1980-04-10\r\n"
                "NOTE:Met at the fair\\nLikes tea\r\n" +
                picture + folded + "END:VCARD\r\n";
    }
    auto path = folder / "cards.vcf";
    std::ofstream(path, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
    return path;
}

void importInto100k(benchmark::State& state, const char* folderName,
                    std::filesystem::path (*make)(const std::filesystem::path&)) {
    auto folder = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::create_directories(folder);
    auto source = make(folder);
    SilentDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        auto path = makeContactFile(folder, 100000);
        varnel::ContactFile file;
        file.open(path);
        state.ResumeTiming();
        auto result = varnel::importContactsFile(file, source, true, dialogs);
        benchmark::DoNotOptimize(result);
        state.counters["appended"] = result.appended;
    }
    std::filesystem::remove_all(folder);
}

void BM_Import10kLinesInto100k(benchmark::State& state) {
    importInto100k(state, "varnel-bench-import", makeCsv);
}
BENCHMARK(BM_Import10kLinesInto100k)->Unit(benchmark::kMillisecond);

void BM_Import10kGoogleLinesInto100k(benchmark::State& state) {
    importInto100k(state, "varnel-bench-google", makeGoogleCsv);
}
BENCHMARK(BM_Import10kGoogleLinesInto100k)->Unit(benchmark::kMillisecond);

void BM_Import10kVCardsInto100k(benchmark::State& state) {
    importInto100k(state, "varnel-bench-vcard", makeVCards);
}
BENCHMARK(BM_Import10kVCardsInto100k)->Unit(benchmark::kMillisecond);

// Arguments: format (0 CSV, 1 text, 2 vCard) and encoding (0 Windows-1252, 2 UTF-8 with mark).
void BM_Export100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-export";
    std::filesystem::create_directories(folder);
    auto path = makeContactFile(folder, 100000);
    varnel::ContactFile file;
    file.open(path);
    SilentDialogs dialogs;
    const auto format = static_cast<varnel::ExportFormat>(state.range(0));
    const auto encoding = static_cast<varnel::ExportEncoding>(state.range(1));
    for (auto _ : state) {
        auto result = varnel::exportContacts(file, path, folder, format, dialogs, encoding);
        benchmark::DoNotOptimize(result);
    }
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Export100k)
    ->Args({0, 0})
    ->Args({0, 2})
    ->Args({1, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond);

// What `varnel list` prints for a file of 100,000 contacts.
void BM_List100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-list";
    std::filesystem::create_directories(folder);
    auto path = makeContactFile(folder, 100000);
    varnel::ContactFile file;
    file.open(path);
    varnel::ListQuery query;
    query.nameOrder = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        std::string table = varnel::contactTable(file, query, state.range(1) != 0);
        benchmark::DoNotOptimize(table);
    }
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_List100k)->Args({0, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

}  // namespace

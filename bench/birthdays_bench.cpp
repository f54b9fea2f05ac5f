// The birthday check after opening a 100,000-record contact file, without the boxes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "birthdays/birthday_list.h"
#include "birthdays/reminders.h"

namespace {

class SilentDialogs : public varnel::Dialogs {
public:
    varnel::Answer messageBox(const std::string&, const std::string&, varnel::Icon,
                              varnel::Buttons) override {
        ++boxes;
        return varnel::Answer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return answer;
    }
    void beep() override {}
    varnel::FileDialogResult openFileDialog(const varnel::FileDialogRequest&) override {
        return {};
    }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    bool shellOpen(const std::string&) override { return false; }
    void saveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {}
    std::string getSetting(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void setBusy(bool) override {}

    std::string answer;
    long boxes = 0;
};

class BenchClock : public varnel::Clock {
public:
    varnel::Date today() const override { return {2026, 5, 5}; }
};

// Birthdates spread over the whole year, so a few hundred contacts fall in
// the coming week and every record takes the full path through the check.
std::filesystem::path makeFile(const std::filesystem::path& folder, int records,
                               int duePerHundred = -1) {
    std::string all;
    all.reserve(static_cast<std::size_t>(records) * varnel::ContactRecord::Size);
    for (int i = 0; i < records; ++i) {
        varnel::ContactRecord r;
        r.set(varnel::Field::FirstName, "Bench" + std::to_string(i));
        r.set(varnel::Field::LastName, "Mark");
        char date[16];
        if (duePerHundred < 0) {
            std::snprintf(date, sizeof date, "19%02d%02d%02d", i % 100, i % 12 + 1, i % 28 + 1);
        } else {
            // Due three days ahead, or in October, far from the coming week.
            const bool due = i % 100 < duePerHundred;
            std::snprintf(date, sizeof date, "19%02d%02d%02d", i % 100, due ? 5 : 10, due ? 8 : 20);
        }
        r.set(varnel::Field::Birthdate, date);
        r.set(varnel::Field::BdayReminder, "1");
        all.append(r.data(), varnel::ContactRecord::Size);
    }
    auto path = folder / "bench.DAT";
    std::ofstream(path, std::ios::binary)
        .write(all.data(), static_cast<std::streamsize>(all.size()));
    return path;
}

// The check over 100,000 contacts; `boxes` counts the boxes one check shows.
void checkBirthdays100k(benchmark::State& state, int duePerHundred) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-birthdays";
    std::filesystem::create_directories(folder);
    varnel::ContactFile file;
    file.open(makeFile(folder, 100000, duePerHundred));
    SilentDialogs dialogs;
    BenchClock clock;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::CheckBirthdays(file, dialogs, clock));
    state.counters["boxes"] = static_cast<double>(dialogs.boxes) / state.iterations();
    file.close();
    std::filesystem::remove_all(folder);
}

void BM_CheckBirthdays100k(benchmark::State& state) { checkBirthdays100k(state, -1); }
BENCHMARK(BM_CheckBirthdays100k)->Unit(benchmark::kMillisecond);

// 1% of 100,000 contacts due in the coming week: 1,000 reminders, one box.
void BM_CheckBirthdaysOnePercentDue100k(benchmark::State& state) { checkBirthdays100k(state, 1); }
BENCHMARK(BM_CheckBirthdaysOnePercentDue100k)->Unit(benchmark::kMillisecond);

void BM_ViewBirthdays100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-birthday-list";
    std::filesystem::create_directories(folder);
    varnel::ContactFile file;
    file.open(makeFile(folder, 100000));
    SilentDialogs dialogs;
    dialogs.answer = "5";
    BenchClock clock;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::ViewBirthdays(file, dialogs, clock));
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ViewBirthdays100k)->Unit(benchmark::kMillisecond);

void BM_DisableReminders100k(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "varnel-bench-reminder-switch";
    std::filesystem::create_directories(folder);
    varnel::ContactFile file;
    file.open(makeFile(folder, 100000));
    SilentDialogs dialogs;
    bool on = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(on ? varnel::EnableBirthdayReminders(file, dialogs)
                                    : varnel::DisableBirthdayReminders(file, dialogs));
        on = !on;
    }
    file.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DisableReminders100k)->Unit(benchmark::kMillisecond);

}  // namespace

#pragma once
// Helpers shared by the fuzz targets: the input cut into pieces, and dialogs
// that answer from them.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ports/dialogs.h"

namespace varnel::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The text cut at every `separator`, at most `most` pieces (the last keeps the rest).
inline std::vector<std::string> pieces(std::string_view text, char separator, std::size_t most) {
    std::vector<std::string> out;
    while (out.size() + 1 < most) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) break;
        out.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    out.emplace_back(text);
    return out;
}

// Answers input boxes from a queue, then with Cancel; every other box is OK.
class FuzzDialogs : public Dialogs {
public:
    explicit FuzzDialogs(std::vector<std::string> answers)
        : answers_(answers.begin(), answers.end()) {}

    Answer messageBox(const std::string&, const std::string&, Icon, Buttons) override {
        ++boxes;
        return Answer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        // A dialogue that never accepts anything would ask for ever.
        if (++inputs > 1000) std::abort();
        if (answers_.empty()) return "";
        std::string a = std::move(answers_.front());
        answers_.pop_front();
        return a;
    }
    void beep() override {}
    FileDialogResult openFileDialog(const FileDialogRequest&) override { return {}; }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    bool shellOpen(const std::string&) override { return false; }
    void saveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {}
    std::string getSetting(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void setBusy(bool) override {}

    int boxes = 0;
    int inputs = 0;

private:
    std::deque<std::string> answers_;
};

// A folder of this process for the files a target writes, removed at exit:
// memory-backed where there is one, since every durable write syncs.
inline const std::filesystem::path& scratchFolder() {
    struct Folder {
        Folder() {
            std::error_code ec;
            const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                                   ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path();
            path = base / ("varnel-fuzz-" + std::to_string(::getpid()));
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
        std::filesystem::path path;
    };
    static const Folder folder;
    return folder.path;
}

// Stops the run when a property the code promises does not hold.
inline void require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace varnel::fuzz

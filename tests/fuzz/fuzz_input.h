#pragma once
// Helpers shared by the fuzz targets: the input cut into pieces, and dialogs
// that answer from them.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/scripted_dialogs.h"

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

// Answers input boxes from the given answers, then with Cancel; every other
// box with its first button.
class FuzzDialogs : public testing::ScriptedDialogs {
public:
    explicit FuzzDialogs(const std::vector<std::string>& answers) {
        for (const std::string& a : answers) queueInput(a);
    }
    std::string inputBox(const std::string& title, const std::string& prompt,
                         const std::string& preset) override {
        // A dialogue that never accepts anything would ask for ever.
        if (++inputs_ > 1000) std::abort();
        log.clear();
        return ScriptedDialogs::inputBox(title, prompt, preset);
    }

private:
    int inputs_ = 0;
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

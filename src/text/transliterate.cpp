#include "text/transliterate.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>
#include <mutex>

namespace varnel {

namespace {

// Building a transliterator compiles its rules, which takes milliseconds:
// one is made on first use and kept for the run.
class LatinTransliterator {
public:
    static LatinTransliterator& instance() {
        static LatinTransliterator one;
        return one;
    }

    std::string apply(std::string_view utf8) {
        icu::UnicodeString text = icu::UnicodeString::fromUTF8(
            icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (rules_) rules_->transliterate(text);
        }
        std::string out;
        text.toUTF8String(out);
        return out;
    }

private:
    LatinTransliterator() {
        UErrorCode status = U_ZERO_ERROR;
        rules_.reset(
            icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        if (U_FAILURE(status)) rules_.reset();
    }

    std::mutex mutex_;
    std::unique_ptr<icu::Transliterator> rules_;
};

}  // namespace

std::string transliterateToLatin(std::string_view utf8) {
    return LatinTransliterator::instance().apply(utf8);
}

}  // namespace varnel

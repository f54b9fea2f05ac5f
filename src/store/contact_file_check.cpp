#include "store/contact_file_check.h"

#include <algorithm>
#include <array>
#include <utility>

namespace varnel {

namespace {

constexpr std::size_t kSeparators = kFieldCount - 1;
constexpr std::size_t kLineEndPlace = kSeparators;
constexpr std::size_t kLineEndAt = ContactRecord::Size - 2;
// The first separator: a record shorter than this shows nothing to recognise.
constexpr std::uint32_t kShortestRecognisable = 15;

std::array<std::size_t, kSeparators> separatorOffsets() {
    std::array<std::size_t, kSeparators> at{};
    for (std::size_t i = 0; i < kSeparators; ++i) {
        const FieldLayout l = layoutOf(static_cast<Field>(i));
        at[i] = l.offset + l.width;
    }
    return at;
}

const std::array<std::size_t, kSeparators> kSeparatorAt = separatorOffsets();

std::uint32_t misplacedPlaces(const char* data, std::uint32_t length) {
    std::uint32_t misplaced = 0;
    for (std::size_t i = 0; i < kSeparators; ++i) {
        if (kSeparatorAt[i] < length && data[kSeparatorAt[i]] != '|') misplaced |= 1u << i;
    }
    if ((length > kLineEndAt && data[kLineEndAt] != '\r') ||
        (length > kLineEndAt + 1 && data[kLineEndAt + 1] != '\n')) {
        misplaced |= 1u << kLineEndPlace;
    }
    return misplaced;
}

}  // namespace

void ContactFileChecker::checkRecord(const char* data, std::uint32_t length) {
    ++check_.records;
    const std::uint32_t misplaced = misplacedPlaces(data, length);
    if (misplaced != 0) ++misplacedRecords_;
    if (check_.records == 1 && (misplaced != 0 || length < kShortestRecognisable)) {
        check_.contactFile = false;
    }
    if (misplaced != 0 || length < ContactRecord::Size) {
        check_.damaged.push_back({check_.records, length, misplaced});
    }
}

void ContactFileChecker::feed(std::string_view bytes) {
    check_.length += bytes.size();
    if (!pending_.empty()) {
        const std::size_t take = std::min(bytes.size(), ContactRecord::Size - pending_.size());
        pending_.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (pending_.size() < ContactRecord::Size) return;
        checkRecord(pending_.data(), ContactRecord::Size);
        pending_.clear();
    }
    while (bytes.size() >= ContactRecord::Size) {
        checkRecord(bytes.data(), ContactRecord::Size);
        bytes.remove_prefix(ContactRecord::Size);
    }
    pending_.assign(bytes);
}

ContactFileCheck ContactFileChecker::finish() {
    if (!pending_.empty()) {
        checkRecord(pending_.data(), static_cast<std::uint32_t>(pending_.size()));
        pending_.clear();
    }
    if (misplacedRecords_ * 2 > check_.records) check_.contactFile = false;
    return std::move(check_);
}

ContactFileCheck checkContactFile(const ContactFile& file) {
    ContactFileChecker checker;
    file.forEachChunk([&](std::string_view bytes, std::uint64_t) { checker.feed(bytes); });
    return checker.finish();
}

ContactFileCheck checkContactBytes(std::string_view bytes) {
    ContactFileChecker checker;
    checker.feed(bytes);
    return checker.finish();
}

std::string describeDamage(const RecordDamage& damage) {
    std::string text = "record " + std::to_string(damage.record) + ":";
    const char* joiner = " ";
    if (damage.length < ContactRecord::Size) {
        text += " cut off after " + std::to_string(damage.length) + " of 518 bytes";
        joiner = "; ";
    }
    std::string separators;
    for (std::size_t i = 0; i < kSeparators; ++i) {
        if (!(damage.misplaced & (1u << i))) continue;
        separators += separators.empty() ? "" : ", ";
        separators += std::to_string(kSeparatorAt[i]);
    }
    if (!separators.empty()) {
        text += joiner + std::string("no \"|\" at byte ") + separators;
        joiner = "; ";
    }
    if (damage.misplaced & (1u << kLineEndPlace)) {
        text += joiner + std::string("no CR LF at byte ") + std::to_string(kLineEndAt);
    }
    return text;
}

}  // namespace varnel

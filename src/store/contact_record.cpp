#include "store/contact_record.h"

#include <algorithm>
#include <cstring>

#include "text/strings.h"

namespace varnel {

namespace {
constexpr std::array<FieldLayout, kFieldCount> kLayout = {{
    {0, 14},     // FirstName
    {15, 1},     // MI
    {17, 18},    // LastName
    {36, 30},    // Street1
    {67, 15},    // Street2
    {83, 16},    // City
    {100, 2},    // State
    {103, 10},   // Zip
    {114, 19},   // Country
    {134, 15},   // HomePhone
    {150, 15},   // CellPhone
    {166, 13},   // WorkPhone
    {180, 50},   // Email
    {231, 8},    // Birthdate
    {240, 80},   // Category
    {321, 160},  // Notes
    {482, 30},   // Company
    {513, 1},    // IncludeCompany
    {515, 1},    // BdayReminder
}};
}  // namespace

FieldLayout layoutOf(Field field) { return kLayout[static_cast<std::size_t>(field)]; }

ContactRecord::ContactRecord() {
    bytes_.fill(' ');
    // Separators follow every field except the last one, which is followed by CR LF.
    for (std::size_t i = 0; i + 1 < kFieldCount; ++i) {
        bytes_[kLayout[i].offset + kLayout[i].width] = '|';
    }
    bytes_[516] = '\r';
    bytes_[517] = '\n';
}

ContactRecord ContactRecord::fromBytes(const char* data, std::size_t size) {
    ContactRecord record;
    record.bytes_.fill(' ');
    std::memcpy(record.bytes_.data(), data, std::min(size, Size));
    return record;
}

std::string_view ContactRecord::raw(Field field) const {
    FieldLayout l = layoutOf(field);
    return std::string_view(bytes_.data() + l.offset, l.width);
}

std::string ContactRecord::get(Field field) const { return std::string(trimSpaces(raw(field))); }

void ContactRecord::set(Field field, std::string_view value) {
    FieldLayout l = layoutOf(field);
    std::string stored = padRight(trimLeadingSpaces(value), l.width);
    std::memcpy(bytes_.data() + l.offset, stored.data(), l.width);
}

bool ContactRecord::isDeleted() const { return startsWith(raw(Field::FirstName), DeletedMarker); }

}  // namespace varnel

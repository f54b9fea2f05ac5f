#pragma once
// One contact: 518 bytes of fixed-width Windows-1252 fields, "|" between
// them and CR LF at the end, exactly as the contact file holds it.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

enum class Field {
    FirstName,
    MI,
    LastName,
    Street1,
    Street2,
    City,
    State,
    Zip,
    Country,
    HomePhone,
    CellPhone,
    WorkPhone,
    Email,
    Birthdate,
    Category,
    Notes,
    Company,
    IncludeCompany,
    BdayReminder,
};

constexpr std::size_t kFieldCount = 19;

struct FieldLayout {
    std::size_t offset;
    std::size_t width;
};

FieldLayout layoutOf(Field field);

class ContactRecord {
public:
    static constexpr std::size_t Size = 518;
    static constexpr std::string_view DeletedMarker = "*DELETED*";

    // A fresh record: every field blank, all separators "|", CR LF at the end.
    ContactRecord();

    // The record exactly as stored; `size` bytes are copied and the rest is blank.
    static ContactRecord fromBytes(const char* data, std::size_t size = Size);

    // The field as stored, trailing blanks included.
    std::string_view raw(Field field) const;
    // The field as readers use it: leading and trailing spaces removed.
    std::string get(Field field) const;
    // Stores a value: leading spaces removed, cut to the width, space-filled.
    void set(Field field, std::string_view value);

    bool isDeleted() const;

    const std::array<char, Size>& bytes() const { return bytes_; }
    const char* data() const { return bytes_.data(); }

    friend bool operator==(const ContactRecord&, const ContactRecord&) = default;

private:
    std::array<char, Size> bytes_;
};

}  // namespace varnel

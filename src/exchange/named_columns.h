#pragma once
// Reading a CSV file by the names of its columns, whatever their order: the
// header names that address books and e-mail services write for each field
// (Google Contacts old and new, Outlook, Outlook.com, Thunderbird, Yahoo, a
// plain name-and-e-mail list, this program's own export).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/contact_parts.h"

namespace varnel {

class NamedColumns {
public:
    explicit NamedColumns(const std::vector<std::string>& header);

    // A column names a first, last or whole name, or an e-mail address.
    bool compatible() const { return compatible_; }

    ContactParts read(const std::vector<std::string>& fields) const;

    enum class Role {
        None,
        First,
        Middle,
        Last,
        FullName,
        Email,
        HomePhone,
        CellPhone,
        WorkPhone,
        OtherPhone,
        Company,
        Birthday,
        BirthYear,
        BirthMonth,
        BirthDay,
        Categories,
        Notes,
        Street,
        Street2,
        Street3,
        City,
        State,
        Zip,
        Country,
        PhoneLabel,    // "Phone 1 - Label": the kind of the group's number
        PhoneValue,    // "Phone 1 - Value"
        AddressLabel,  // "Address 1 - Label": the kind of the group's address
    };
    enum class Place { None, Home, Work, Other, Labelled };

    struct Column {
        Role role = Role::None;
        Place place = Place::None;
        int group = 0;  // the number of a "Phone 1 - ..." or "Address 1 - ..." group
        std::size_t index = 0;
    };
    // What a header name stands for.
    static Column roleOf(std::string_view headerName);

private:
    std::vector<Column> columns_;
    bool compatible_ = false;
};

}  // namespace varnel

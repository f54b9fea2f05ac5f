#pragma once
// The working values of one imported contact: Windows-1252 text per record
// field, and what was rewritten to fit the code page.
#include <array>
#include <string>
#include <string_view>

#include "store/contact_record.h"

namespace varnel {

class ImportValues {
public:
    std::string& operator[](Field f) { return values_[index(f)]; }
    const std::string& operator[](Field f) const { return values_[index(f)]; }

    // Stores UTF-8 text from the import file in the code page; a name that
    // needed other letters keeps its original for the report.
    void assign(Field f, std::string_view utf8);

    bool namesTransliterated() const { return !originalName_.empty(); }
    // "Łukasz Dvořák": first and last name as the file wrote them (UTF-8).
    const std::string& originalName() const { return originalName_; }

private:
    static std::size_t index(Field f) { return static_cast<std::size_t>(f); }

    std::array<std::string, kFieldCount - 1> values_;
    std::array<std::string, 2> originals_;  // first and last name as written
    std::string originalName_;
};

}  // namespace varnel

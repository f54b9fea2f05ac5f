#pragma once
// The name and city lines of a contact's address, as every printout, label
// and list of the program writes them. Callers pass trimmed pieces.
#include <string>
#include <string_view>

namespace varnel {

// What stands between first and last name when there is no middle initial.
enum class MissingInitial {
    TwoBlanks,  // "John  Smith": first + " " + MI + " " + last, as the find list shows it
    OneBlank,   // "John Smith"
};

// "First MI Last"
std::string nameLine(std::string_view first, std::string_view mi, std::string_view last,
                     MissingInitial gap = MissingInitial::TwoBlanks);

// "City, ST  ZIP": a comma and one blank after the city, two blanks before the ZIP code.
std::string cityLine(std::string_view city, std::string_view state, std::string_view zip);

}  // namespace varnel

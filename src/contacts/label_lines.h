#pragma once
// A new contact from the address typed into the composer: name, street,
// city, state and ZIP code cut out of the label lines by fixed text rules.
#include <array>
#include <optional>
#include <string>

namespace varnel {

struct LabelLineContact {
    // Boxes the rules reached; the others stay as the new-contact form holds them.
    std::optional<std::string> firstName;
    std::optional<std::string> middleInitial;
    std::optional<std::string> lastName;
    std::optional<std::string> street1;
    std::optional<std::string> street2;
    std::optional<std::string> city;
    std::optional<std::string> state;
    std::optional<std::string> zip;
};

struct LabelLineResult {
    // Line 1 holds no space: the command beeps, shows the message and opens no form.
    bool refused = false;
    LabelLineContact contact;
};

constexpr const char* kLineOneNoSpaceTitle = "Incorrect entry";
constexpr const char* kLineOneNoSpaceText = "Line 1 must contain a space.";

// The composer's five lines (Windows-1252); line 5 only counts for "all empty".
LabelLineResult contactFromLabelLines(const std::array<std::string, 5>& lines);

// The pieces on their own, for the rules that are easier to see alone.
struct NameParts {
    std::string first;
    std::optional<std::string> middle;  // nullopt when no initial was found
    std::string last;
};
NameParts splitNameLine(const std::string& line1);

// The first street line cut after its street-type word (dots already removed).
std::string cutStreetLine(const std::string& streetWithoutDots);

struct CityLine {
    std::optional<std::string> city, state, zip;
};
CityLine splitCityLine(const std::string& line);

}  // namespace varnel

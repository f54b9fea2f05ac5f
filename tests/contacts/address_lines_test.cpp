#include "contacts/address_lines.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(AddressLines, NameAndCityLines) {
    struct Case {
        std::string first, mi, last;
        MissingInitial gap;
        std::string name;
    };
    const Case cases[] = {
        {"John", "J", "Smith", MissingInitial::TwoBlanks, "John J Smith"},
        {"John", "J", "Smith", MissingInitial::OneBlank, "John J Smith"},
        {"John", "", "Smith", MissingInitial::TwoBlanks, "John  Smith"},
        {"John", "", "Smith", MissingInitial::OneBlank, "John Smith"},
        {"", "", "Smith", MissingInitial::TwoBlanks, "  Smith"},
        {"", "", "Smith", MissingInitial::OneBlank, " Smith"},
        {"John", "", "", MissingInitial::OneBlank, "John "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nameLine(c.first, c.mi, c.last, c.gap), c.name) << c.first << "|" << c.mi;
    }
    EXPECT_EQ(cityLine("Springfield", "IL", "62704"), "Springfield, IL  62704");
    EXPECT_EQ(cityLine("", "", ""), ",   ");
}

}  // namespace
}  // namespace varnel

#include "contacts/one_contact_label.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

using Lines = std::array<std::string, 5>;

OneContactFields john() {
    OneContactFields f;
    f.firstName = "John";
    f.lastName = "Smith";
    f.street1 = "12 Main St";
    f.city = "Springfield";
    f.state = "IL";
    f.zip = "62704";
    return f;
}

ComposerModel filled(const OneContactFields& f) {
    ComposerModel c;
    c.lines = {"old 1", "old 2", "old 3", "old 4", "old 5"};
    c.envelopeBold = true;
    c.media = Media::Envelope;
    c.envelopeSize = 4;
    c.labelPosition = "4-9";
    fillOneContactLabel(c, f);
    return c;
}

TEST(OneContactLabel, PlainAddressWithoutCompany) {
    ComposerModel c = filled(john());
    EXPECT_EQ(c.lines, (Lines{"John Smith", "12 Main St", "Springfield, IL  62704", "", ""}));
    EXPECT_EQ(c.focus, ComposerField::Line1);
    EXPECT_FALSE(c.envelopeBold);
    // Nothing else of the composer moves.
    EXPECT_EQ(c.media, Media::Envelope);
    EXPECT_EQ(c.envelopeSize, 4);
    EXPECT_EQ(c.labelPosition, "4-9");
}

TEST(OneContactLabel, CompanyOnlyWhenTicked) {
    OneContactFields f = john();
    f.company = "Acme";
    f.includeCompany = false;
    EXPECT_EQ(filled(f).lines[1], "12 Main St");

    f.includeCompany = true;
    EXPECT_EQ(filled(f).lines,
              (Lines{"John Smith", "Acme", "12 Main St", "Springfield, IL  62704", ""}));

    f.street2 = "Apt 4";
    EXPECT_EQ(filled(f).lines,
              (Lines{"John Smith", "Acme", "12 Main St", "Apt 4", "Springfield, IL  62704"}));

    // A ticked box with a company of blanks prints no company line.
    OneContactFields blank = john();
    blank.company = "   ";
    blank.includeCompany = true;
    EXPECT_EQ(filled(blank).lines[1], "12 Main St");
}

TEST(OneContactLabel, SecondStreetLineWithoutCompany) {
    OneContactFields f = john();
    f.street2 = "Apt 4";
    EXPECT_EQ(filled(f).lines,
              (Lines{"John Smith", "12 Main St", "Apt 4", "Springfield, IL  62704", ""}));
}

TEST(OneContactLabel, NoCityMeansNoCityLine) {
    OneContactFields f = john();
    f.city = "";
    EXPECT_EQ(filled(f).lines, (Lines{"John Smith", "12 Main St", "", "", ""}));

    f.company = "Acme";
    f.includeCompany = true;
    EXPECT_EQ(filled(f).lines, (Lines{"John Smith", "Acme", "12 Main St", "", ""}));
}

TEST(OneContactLabel, NameLineBlanks) {
    OneContactFields f = john();
    f.middleInitial = "Q";
    EXPECT_EQ(oneContactNameLine(f), "John Q Smith");
    f.middleInitial = "";
    EXPECT_EQ(oneContactNameLine(f), "John Smith");
    f.firstName = "";
    EXPECT_EQ(oneContactNameLine(f), " Smith");
    f.firstName = "  Ann ";
    f.lastName = " Lee  ";
    EXPECT_EQ(oneContactNameLine(f), "Ann Lee");
    EXPECT_EQ(oneContactCityLine(john()), "Springfield, IL  62704");
}

}  // namespace
}  // namespace varnel

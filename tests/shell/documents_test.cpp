// The two documents shipped with the program cover what it offers.
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace varnel {
namespace {

std::string source(const std::string& name) {
    return testing::readFileBytes(std::filesystem::path(VARNEL_SOURCE_DIR) / "docs" / name);
}

TEST(UserManual, NamesEveryCommandAUserCanReach) {
    const std::string manual = source("user-manual.md");
    for (const char* caption : {"New",
                                "Open",
                                "Close",
                                "Enable Birthday Reminders",
                                "Disable Birthday Reminders",
                                "Return Address Labels",
                                "State Abbreviations",
                                "Print",
                                "Exit",
                                "Cut",
                                "Copy",
                                "Paste",
                                "Add Contact",
                                "Edit Contact",
                                "Find Contact",
                                "Delete Contact",
                                "Search Contacts",
                                "Import Contacts",
                                "Export Contacts",
                                "One Contact",
                                "All Contacts",
                                "On-The-Fly label",
                                "Search-result labels",
                                "Envelope",
                                "Return Address labels",
                                "User Manual",
                                "About Varnel",
                                "View Birthdays",
                                "Zip Code Finder",
                                "People Finder",
                                "Label stock",
                                "Left-Justified",
                                "Centered",
                                "Large Font",
                                "Clear Form",
                                "Open csv file",
                                "Save changes",
                                "Delete contact",
                                "Print Label",
                                "Get report",
                                "Print labels",
                                "VRN_Contacts.DAT",
                                "VRNPARAM.TXT",
                                "VRNC_",
                                "VRNT_",
                                "vrnUman.pdf"}) {
        EXPECT_NE(manual.find(caption), std::string::npos) << caption;
    }
}

TEST(StateList, HoldsEveryPostalCode) {
    const std::string list = source("state-abbreviations.md");
    for (const char* code :
         {"AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID",
          "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO",
          "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA",
          "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", "AS",
          "FM", "GU", "MH", "MP", "PW", "PR", "VI", "AA", "AE", "AP"}) {
        EXPECT_NE(list.find(std::string("**") + code + "**"), std::string::npos) << code;
    }
}

}  // namespace
}  // namespace varnel

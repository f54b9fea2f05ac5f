#include "shell/shell_open.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

using testing::ScriptedDialogs;
using testing::ShownBox;
using testing::TempDir;
using testing::writeFileBytes;

// Without a viewer or browser, one box names what could not be opened and
// where it is; when the shell manages, no box at all.
TEST(ShellOpen, WhatCannotBeOpenedIsNamedWithWhereItIs) {
    TempDir dir;
    writeFileBytes(dir / "vrnUman.pdf", "%PDF-1.4");
    const std::string folder = dir.path().string();
    struct Case {
        const char* name;
        std::function<bool(Dialogs&)> open;
        std::string target;
        std::string box;  // "title|text"
    };
    const Case cases[] = {
        {"present document", [&](Dialogs& d) { return openDocument(d, dir / "vrnUman.pdf"); },
         folder + "/vrnUman.pdf",
         "Document not opened|Varnel could not open vrnUman.pdf. It is here:\r\n" + folder +
             "/vrnUman.pdf\r\nOpen it with a PDF viewer, or install one."},
        {"missing document",
         [&](Dialogs& d) { return openDocument(d, dir / "vrn_state_abbreviations.pdf"); },
         folder + "/vrn_state_abbreviations.pdf",
         "Document not opened|Varnel could not find vrn_state_abbreviations.pdf. It belongs "
         "here:\r\n" +
             folder + "/vrn_state_abbreviations.pdf"},
        {"zip look-up", [](Dialogs& d) { return openZipLookup(d); },
         "https://tools.usps.com/zip-code-lookup.htm",
         "Web page not opened|Varnel could not open a web browser for this address:\r\n"
         "https://tools.usps.com/zip-code-lookup.htm\r\nType it into your web browser."},
        {"people search", [](Dialogs& d) { return openPeopleSearch(d); },
         "https://www.whitepages.com/",
         "Web page not opened|Varnel could not open a web browser for this address:\r\n"
         "https://www.whitepages.com/\r\nType it into your web browser."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs working;
        EXPECT_TRUE(c.open(working));
        EXPECT_EQ(working.opened, (std::vector<std::string>{c.target}));
        EXPECT_TRUE(working.messages().empty());

        ScriptedDialogs failing;
        failing.shellFails = true;
        EXPECT_FALSE(c.open(failing));
        EXPECT_EQ(failing.opened, (std::vector<std::string>{c.target}));
        EXPECT_EQ(failing.messages(), (std::vector<std::string>{c.box}));
        ASSERT_EQ(failing.log.size(), 2u);
        EXPECT_EQ(failing.log[1].icon, Icon::Exclamation);
        EXPECT_EQ(failing.log[1].buttons, Buttons::Ok);
    }
}

}  // namespace
}  // namespace varnel

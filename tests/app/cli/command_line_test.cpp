#include "app/cli/command_line.h"

#include <gtest/gtest.h>

#include "app/cli/arguments.h"
#include "app/cli/cli_outcome.h"

namespace varnel::cli {
namespace {

TEST(CommandLine, HelpVersionAndUnknownWords) {
    Outcome help = run({"--help"});
    EXPECT_EQ(help.code, Success);
    EXPECT_NE(help.out.find("Usage: varnel"), std::string::npos);
    EXPECT_EQ(help.err, "");

    Outcome version = run({"--version"});
    EXPECT_EQ(version.code, Success);
    EXPECT_EQ(version.out, std::string("varnel ") + VARNEL_VERSION + "\n");

    Outcome unknown = run({"frobnicate"});
    EXPECT_EQ(unknown.code, Usage);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, "varnel: unknown command 'frobnicate'\nTry 'varnel --help'.\n");
}

TEST(CommandLine, ArgumentsFollowTheirRules) {
    ArgumentRules rules{{"--sort", "-o"}, {"--bold"}, {"--line"}, 1, 2};
    struct Case {
        Args args;
        std::string error;  // empty when the arguments are accepted
    };
    const Case cases[] = {
        {{"a.DAT"}, ""},
        {{"a.DAT", "b", "c"}, "unexpected argument c"},
        {{}, "missing argument"},
        {{"a.DAT", "--sort"}, "option --sort needs a value"},
        {{"a.DAT", "--bold=yes"}, "option --bold takes no value"},
        {{"a.DAT", "--line"}, "option --line needs a value"},
        {{"a.DAT", "--colour", "red"}, "unknown option --colour"},
    };
    for (const Case& c : cases) {
        std::string error;
        auto parsed = Arguments::parse(c.args, rules, error);
        EXPECT_EQ(parsed.has_value(), c.error.empty()) << c.error;
        EXPECT_EQ(error, c.error);
    }

    std::string error;
    auto parsed = Arguments::parse(
        {"--line", "Ann Lee", "12 Oak St", "--sort=last", "x.DAT", "--line", "-3 below", "--bold",
         "--line", "PO Box 4", "-o", "out.pdf", "--", "--odd name"},
        rules, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->values("--line"),
              (std::vector<std::string>{"Ann Lee", "12 Oak St", "-3 below", "PO Box 4"}));
    EXPECT_EQ(parsed->value("--sort"), "last");
    EXPECT_EQ(parsed->value("-o"), "out.pdf");
    EXPECT_TRUE(parsed->has("--bold"));
    EXPECT_FALSE(parsed->value("--missing"));
    EXPECT_EQ(parsed->positional(), (std::vector<std::string>{"x.DAT", "--odd name"}));
}

}  // namespace
}  // namespace varnel::cli

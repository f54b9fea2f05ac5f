#pragma once
// The arguments of one command word: positional values, options with a value
// ("--sort last", "--sort=last") and flags. A multi-value option such as
// "--line" takes every argument up to the next one that starts with "--" or
// names another option, and may be repeated.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/command_line.h"

namespace varnel::cli {

struct ArgumentRules {
    std::vector<std::string_view> valueOptions;  // "--sort", "-o"
    std::vector<std::string_view> flags;         // "--dry-run"
    std::vector<std::string_view> multiValue;    // "--line"
    std::size_t minPositional = 0;
    std::size_t maxPositional = 0;
};

class Arguments {
public:
    // Empty with `error` set when the arguments break the rules.
    static std::optional<Arguments> parse(const Args& args, const ArgumentRules& rules,
                                          std::string& error);

    const std::vector<std::string>& positional() const { return positional_; }
    bool has(std::string_view option) const;
    // The last value given for the option.
    std::optional<std::string> value(std::string_view option) const;
    // Every value given for the option, in order.
    std::vector<std::string> values(std::string_view option) const;

private:
    std::vector<std::string> positional_;
    std::multimap<std::string, std::string, std::less<>> options_;
};

// The usage error of a word: "varnel WORD: REASON" and a pointer to --help; returns Usage.
int usageError(CommandEnv& env, std::string_view word, std::string_view reason);
// The failure line: "varnel: FILE: REASON"; returns Failure.
int failure(CommandEnv& env, const std::string& file, std::string_view reason);

}  // namespace varnel::cli

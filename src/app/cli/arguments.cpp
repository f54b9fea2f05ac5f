#include "app/cli/arguments.h"

#include <algorithm>
#include <cstddef>
#include <ostream>

namespace varnel::cli {

namespace {

bool listed(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool looksLikeOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

}  // namespace

std::optional<Arguments> Arguments::parse(const Args& args, const ArgumentRules& rules,
                                          std::string& error) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (!looksLikeOption(arg) || arg == "--") {
            if (arg == "--") {
                const auto rest = args.begin() + static_cast<std::ptrdiff_t>(i) + 1;
                parsed.positional_.insert(parsed.positional_.end(), rest, args.end());
                break;
            }
            parsed.positional_.push_back(arg);
            continue;
        }
        std::string inlineValue;
        bool hasInline = false;
        if (auto eq = arg.find('='); eq != std::string::npos && arg.starts_with("--")) {
            inlineValue = arg.substr(eq + 1);
            arg.resize(eq);
            hasInline = true;
        }
        if (listed(rules.flags, arg)) {
            if (hasInline) {
                error = "option " + arg + " takes no value";
                return std::nullopt;
            }
            parsed.options_.emplace(arg, "");
        } else if (listed(rules.multiValue, arg)) {
            std::size_t taken = 0;
            if (hasInline) {
                parsed.options_.emplace(arg, inlineValue);
                ++taken;
            }
            while (i + 1 < args.size() && !std::string_view(args[i + 1]).starts_with("--") &&
                   !listed(rules.valueOptions, args[i + 1]) && !listed(rules.flags, args[i + 1])) {
                parsed.options_.emplace(arg, args[++i]);
                ++taken;
            }
            if (taken == 0) {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
        } else if (listed(rules.valueOptions, arg)) {
            if (hasInline) {
                parsed.options_.emplace(arg, inlineValue);
            } else if (i + 1 < args.size()) {
                parsed.options_.emplace(arg, args[++i]);
            } else {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    if (parsed.positional_.size() < rules.minPositional) {
        error = "missing argument";
        return std::nullopt;
    }
    if (parsed.positional_.size() > rules.maxPositional) {
        error = "unexpected argument " + parsed.positional_[rules.maxPositional];
        return std::nullopt;
    }
    return parsed;
}

bool Arguments::has(std::string_view option) const {
    return options_.find(option) != options_.end();
}

std::optional<std::string> Arguments::value(std::string_view option) const {
    auto [first, last] = options_.equal_range(option);
    if (first == last) return std::nullopt;
    return std::prev(last)->second;
}

std::vector<std::string> Arguments::values(std::string_view option) const {
    std::vector<std::string> all;
    auto [first, last] = options_.equal_range(option);
    for (auto it = first; it != last; ++it) all.push_back(it->second);
    return all;
}

int usageError(CommandEnv& env, std::string_view word, std::string_view reason) {
    env.err << "varnel " << word << ": " << reason << "\nTry 'varnel --help'.\n";
    return Usage;
}

int failure(CommandEnv& env, const std::string& file, std::string_view reason) {
    env.err << "varnel: " << file << ": " << reason << '\n';
    return Failure;
}

}  // namespace varnel::cli

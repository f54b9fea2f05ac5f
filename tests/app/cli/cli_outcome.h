#pragma once
// Runs a command line as `varnel ARGS...` would, with its output caught.
#include <sstream>
#include <string>

#include "app/cli/command_line.h"

namespace varnel::cli {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome run(const Args& args) {
    std::ostringstream out, err;
    CommandEnv env{out, err, {}, nullptr};
    int code = runCommandLine(args, env);
    return {code, out.str(), err.str()};
}

}  // namespace varnel::cli

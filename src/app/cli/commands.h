#pragma once
// The command words, one file each (<word>_command.cpp).
#include "app/cli/command_line.h"

namespace varnel::cli {

struct Command {
    const char* word;
    const char* synopsis;  // the arguments, as --help shows them
    const char* summary;   // one line on what the word does
    int (*run)(const Args& args, CommandEnv& env);
};

int runImport(const Args& args, CommandEnv& env);
int runExport(const Args& args, CommandEnv& env);
int runList(const Args& args, CommandEnv& env);
int runCheck(const Args& args, CommandEnv& env);
int runDelete(const Args& args, CommandEnv& env);
// The printing words.
int runLabels(const Args& args, CommandEnv& env);
int runLabel(const Args& args, CommandEnv& env);
int runEnvelope(const Args& args, CommandEnv& env);
int runReturnLabels(const Args& args, CommandEnv& env);
int runTestPage(const Args& args, CommandEnv& env);

}  // namespace varnel::cli

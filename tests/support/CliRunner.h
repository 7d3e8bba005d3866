#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace zorind::test {

// One run of the zorind-cli binary with its exit status and both streams.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') {
            q += "'\\''";
        } else {
            q += c;
        }
    }
    return q + "'";
}

// Runs `program` with `args` in the folder `dir` (the streams are captured
// in files there).
inline CliRun runProgram(const std::string& program, const TempDir& dir, const std::vector<std::string>& args)
{
    std::string command = "cd " + shellQuoted(dir.path().string()) + " && " + shellQuoted(program);
    for (const std::string& a : args) {
        command += ' ' + shellQuoted(a);
    }
    const std::string out = dir.file("stdout.txt");
    const std::string err = dir.file("stderr.txt");
    command += " >" + shellQuoted(out) + " 2>" + shellQuoted(err);
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = (raw != -1 && WIFEXITED(raw)) ? WEXITSTATUS(raw) : -1;
    run.out = readAll(out);
    run.err = readAll(err);
    return run;
}

inline CliRun runCli(const TempDir& dir, const std::vector<std::string>& args)
{
    return runProgram(ZORIND_CLI_PATH, dir, args);
}

} // namespace zorind::test

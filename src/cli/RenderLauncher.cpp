// `render` runs in the program zorind-render beside this one: the painter
// needs Qt's GUI library, whose loading would otherwise be most of the start-up
// of every other command.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliSupport.h"

namespace zorind::cli {

namespace {

constexpr const char* kRenderProgram = "zorind-render";

// The folder of the running program, or nothing when the system cannot say.
std::filesystem::path ownFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

} // namespace

int runRender(Arguments args)
{
    const std::filesystem::path program = ownFolder() / kRenderProgram;
    std::vector<std::string> words{program.string(), "render"};
    for (std::string& arg : args.takeAll()) {
        words.push_back(std::move(arg));
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    // On success the render program takes over this process: its output,
    // its messages and its exit status are the command's.
    execv(argv.front(), argv.data());
    std::fprintf(stderr, "Nie można uruchomić programu %s: %s\n", program.c_str(), std::strerror(errno));
    return kExitUsage;
}

} // namespace zorind::cli

#include "cli/CliSupport.h"

#include <algorithm>

#include "core/session/FileCommands.h"

namespace zorind::cli {

std::optional<std::string> Arguments::takeOption(const std::string& name)
{
    for (std::size_t i = 0; i < args_.size(); ++i) {
        if (args_[i] == name) {
            if (i + 1 >= args_.size()) {
                throw UsageError{"Brak wartości opcji " + name};
            }
            std::string value = args_[i + 1];
            args_.erase(args_.begin() + static_cast<std::ptrdiff_t>(i),
                        args_.begin() + static_cast<std::ptrdiff_t>(i + 2));
            return value;
        }
        if (args_[i].rfind(name + "=", 0) == 0) {
            std::string value = args_[i].substr(name.size() + 1);
            args_.erase(args_.begin() + static_cast<std::ptrdiff_t>(i));
            return value;
        }
    }
    return std::nullopt;
}

bool Arguments::takeFlag(const std::string& name)
{
    auto it = std::find(args_.begin(), args_.end(), name);
    if (it == args_.end()) {
        return false;
    }
    args_.erase(it);
    return true;
}

std::vector<std::string> Arguments::takeFlagsInOrder(const std::vector<std::string>& names)
{
    std::vector<std::string> found;
    std::vector<std::string> rest;
    for (const std::string& arg : args_) {
        if (std::find(names.begin(), names.end(), arg) != names.end()) {
            found.push_back(arg);
        } else {
            rest.push_back(arg);
        }
    }
    args_ = std::move(rest);
    return found;
}

std::optional<std::string> Arguments::takePositional()
{
    for (std::size_t i = 0; i < args_.size(); ++i) {
        const std::string& arg = args_[i];
        if (arg.size() > 1 && arg[0] == '-') {
            continue;
        }
        std::string value = arg;
        args_.erase(args_.begin() + static_cast<std::ptrdiff_t>(i));
        return value;
    }
    return std::nullopt;
}

void Arguments::expectEmpty() const
{
    if (!args_.empty()) {
        throw UsageError{"Nieznany argument: " + args_.front()};
    }
}

bool loadProject(Project& project, const std::string& path)
{
    CliInteraction ui(stderr);
    initialiseProject(project);
    return openProjectPath(project, ui, path, false);
}

int computeStatus(ComputeOutcome outcome)
{
    switch (outcome) {
    case ComputeOutcome::CheckErrors:
        return kExitErrors;
    case ComputeOutcome::NotComputedHere:
        return kExitNotComputedHere;
    case ComputeOutcome::InitialisationFailed:
    case ComputeOutcome::Failed:
    case ComputeOutcome::Singular:
        return kExitComputeFailed;
    case ComputeOutcome::Computed:
        break;
    }
    return kExitOk;
}

bool saveProjectTo(Project& project, Interaction& ui, const std::string& path)
{
    return saveProjectPath(project, ui, path, false);
}

} // namespace zorind::cli

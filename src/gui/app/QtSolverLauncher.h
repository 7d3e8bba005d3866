#pragma once

#include "core/exchange/ExportCommand.h"

namespace zorind {

// Starts the elasticity solver as a process of its own, detached from this
// one (it goes on after this program ends), with this program's environment.
class QtSolverLauncher : public SolverLauncher {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingDirectory) override;
};

} // namespace zorind

#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "core/command/Consequences.h"
#include "core/command/History.h"

namespace zorind {

// Runs the commands on one project and keeps its editing history: the one
// place that settles what a command changed and decides what the command
// means to the history. A command that changed the model data is a step;
// "Cofnij" and "Ponów" move along the history and are no step of their own;
// a command that started the project afresh (a reset: "Nowy", "Otwórz")
// leaves nothing to go back to, as the old model's states do not belong to
// the new one. The window, the command line and the tests all run their
// commands through it.
class CommandRunner {
public:
    explicit CommandRunner(Project& project, std::size_t historyLimit = History::kDefaultLimit);

    // Runs `command`. The outermost command is settled when it returns and
    // its consequences are what the caller must carry out; a command run
    // within another (a dialog's command inside the menu command that
    // opened it) is settled with the outer one: nothing yet. What a command
    // changed before it threw is settled too, and the exception goes on.
    std::optional<Consequences> run(const std::function<void()>& command, Drawn drawn = Drawn::Nothing);

    // Within a command: what it changed so far is settled as a step of its
    // own (a dialog that stays open has stored), and the command goes on
    // from there. Outside any command: nothing.
    std::optional<Consequences> settleSoFar();

    // "Cofnij" and "Ponów": one state back or forward, as a command (or
    // within the one running). False, changing nothing, without a step.
    bool undo();
    bool redo();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::size_t undoSteps() const { return history_.undoSteps(); }
    bool running() const { return depth_ > 0; }

private:
    void begin();
    Consequences settle(Drawn drawn);
    bool travel(bool (History::*move)(Project&));

    Project& project_;
    History history_;
    // The project as the running command found it.
    std::optional<ProjectSnapshot> start_;
    unsigned startsBefore_ = 0;
    int depth_ = 0;
    // The running command moved along the history.
    bool travelled_ = false;
};

} // namespace zorind

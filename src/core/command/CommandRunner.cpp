#include "core/command/CommandRunner.h"

namespace zorind {

CommandRunner::CommandRunner(Project& project, std::size_t historyLimit) : project_(project), history_(historyLimit) {}

void CommandRunner::begin()
{
    start_ = takeSnapshot(project_);
    startsBefore_ = project_.projectStarts;
    travelled_ = false;
}

std::optional<Consequences> CommandRunner::run(const std::function<void()>& command, Drawn drawn)
{
    const bool outermost = depth_ == 0;
    if (outermost) {
        begin();
    }
    ++depth_;
    try {
        command();
    } catch (...) {
        --depth_;
        if (outermost) {
            settle(drawn);
        }
        throw;
    }
    --depth_;
    if (!outermost) {
        return std::nullopt;
    }
    return settle(drawn);
}

std::optional<Consequences> CommandRunner::settleSoFar()
{
    if (depth_ == 0) {
        return std::nullopt;
    }
    const Consequences out = settle(Drawn::Nothing);
    begin();
    return out;
}

Consequences CommandRunner::settle(Drawn drawn)
{
    const Consequences out = settleCommand(*start_, project_, drawn);
    if (project_.projectStarts != startsBefore_) {
        history_.clear();
    } else if (!travelled_ && out.changes.step()) {
        history_.record(*start_);
    }
    start_.reset();
    travelled_ = false;
    return out;
}

bool CommandRunner::travel(bool (History::*move)(Project&))
{
    bool moved = false;
    run([&] {
        moved = (history_.*move)(project_);
        travelled_ = true;
    });
    return moved;
}

bool CommandRunner::undo()
{
    return travel(&History::undo);
}

bool CommandRunner::redo()
{
    return travel(&History::redo);
}

} // namespace zorind

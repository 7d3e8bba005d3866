#include "core/command/History.h"

namespace zorind {

namespace {

HistoryState stateOf(const Project& project)
{
    return {static_cast<const Model&>(project), chainStateOf(project.edit)};
}

void restore(Project& project, const HistoryState& state)
{
    static_cast<Model&>(project) = state.model;
    EditState& e = project.edit;
    e.chainOpen = state.chain.open;
    e.chainFirstNode = state.chain.firstNode;
    e.chainLastNode = state.chain.lastNode;
}

// Moves one state from `from` to the project, the project's state to `to`.
bool step(Project& project, std::deque<HistoryState>& from, std::deque<HistoryState>& to)
{
    if (from.empty()) {
        return false;
    }
    to.push_back(stateOf(project));
    restore(project, from.back());
    from.pop_back();
    return true;
}

} // namespace

void History::record(const ProjectSnapshot& before)
{
    if (limit_ == 0) {
        return;
    }
    undo_.push_back({before.model, before.chain});
    if (undo_.size() > limit_) {
        undo_.pop_front();
    }
    redo_.clear();
}

bool History::undo(Project& project)
{
    return step(project, undo_, redo_);
}

bool History::redo(Project& project)
{
    return step(project, redo_, undo_);
}

void History::clear()
{
    undo_.clear();
    redo_.clear();
}

} // namespace zorind

#pragma once

#include <cstddef>
#include <deque>

#include "core/command/Consequences.h"

namespace zorind {

// A state the editing history returns to: the model data with the results
// that belonged to it and the current boundary and condition, and the
// polyline being drawn, so that taking back a point goes on drawing from
// the point before. The view is not part of it.
struct HistoryState {
    Model model;
    ChainState chain;
};

// The undo and redo stacks of the editing commands. Every command that
// changed the model data leaves the state it found as one step; a new step
// drops what could be redone. At most `limit` steps are kept, the oldest
// going first.
class History {
public:
    static constexpr std::size_t kDefaultLimit = 100;

    explicit History(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    void record(const ProjectSnapshot& before);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }

    // Puts the project back one step (forward for redo); false, changing
    // nothing, when there is no step.
    bool undo(Project& project);
    bool redo(Project& project);

    // A new project or a file opened: nothing to go back to.
    void clear();

private:
    std::deque<HistoryState> undo_;
    std::deque<HistoryState> redo_;
    std::size_t limit_;
};

} // namespace zorind

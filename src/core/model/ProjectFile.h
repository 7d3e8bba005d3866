#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Project.h"

namespace zorind {

// The project file text: counts, nodes, elements, conditions, boundaries,
// properties, internal points, analysis type and the closing text, written
// with a decimal point whatever the user's locale.
std::string writeProjectText(const Project& project);

// Reads the project text into `project` (whose other state is kept). Returns
// an explanation in Polish when the text is damaged: it ends early, holds a
// token that is not a number, a negative count, a count above a capacity or
// a value that is not finite. On failure `project` is left untouched.
// References between tables are not validated here; the consistency check
// reports them.
std::optional<std::string> readProjectText(std::string_view text, Project& project);

enum class FileStatus { Ok, CannotOpen, Damaged, CannotWrite };

struct FileResult {
    FileStatus status = FileStatus::Ok;
    std::string detail; // the reader's explanation for Damaged
    bool ok() const { return status == FileStatus::Ok; }
};

// Reads a project file from disk into `project`; `project` changes only on
// success.
FileResult loadProjectFile(const std::string& path, Project& project);

// Writes the project file atomically: the text goes to a temporary file in
// the same folder, which then replaces the target, so a failed save never
// destroys the previous file.
FileResult saveProjectFile(const Project& project, const std::string& path);

} // namespace zorind

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/Model.h"

namespace zorind {

// The project file text: counts, nodes, elements, conditions, boundaries,
// properties, internal points, analysis type and the closing text, written
// with a decimal point whatever the user's locale.
std::string writeProjectText(const Model& project);

// Reads the project text into `project` (whose other state is kept). Returns
// an explanation in Polish when the text is damaged: it ends early, holds a
// token that is not a number, a negative count, a count above a capacity or
// a value that is not finite. On failure `project` is left untouched.
// References between tables are not validated here; the consistency check
// reports them.
std::optional<std::string> readProjectText(std::string_view text, Model& project);

enum class FileStatus { Ok, CannotOpen, Damaged, CannotWrite, TooLarge };

struct FileResult {
    FileStatus status = FileStatus::Ok;
    // Damaged: the reader's explanation; CannotWrite: why, in Polish;
    // TooLarge: the size in bytes.
    std::string detail;
    bool ok() const { return status == FileStatus::Ok; }
};

// A full project (every table at its capacity) is under 50 kB; anything far
// larger is not a project file and is not read.
inline constexpr std::size_t kMaxProjectFileSize = 1024 * 1024;

// Reads a project file from disk into `project`; `project` changes only on
// success. Only a regular file of at most kMaxProjectFileSize bytes is read.
FileResult loadProjectFile(const std::string& path, Model& project);

// Writes `bytes` to `path` so that a failure never destroys what was there:
// the bytes go to a temporary file in the same folder first. A new file then
// takes the temporary file's place; an existing one is rewritten in place so
// that it keeps its owner, mode and links (and is restored from the
// temporary copy if that fails). A link is followed to its target, which is
// created when it does not exist yet. A file the user may not write, or one
// marked read-only, is refused untouched. On failure `detail` says why.
FileResult writeFileSafely(const std::string& path, std::string_view bytes);

// Saves the project file with writeFileSafely.
FileResult saveProjectFile(const Model& project, const std::string& path);

} // namespace zorind

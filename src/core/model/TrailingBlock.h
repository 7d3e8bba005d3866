#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/Model.h"

namespace zorind {

// What the project file holds beyond the specified format: after the closing
// text "Koniec pliku", which the specified reader never reads, the line
// "[zorind]" and one "key values" line each. Written only when there is
// something to say, so that every other file keeps its bytes.
inline constexpr std::string_view kTrailingBlockHeader = "[zorind]";

// Appends the block after the closing text: the material when it is not the
// default, then the lines of a read block that this version does not know.
void appendTrailingBlock(std::string& out, const Model& model);

// Reads the block from `rest`, the text after the analysis type, which
// starts on line `line` of the file: the material into model.material,
// every line it does not know into model.keptBlockLines. Text after the
// closing that is not such a block is ignored, as the specified reader
// ignores it. Returns why a material line cannot be taken, with its line
// number; the model is then not to be used.
std::optional<std::string> readTrailingBlock(std::string_view rest, int line, Model& model);

// The note shown when a file's block held lines this version does not know.
std::string keptBlockLinesNote(const Model& model);

} // namespace zorind

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorind {

// The result file of the elasticity solver, "tav_ed.wyn", as the import
// reads it:
//
//   any lines up to the header line (contract::kResultHeaderLine, shared
//   with the solver program; compared whole, line end excluded; a carriage
//   return before the line feed counts as line end); among them the
//   solver's notes, lines "Uwaga: text" (blanks before the word allowed),
//   the rest ignored;
//   one line, ignored (column headings);
//   block 1: per node, in node order: node number (not used), displacement x,
//            displacement y, force x, force y;
//   the rest of the last line of block 1 and three more lines, ignored;
//   block 2: per node, in node order: node number (not used), two values not
//            used, sigma x, tau xy, sigma y, sigma z, reduced stress;
//   anything after it is searched for a further header line, whose pair of
//   blocks overwrites the first.
//
// Block 1 has one record per node of the model the solver was given: where,
// after one record or more, a line that is no record (it does not begin
// with a number) ends it early, or whole records follow on the lines after
// the last one expected, the file holds another model's results.
//
// Block values are numbers separated by any white space, line ends
// included, read as scanf reads "%d" and "%f": a number ends where its
// characters end, so "1.5-2.5" is two numbers. Lines are read as a
// 255-character buffer takes them: at most 254 characters at a time, the
// rest of a longer line being read as the next line.
inline constexpr std::size_t kResultLineLimit = 254;

// The word that opens a note line of the solver, followed by the note.
inline constexpr std::string_view kResultNoteWord = "Uwaga:";

// What a result file holds for one node once read: the values of block 1
// when its record was reached, and the stresses as the import leaves them
// (block 1 sets them to zero, block 2 to the values read). Of a record cut
// short the values read before the cut are kept, the others are zero.
struct NodeResultValues {
    bool motionRead = false;
    float dx = 0.0f, dy = 0.0f, fx = 0.0f, fy = 0.0f;
    bool stressesSet = false;
    float sigmaX = 0.0f, sigmaY = 0.0f, sigmaZ = 0.0f, tauXY = 0.0f, reduced = 0.0f;
    friend bool operator==(const NodeResultValues&, const NodeResultValues&) = default;
};

struct ResultFileContent {
    bool headerFound = false;
    int headerCount = 0;
    // Whether the blocks after the last header were read whole.
    bool complete = false;
    // The number of nodes block 1 after the last header holds when it is
    // not the number asked for: the results of another model, of which
    // `nodes` holds nothing.
    std::optional<int> otherModelNodeCount;
    // The solver's notes written before the last header, in file order.
    std::vector<std::string> notes;
    // Nodes 1..nodeCount at indices 0..nodeCount-1.
    std::vector<NodeResultValues> nodes;
};

// Reads a result file's text for nodes 1..nodeCount. A record counts once
// its node number was read. Reading stops at the end of the text or at the
// first number that cannot be read, keeping what was read before; a further
// header pair overwrites what the first one gave. Nothing is taken before a
// header line.
ResultFileContent readResultText(std::string_view text, int nodeCount);

} // namespace zorind

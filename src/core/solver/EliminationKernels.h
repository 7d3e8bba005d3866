#pragma once

// The arithmetic of the blocked elimination in gaussSolve, apart from its
// pivot decisions. Every element a[j][k] receives
//
//   a[j][k] = a[j][k] - a[m][k] · a[j][m]
//
// for the pivot rows m in increasing order, a separate multiplication and
// subtraction each (the core is built without multiply-add fusion), and a
// pivot row is divided by its pivot after its last update: the same
// operations in the same order as the elimination one pivot row at a time, so
// the results are identical to the last bit. Only the moment at which an
// element receives its updates changes, so that it can stay in a register
// across a whole block of pivot rows.
//
// Rows are addressed as in the system matrix: row[j][k] for rows and columns
// 1..n, b[j] the right-hand side.

#include <cstddef>

namespace zorind::solver {
class ThreadPair;
}

namespace zorind::solver::elimination {

// Pivot rows per block. A register tile loaded and stored once per block
// receives this many updates, enough to hide its loads and stores; the work
// inside the block (which grows with the square of its size) stays small.
// On the largest model 24 measured fastest of 16 to 48 (32 about 5 % slower,
// 48 about 10 %).
inline constexpr int kBlockRows = 24;

// Doubles to reserve for the packed pivot rows of one block of an n×n system,
// the alignment included.
std::size_t packedCapacity(int n);

// Row j (its columns up to last, and b[j]) receives the updates of the pivot
// rows from..to-1, all of them final and divided.
void catchUpRow(double* const* row, double* b, int j, int from, int to, int last);

// Everything the block of pivot rows first..last owes the rest of the system
// once its pivots are chosen and divided in the block's own columns:
//  - the rows pending[0..pendingCount-1] (below the block, none of the
//    block's updates received yet) get them in the block's columns and in b;
//  - the block's rows, right of the block: their updates from the earlier
//    pivot rows of the block, then the division by their pivots;
//  - the rows last+1..n right of the block: the updates of all the block's
//    pivot rows.
// packed holds at least packedCapacity(n) doubles. With a pair of threads,
// the rows below the block are shared between them (each row's arithmetic
// is the same whichever thread does it).
void finishBlock(double* const* row, double* b, int first, int last, int n, const int* pending, int pendingCount,
                 double* packed, ThreadPair* pair = nullptr);

// The copies of finishBlock's arithmetic, each with its own vector width and
// register tile; all give the same numbers.
enum class Copy { Widest, Avx512, Avx2, Plain };

// The copy finishBlock uses from now on: by default the widest the processor
// runs; the tests go through the others as well. Returns false, changing
// nothing, when this build or this processor has no such copy.
bool useCopy(Copy copy);

} // namespace zorind::solver::elimination

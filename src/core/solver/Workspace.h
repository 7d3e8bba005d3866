#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace zorind::solver {

// Arrays indexed from a lower bound chosen at allocation, the way classic
// numerical code writes its loops: a vector over nl..nh accepts exactly the
// indices nl to nh. The storage keeps one spare element ahead of the range.
// Storage is obtained by the allocation routines below (ivector, dvector,
// matrix, intMatrix); when it cannot be obtained the program ends through
// fatalError. Indices are checked by assertions in debug builds only: the
// integration and elimination loops run through these accessors.
template <class T> class OffsetVector {
public:
    OffsetVector() = default;
    OffsetVector(const OffsetVector&) = delete;
    OffsetVector& operator=(const OffsetVector&) = delete;
    OffsetVector(OffsetVector&& other) noexcept { swap(other); }
    OffsetVector& operator=(OffsetVector&& other) noexcept
    {
        OffsetVector moved(static_cast<OffsetVector&&>(other));
        swap(moved);
        return *this;
    }
    ~OffsetVector() { reset(); }

    T& operator[](int i)
    {
        assert(block_ != nullptr && i >= low_ && i <= high_);
        return block_[i - low_ + 1];
    }
    const T& operator[](int i) const
    {
        assert(block_ != nullptr && i >= low_ && i <= high_);
        return block_[i - low_ + 1];
    }

    int low() const { return low_; }
    int high() const { return high_; }
    bool allocated() const { return block_ != nullptr; }
    // The bytes held, the spare element included.
    std::size_t bytes() const { return block_ ? (static_cast<std::size_t>(high_ - low_) + 2) * sizeof(T) : 0; }

    void reset();

private:
    template <class U> friend OffsetVector<U> allocateVector(int nl, int nh, const char* failureMessage);

    void swap(OffsetVector& other) noexcept
    {
        T* b = block_;
        block_ = other.block_;
        other.block_ = b;
        int l = low_;
        low_ = other.low_;
        other.low_ = l;
        int h = high_;
        high_ = other.high_;
        other.high_ = h;
    }

    T* block_ = nullptr;
    int low_ = 1;
    int high_ = 0;
};

// A matrix over rows nrl..nrh and columns ncl..nch: one table of row
// references (with a spare entry ahead) and one contiguous block holding the
// rows end to end (again with a spare element ahead), so that the inner
// loops run along rows.
template <class T> class OffsetMatrix {
public:
    // One row, indexed by column.
    class Row {
    public:
        Row(T* first, int ncl, int nch) : first_(first), ncl_(ncl), nch_(nch) {}
        T& operator[](int j) const
        {
            assert(j >= ncl_ && j <= nch_);
            return first_[j - ncl_];
        }

    private:
        T* first_;
        int ncl_;
        int nch_;
    };

    OffsetMatrix() = default;
    OffsetMatrix(const OffsetMatrix&) = delete;
    OffsetMatrix& operator=(const OffsetMatrix&) = delete;
    OffsetMatrix(OffsetMatrix&& other) noexcept { swap(other); }
    OffsetMatrix& operator=(OffsetMatrix&& other) noexcept
    {
        OffsetMatrix moved(static_cast<OffsetMatrix&&>(other));
        swap(moved);
        return *this;
    }
    ~OffsetMatrix() { reset(); }

    Row operator[](int i) const
    {
        assert(rows_ != nullptr && i >= rowLow_ && i <= rowHigh_);
        return Row(rows_[i - rowLow_ + 1], colLow_, colHigh_);
    }
    // The address of element (i, ncl); the row's columns follow it.
    T* rowData(int i) const
    {
        assert(rows_ != nullptr && i >= rowLow_ && i <= rowHigh_);
        return rows_[i - rowLow_ + 1];
    }

    // A pointer p with p[j] the element (i, j) for j in ncl..nch; for the
    // hot loops. Only for matrices whose columns start at 0 or 1, so that p
    // stays inside the block (the spare element makes p[0] addressable).
    T* rowBase(int i) const
    {
        assert(colLow_ == 0 || colLow_ == 1);
        return rowData(i) - colLow_;
    }

    int rowLow() const { return rowLow_; }
    int rowHigh() const { return rowHigh_; }
    int colLow() const { return colLow_; }
    int colHigh() const { return colHigh_; }
    bool allocated() const { return rows_ != nullptr; }
    std::size_t bytes() const
    {
        if (!rows_) {
            return 0;
        }
        const std::size_t nrow = static_cast<std::size_t>(rowHigh_ - rowLow_ + 1);
        const std::size_t ncol = static_cast<std::size_t>(colHigh_ - colLow_ + 1);
        return (nrow + 1) * sizeof(T*) + (nrow * ncol + 1) * sizeof(T);
    }

    void reset();

private:
    template <class U> friend OffsetMatrix<U> allocateMatrix(int nrl, int nrh, int ncl, int nch);

    void swap(OffsetMatrix& other) noexcept
    {
        auto swapValue = [](auto& a, auto& b) {
            auto t = a;
            a = b;
            b = t;
        };
        swapValue(rows_, other.rows_);
        swapValue(block_, other.block_);
        swapValue(rowLow_, other.rowLow_);
        swapValue(rowHigh_, other.rowHigh_);
        swapValue(colLow_, other.colLow_);
        swapValue(colHigh_, other.colHigh_);
    }

    T** rows_ = nullptr;
    T* block_ = nullptr;
    int rowLow_ = 1;
    int rowHigh_ = 0;
    int colLow_ = 1;
    int colHigh_ = 0;
};

extern template class OffsetVector<int32_t>;
extern template class OffsetVector<double>;
extern template class OffsetMatrix<int32_t>;
extern template class OffsetMatrix<double>;

using IntVector = OffsetVector<int32_t>;
using DoubleVector = OffsetVector<double>;
using DoubleMatrix = OffsetMatrix<double>;
using IntMatrix = OffsetMatrix<int32_t>;

// The allocation routines. Vectors are cleared; matrices are not (every
// step writes a matrix element before it reads it). An empty range (nh < nl)
// gives an array with no usable index. Failure to obtain the storage ends the
// program through fatalError with the routine's message.
IntVector ivector(int nl, int nh);
DoubleVector dvector(int nl, int nh);
DoubleMatrix matrix(int nrl, int nrh, int ncl, int nch);
IntMatrix intMatrix(int nrl, int nrh, int ncl, int nch);

// Return the storage. The lower bounds must be those used at allocation.
void releaseIvector(IntVector& v, int nl);
void releaseDvector(DoubleVector& v, int nl);
void releaseMatrix(DoubleMatrix& m, int nrl, int ncl);
void releaseIntMatrix(IntMatrix& m, int nrl, int ncl);

// The release routines keep the storage for the next allocations, which
// take the smallest kept block that is large enough (the window computes the
// same model again and again, and fresh storage costs a page fault per page).
// allocateWorkspace frees whatever it did not reuse; this frees everything
// kept now. What is kept at the end of the program is freed then.
void releaseKeptStorage();

// Requests for more bytes than this in one array are treated as refused by
// the system. Far above anything the model tables can ask for; the tests lower
// it to reach the failure path. Returns the previous ceiling.
std::size_t setAllocationCeiling(std::size_t bytes);

// The solver's working record for one computation: the model copied in
// double precision, the node numbering, the system and the results. Solver
// nodes are the boundary nodes 1..nb followed by the internal points
// (internal point i is node nb + i).
//
// The system has nb rows and nb + 1 columns at most (nb never exceeds 3·ne).
// The rows of G and H are integrated one at a time and written into the
// system as they come (see BoundaryRows), so neither matrix is ever held.
struct SolverContext {
    DoubleVector elementGeometry;   // 1..C: element e at 4e-3..4e: start x, y, midpoint x, y
    DoubleVector elementConditions; // 1..C: element e at 6e-5..6e: (kind, value) at node 1, middle, node 2
    DoubleVector nodeX;             // 1..N: every solver node
    DoubleVector nodeY;
    DoubleVector elementLength; // 1..N (1..ne used)
    DoubleVector nodeValue;     // 1..N (1..nb used): prescribed value
    DoubleVector nodeKind;      // 1..L (1..nb used): 1.0, 2.0 or 3.0
    DoubleVector rightHandSide; // 1..L (1..nb used); the solution after gaussSolve
    DoubleVector pointX;        // 1..ni+1
    DoubleVector pointY;        // 1..ni+1
    IntVector chainElementEnd;  // 0..nc+1: [k] = elements in chains 1..k
    IntVector chainNodeEnd;     // 0..nc+1: [k] = last boundary node of chain k
    DoubleMatrix systemMatrix;  // rows 1..3ne, columns 1..3ne+1
    IntMatrix elementNodes;     // rows 1..ne+1, columns 1..4
    double conductivity = 1.0;
    double ambientTemperature = 0.0;
    int localColumnCount = 0;       // 3·ne
    int boundaryNodeCount = 0;      // nb
    int elementCount = 0;           // ne
    int chainCount = 0;             // nc
    int internalRowCount = 0;       // ni
    int conditionLength = 0;        // C = 6·ne + 6
    DoubleVector nodeFlux;          // 1..N (1..nb used)
    DoubleVector nodePotential;     // 1..L (1..nb used)
    DoubleVector localFlux;         // 1..L (1..3ne used): element e at 3e-2, 3e-1, 3e
    DoubleVector localPotential;    // 1..L
    DoubleVector internalPotential; // 1..ni+1

    // Where the elimination writes its trace lines (standard output by
    // default; the command line sends them to standard error so that they do
    // not mix with the results).
    std::FILE* trace = stdout;

    // N = 3ne + 3ni + 1, L = 3ne + 1.
    int fullSize() const { return 3 * elementCount + 3 * internalRowCount + 1; }
    int localSize() const { return 3 * elementCount + 1; }
};

// With elementCount, internalRowCount, chainCount and conditionLength set,
// allocates every array, sets localColumnCount and element 0 of the two chain
// tables. Any array still held from an earlier computation is released first.
void allocateWorkspace(SolverContext& ctx);
// Releases every array allocateWorkspace obtained (kept for the next
// computation, see releaseKeptStorage).
void releaseWorkspace(SolverContext& ctx);
// The bytes the workspace holds now (all arrays together).
std::size_t workspaceBytes(const SolverContext& ctx);

// The messages of the allocation routines.
inline constexpr const char* kIvectorFailure = "błąd alokacji w ivector()";
inline constexpr const char* kDvectorFailure = "błąd alokacjiw dvector()";
inline constexpr const char* kMatrixRowsFailure = "allocation failure 1 in matrix()";
inline constexpr const char* kMatrixBlockFailure = "allocation failure 2 in matrix()";

} // namespace zorind::solver

#include "core/solver/Workspace.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "core/ui/FatalError.h"

namespace zorind::solver {

namespace {

std::size_t allocationCeiling = std::size_t{1} << 40;

// Every block carries its capacity in a header ahead of it, so that a
// returned block can serve a later request of at most that size. The header
// keeps the block on malloc's alignment.
constexpr std::size_t kHeader = 16;

std::size_t capacityOf(void* block)
{
    std::size_t capacity = 0;
    std::memcpy(&capacity, static_cast<char*>(block) - kHeader, sizeof capacity);
    return capacity;
}

void freeBlock(void* block)
{
    std::free(static_cast<char*>(block) - kHeader);
}

// Blocks returned by the release routines, kept for the next computation:
// the window computes the same model again and again, and a fresh workspace
// would fault in every page of its matrices anew (a tenth of the largest
// model's compute). allocateWorkspace frees whatever it did not reuse, so
// when the model grows past the kept storage, the storage goes; the rest is
// freed when the program ends.
class KeptBlocks {
public:
    KeptBlocks() = default;
    KeptBlocks(const KeptBlocks&) = delete;
    KeptBlocks& operator=(const KeptBlocks&) = delete;
    ~KeptBlocks()
    {
        freeAll();
        ended() = true;
    }

    // Blocks released while static objects are being destroyed, after this
    // one, are freed at once.
    static bool& ended()
    {
        static bool flag = false;
        return flag;
    }

    void keep(void* block) { blocks_.push_back(block); }

    // The smallest kept block of at least `bytes`, taken out; or nothing.
    void* take(std::size_t bytes)
    {
        std::size_t best = blocks_.size();
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            const std::size_t capacity = capacityOf(blocks_[i]);
            if (capacity >= bytes && (best == blocks_.size() || capacity < capacityOf(blocks_[best]))) {
                best = i;
            }
        }
        if (best == blocks_.size()) {
            return nullptr;
        }
        void* block = blocks_[best];
        blocks_[best] = blocks_.back();
        blocks_.pop_back();
        return block;
    }

    void freeAll()
    {
        for (void* block : blocks_) {
            freeBlock(block);
        }
        blocks_.clear();
    }

private:
    std::vector<void*> blocks_;
};

KeptBlocks& keptBlocks()
{
    static KeptBlocks kept;
    return kept;
}

// Storage for `count` objects of `size` bytes, or nothing when the request
// overflows, exceeds the ceiling or the system refuses it.
void* obtain(std::size_t count, std::size_t size)
{
    if (count == 0 || count > std::numeric_limits<std::size_t>::max() / size) {
        return nullptr;
    }
    const std::size_t bytes = count * size;
    if (bytes > allocationCeiling || bytes > std::numeric_limits<std::size_t>::max() - kHeader) {
        return nullptr;
    }
    if (!KeptBlocks::ended()) {
        if (void* block = keptBlocks().take(bytes)) {
            return block;
        }
    }
    auto* raw = static_cast<char*>(std::malloc(bytes + kHeader));
    if (raw == nullptr) {
        return nullptr;
    }
    std::memcpy(raw, &bytes, sizeof bytes);
    return raw + kHeader;
}

// Gives a block obtained above back for reuse.
void giveBack(void* block)
{
    if (block == nullptr) {
        return;
    }
    if (KeptBlocks::ended()) {
        freeBlock(block);
        return;
    }
    keptBlocks().keep(block);
}

} // namespace

void releaseKeptStorage()
{
    if (!KeptBlocks::ended()) {
        keptBlocks().freeAll();
    }
}

namespace {

// Number of addressable elements of lo..hi (0 for an empty range).
long long extent(int lo, int hi)
{
    const long long n = static_cast<long long>(hi) - static_cast<long long>(lo) + 1;
    return n < 0 ? 0 : n;
}

} // namespace

std::size_t setAllocationCeiling(std::size_t bytes)
{
    const std::size_t previous = allocationCeiling;
    allocationCeiling = bytes;
    return previous;
}

template <class T> void OffsetVector<T>::reset()
{
    giveBack(block_);
    block_ = nullptr;
    low_ = 1;
    high_ = 0;
}

template <class T> void OffsetMatrix<T>::reset()
{
    giveBack(block_);
    giveBack(rows_);
    block_ = nullptr;
    rows_ = nullptr;
    rowLow_ = 1;
    rowHigh_ = 0;
    colLow_ = 1;
    colHigh_ = 0;
}

template <class U> OffsetVector<U> allocateVector(int nl, int nh, const char* failureMessage)
{
    const long long n = extent(nl, nh);
    if (n == 0) {
        nh = nl - 1;
    }
    // One spare element ahead of the range.
    auto* block = static_cast<U*>(obtain(static_cast<std::size_t>(n) + 1, sizeof(U)));
    if (block == nullptr) {
        fatalError(failureMessage);
    }
    std::memset(static_cast<void*>(block), 0, (static_cast<std::size_t>(n) + 1) * sizeof(U));
    OffsetVector<U> v;
    v.block_ = block;
    v.low_ = nl;
    v.high_ = nh;
    return v;
}

template <class U> OffsetMatrix<U> allocateMatrix(int nrl, int nrh, int ncl, int nch)
{
    const long long nrow = extent(nrl, nrh);
    const long long ncol = extent(ncl, nch);
    if (nrow == 0) {
        nrh = nrl - 1;
    }
    if (ncol == 0) {
        nch = ncl - 1;
    }
    const auto nrowSize = static_cast<std::size_t>(nrow);
    const auto ncolSize = static_cast<std::size_t>(ncol);
    // A block whose size cannot even be expressed is refused before anything
    // is obtained.
    std::size_t elements = 0;
    if (ncolSize == 0 || nrowSize <= (std::numeric_limits<std::size_t>::max() - 1) / ncolSize) {
        elements = nrowSize * ncolSize + 1;
    }
    if (elements == 0 || elements > std::numeric_limits<std::size_t>::max() / sizeof(U) ||
        elements * sizeof(U) > allocationCeiling) {
        fatalError(kMatrixBlockFailure);
    }
    auto** rows = static_cast<U**>(obtain(nrowSize + 1, sizeof(U*)));
    if (rows == nullptr) {
        fatalError(kMatrixRowsFailure);
    }
    auto* block = static_cast<U*>(obtain(elements, sizeof(U)));
    if (block == nullptr) {
        giveBack(rows);
        fatalError(kMatrixBlockFailure);
    }
    rows[0] = nullptr;
    for (std::size_t r = 0; r < nrowSize; ++r) {
        rows[r + 1] = block + 1 + r * ncolSize;
    }
    OffsetMatrix<U> m;
    m.rows_ = rows;
    m.block_ = block;
    m.rowLow_ = nrl;
    m.rowHigh_ = nrh;
    m.colLow_ = ncl;
    m.colHigh_ = nch;
    return m;
}

template class OffsetVector<int32_t>;
template class OffsetVector<double>;
template class OffsetMatrix<int32_t>;
template class OffsetMatrix<double>;

IntVector ivector(int nl, int nh)
{
    return allocateVector<int32_t>(nl, nh, kIvectorFailure);
}

DoubleVector dvector(int nl, int nh)
{
    return allocateVector<double>(nl, nh, kDvectorFailure);
}

DoubleMatrix matrix(int nrl, int nrh, int ncl, int nch)
{
    return allocateMatrix<double>(nrl, nrh, ncl, nch);
}

IntMatrix intMatrix(int nrl, int nrh, int ncl, int nch)
{
    return allocateMatrix<int32_t>(nrl, nrh, ncl, nch);
}

void releaseIvector(IntVector& v, [[maybe_unused]] int nl)
{
    assert(!v.allocated() || v.low() == nl);
    v.reset();
}

void releaseDvector(DoubleVector& v, [[maybe_unused]] int nl)
{
    assert(!v.allocated() || v.low() == nl);
    v.reset();
}

void releaseMatrix(DoubleMatrix& m, [[maybe_unused]] int nrl, [[maybe_unused]] int ncl)
{
    assert(!m.allocated() || (m.rowLow() == nrl && m.colLow() == ncl));
    m.reset();
}

void releaseIntMatrix(IntMatrix& m, [[maybe_unused]] int nrl, [[maybe_unused]] int ncl)
{
    assert(!m.allocated() || (m.rowLow() == nrl && m.colLow() == ncl));
    m.reset();
}

void allocateWorkspace(SolverContext& ctx)
{
    releaseWorkspace(ctx);
    const int ne = ctx.elementCount;
    const int ni = ctx.internalRowCount;
    const int nc = ctx.chainCount;
    const int N = ctx.fullSize();
    const int L = ctx.localSize();
    const int C = ctx.conditionLength;
    const int localColumns = 3 * ne;

    ctx.elementGeometry = dvector(1, C);
    ctx.elementConditions = dvector(1, C);
    ctx.nodeX = dvector(1, N);
    ctx.nodeY = dvector(1, N);
    ctx.elementLength = dvector(1, N);
    ctx.nodeValue = dvector(1, N);
    ctx.nodeKind = dvector(1, L);
    ctx.rightHandSide = dvector(1, L);
    ctx.pointX = dvector(1, ni + 1);
    ctx.pointY = dvector(1, ni + 1);
    ctx.chainElementEnd = ivector(0, nc + 1);
    ctx.chainNodeEnd = ivector(0, nc + 1);
    // nb is not known yet; it never exceeds 3·ne.
    ctx.systemMatrix = matrix(1, localColumns, 1, localColumns + 1);
    ctx.elementNodes = intMatrix(1, ne + 1, 1, 4);
    ctx.nodeFlux = dvector(1, N);
    ctx.nodePotential = dvector(1, L);
    ctx.localFlux = dvector(1, L);
    ctx.localPotential = dvector(1, L);
    ctx.internalPotential = dvector(1, ni + 1);

    ctx.localColumnCount = localColumns;
    ctx.chainElementEnd[0] = 0;
    ctx.chainNodeEnd[0] = 0;
    // Kept storage this model had no use for was too small for it.
    releaseKeptStorage();
}

void releaseWorkspace(SolverContext& ctx)
{
    releaseDvector(ctx.elementGeometry, 1);
    releaseDvector(ctx.elementConditions, 1);
    releaseDvector(ctx.nodeX, 1);
    releaseDvector(ctx.nodeY, 1);
    releaseDvector(ctx.elementLength, 1);
    releaseDvector(ctx.nodeValue, 1);
    releaseDvector(ctx.nodeKind, 1);
    releaseDvector(ctx.rightHandSide, 1);
    releaseDvector(ctx.pointX, 1);
    releaseDvector(ctx.pointY, 1);
    releaseIvector(ctx.chainElementEnd, 0);
    releaseIvector(ctx.chainNodeEnd, 0);
    releaseMatrix(ctx.systemMatrix, 1, 1);
    releaseIntMatrix(ctx.elementNodes, 1, 1);
    releaseDvector(ctx.nodeFlux, 1);
    releaseDvector(ctx.nodePotential, 1);
    releaseDvector(ctx.localFlux, 1);
    releaseDvector(ctx.localPotential, 1);
    releaseDvector(ctx.internalPotential, 1);
}

std::size_t workspaceBytes(const SolverContext& ctx)
{
    return ctx.elementGeometry.bytes() + ctx.elementConditions.bytes() + ctx.nodeX.bytes() + ctx.nodeY.bytes() +
           ctx.elementLength.bytes() + ctx.nodeValue.bytes() + ctx.nodeKind.bytes() +
           ctx.rightHandSide.bytes() + ctx.pointX.bytes() + ctx.pointY.bytes() + ctx.chainElementEnd.bytes() +
           ctx.chainNodeEnd.bytes() + ctx.systemMatrix.bytes() +
           ctx.elementNodes.bytes() + ctx.nodeFlux.bytes() + ctx.nodePotential.bytes() + ctx.localFlux.bytes() +
           ctx.localPotential.bytes() + ctx.internalPotential.bytes();
}

} // namespace zorind::solver

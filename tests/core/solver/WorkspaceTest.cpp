#include <gtest/gtest.h>

#include "core/solver/Compute.h"
#include "core/solver/Workspace.h"
#include "support/SolverModels.h"

namespace zorind::solver {
namespace {

TEST(OffsetArrays, VectorsAddressExactlyTheirRangeAndStartCleared)
{
    DoubleVector v = dvector(1, 5);
    EXPECT_EQ(v.low(), 1);
    EXPECT_EQ(v.high(), 5);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(v[i], 0.0);
        v[i] = i * 1.5;
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(v[i], i * 1.5);
    }
    // One spare element ahead of the five addressable ones.
    EXPECT_EQ(v.bytes(), 6 * sizeof(double));

    IntVector chains = ivector(0, 3);
    chains[0] = 7;
    chains[3] = 9;
    EXPECT_EQ(chains[0], 7);
    EXPECT_EQ(chains[3], 9);
    EXPECT_EQ(chains.bytes(), 5 * sizeof(int32_t));

    releaseDvector(v, 1);
    releaseIvector(chains, 0);
    EXPECT_FALSE(v.allocated());
    EXPECT_EQ(v.bytes(), 0u);
}

TEST(OffsetArrays, AnEmptyRangeHasNoUsableIndex)
{
    DoubleVector none = dvector(1, 0);
    EXPECT_TRUE(none.allocated());
    EXPECT_LT(none.high(), none.low());
    DoubleMatrix noColumns = matrix(1, 3, 1, 0);
    EXPECT_LT(noColumns.colHigh(), noColumns.colLow());
}

TEST(OffsetArrays, MatrixRowsLieEndToEndInOneBlock)
{
    DoubleMatrix m = matrix(1, 4, 1, 3);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 3; ++j) {
            m[i][j] = 10.0 * i + j;
        }
    }
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(m.rowData(i + 1), m.rowData(i) + 3);
    }
    EXPECT_EQ(m.rowData(2)[0], 21.0);
    EXPECT_EQ(m.rowBase(3)[3], 33.0);
    // Row table with a spare entry, block with a spare element.
    EXPECT_EQ(m.bytes(), 5 * sizeof(double*) + 13 * sizeof(double));

    IntMatrix nodes = intMatrix(1, 2, 1, 4);
    nodes[2][4] = 42;
    EXPECT_EQ(nodes[2][4], 42);
}

#ifndef NDEBUG
TEST(OffsetArraysDeathTest, IndicesOutsideTheRangeAreCaughtInDebugBuilds)
{
    DoubleVector v = dvector(1, 3);
    EXPECT_DEATH(v[0] = 1.0, "");
    EXPECT_DEATH(v[4] = 1.0, "");
    DoubleMatrix m = matrix(1, 2, 1, 2);
    EXPECT_DEATH(m[3][1] = 1.0, "");
    EXPECT_DEATH(m[1][0] = 1.0, "");
}
#endif

// Allocation failure ends the program with status 1 after three lines on
// standard error (code page 852, so only the ASCII parts are matched here).
TEST(OffsetArraysDeathTest, AllocationFailureIsFatalWithTheRoutinesMessage)
{
    EXPECT_EXIT(
        {
            setAllocationCeiling(1000);
            dvector(1, 1000);
        },
        ::testing::ExitedWithCode(1),
        "podczas dzia.ania programu \n.*alokacjiw dvector\\(\\)\n\\.\\.\\.powr.t do systemu");
    EXPECT_EXIT(
        {
            setAllocationCeiling(1000);
            ivector(0, 1000);
        },
        ::testing::ExitedWithCode(1), "alokacji w ivector\\(\\)");
    EXPECT_EXIT(
        {
            setAllocationCeiling(1000);
            matrix(1, 10, 1, 100);
        },
        ::testing::ExitedWithCode(1), "allocation failure 2 in matrix\\(\\)");
    EXPECT_EXIT(
        {
            setAllocationCeiling(1000);
            intMatrix(1, 1000, 1, 0);
        },
        ::testing::ExitedWithCode(1), "allocation failure 1 in matrix\\(\\)");
    // A request whose size overflows is refused, not wrapped round.
    EXPECT_EXIT(matrix(1, 2000000000, 1, 2000000000), ::testing::ExitedWithCode(1), "allocation failure 2");
}

TEST(Workspace, SizesFollowTheModelAndReleaseReturnsEverything)
{
    SolverContext ctx;
    ctx.elementCount = 10;
    ctx.internalRowCount = 4;
    ctx.chainCount = 2;
    ctx.conditionLength = 66;
    allocateWorkspace(ctx);
    EXPECT_EQ(ctx.localColumnCount, 30);
    EXPECT_EQ(ctx.chainElementEnd[0], 0);
    EXPECT_EQ(ctx.chainNodeEnd[0], 0);
    EXPECT_EQ(ctx.chainElementEnd.high(), 3);
    EXPECT_EQ(ctx.nodeX.high(), 30 + 12 + 1);
    EXPECT_EQ(ctx.nodeKind.high(), 31);
    EXPECT_EQ(ctx.pointX.high(), 5);
    EXPECT_EQ(ctx.systemMatrix.rowHigh(), 30);
    EXPECT_EQ(ctx.systemMatrix.colHigh(), 31);
    EXPECT_EQ(ctx.elementNodes.rowHigh(), 11);
    EXPECT_EQ(ctx.elementNodes.colHigh(), 4);
    EXPECT_GT(workspaceBytes(ctx), 0u);
    releaseWorkspace(ctx);
    EXPECT_EQ(workspaceBytes(ctx), 0u);
}

// The largest models the tables can hold need the system and a few vectors:
// 4.5 MB for 249 elements with every node double. Holding G and H as well
// would take three times as much.
TEST(Workspace, TheLargestModelsNeedLessThan5MB)
{
    constexpr std::size_t limit = 5u * 1000u * 1000u;
    SolverContext ctx;
    prepareWorkspace(ctx, test::largestModel());
    EXPECT_LT(workspaceBytes(ctx), limit);
    releaseWorkspace(ctx);

    // 249 elements (the element table's capacity) with 499 internal points.
    ctx.elementCount = kMaxElements;
    ctx.internalRowCount = kMaxInternalPoints;
    ctx.chainCount = 19;
    ctx.conditionLength = 6 * kMaxElements + 6;
    allocateWorkspace(ctx);
    EXPECT_LT(workspaceBytes(ctx), limit);
}

TEST(PrepareWorkspace, CopiesTheModelInDoublePrecision)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0.0f, 0.0f}, {1.0f, 0.1f}, {0.0f, 1.0f}});
    const int hole = test::addBoundary(p, InnerBoundary);
    const int hot = test::addCondition(p, 1.0f, 5.0f, 6.0f, 7.0f);
    test::addPolygon(p, {{0.2f, 0.2f}, {0.2f, 0.4f}, {0.4f, 0.2f}}, hot, hole);
    test::addInternalPoint(p, 0.25f, 0.5f);
    p.ambientTemperature = 3.5f;
    p.conductivity = 0.0f;

    SolverContext ctx;
    prepareWorkspace(ctx, p);
    EXPECT_EQ(ctx.elementCount, 6);
    EXPECT_EQ(ctx.internalRowCount, 1);
    EXPECT_EQ(ctx.chainCount, 2);
    EXPECT_EQ(ctx.conditionLength, 42);
    EXPECT_EQ(ctx.chainElementEnd[0], 0);
    EXPECT_EQ(ctx.chainElementEnd[1], 3);
    EXPECT_EQ(ctx.chainElementEnd[2], 6);
    // Element 1 runs from (0, 0) to (1, 0.1f): the midpoint in double.
    EXPECT_EQ(ctx.elementGeometry[1], 0.0);
    EXPECT_EQ(ctx.elementGeometry[3], 0.5);
    EXPECT_EQ(ctx.elementGeometry[4], static_cast<double>(0.1f) / 2.0);
    // Element 4 carries condition 2: (kind, value) at node 1, middle, node 2.
    EXPECT_EQ(ctx.elementConditions[19], 1.0);
    EXPECT_EQ(ctx.elementConditions[20], 5.0);
    EXPECT_EQ(ctx.elementConditions[22], 6.0);
    EXPECT_EQ(ctx.elementConditions[24], 7.0);
    EXPECT_EQ(ctx.pointX[1], 0.25);
    EXPECT_EQ(ctx.ambientTemperature, 3.5);
    // A conductivity that is not positive is replaced for the computation.
    EXPECT_EQ(ctx.conductivity, 1.0);
    EXPECT_EQ(p.conductivity, 0.0f);
}

TEST(PrepareWorkspace, OneBoundaryIsOneChain)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    SolverContext ctx;
    prepareWorkspace(ctx, p);
    EXPECT_EQ(ctx.chainCount, 1);
    EXPECT_EQ(ctx.chainElementEnd[1], 4);
}

TEST(PrepareWorkspace, RefusesReferencesOutsideTheTables)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {1, 1}});
    p.elements[2].endNode = 9;
    SolverContext ctx;
    EXPECT_THROW(prepareWorkspace(ctx, p), std::out_of_range);
}

} // namespace
} // namespace zorind::solver

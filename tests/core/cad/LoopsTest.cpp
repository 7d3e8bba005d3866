#include <gtest/gtest.h>

#include "core/cad/Loops.h"

namespace zorind::cad {
namespace {

// Where a step of a loop starts and ends, in the loop's direction.
Point stepStart(const std::vector<Piece>& pieces, const LoopStep& s)
{
    return s.reversed ? endOf(pieces[s.piece]) : startOf(pieces[s.piece]);
}
Point stepEnd(const std::vector<Piece>& pieces, const LoopStep& s)
{
    return s.reversed ? startOf(pieces[s.piece]) : endOf(pieces[s.piece]);
}

TEST(Loops, PiecesInAnyOrderAndDirectionCloseIntoALoopStartingAtTheFirstPiece)
{
    // A square's sides out of order, two of them reversed, the ends missing
    // each other by 1e-7.
    const std::vector<Piece> pieces = {Line{{10, 0}, {10, 10}}, Line{{0, 0}, {0, 10}}, Line{{10, 10 + 1e-7}, {0, 10}},
                                       Line{{10, 0}, {0, 1e-7}}};
    const Joining joining = joinPieces(pieces, 1e-4);
    ASSERT_EQ(joining.loops.size(), 1u);
    EXPECT_TRUE(joining.openEnds.empty());
    const std::vector<LoopStep>& steps = joining.loops[0].steps;
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].piece, 0u);
    EXPECT_FALSE(steps[0].reversed);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_LT(distance(stepEnd(pieces, steps[k]), stepStart(pieces, steps[(k + 1) % steps.size()])), 1e-6);
    }
}

TEST(Loops, ARealGapLeavesTwoOpenEndsAndABranchIsNamed)
{
    const std::vector<Piece> open = {Line{{0, 0}, {10, 0}}, Line{{10, 0}, {10, 10}}, Line{{10, 10}, {0.01, 0}}};
    const Joining gap = joinPieces(open, 1e-4);
    EXPECT_TRUE(gap.loops.empty());
    ASSERT_EQ(gap.openEnds.size(), 2u);
    EXPECT_EQ(gap.openEnds[0].x + gap.openEnds[1].x, 0.01);

    std::vector<Piece> branched = {Line{{0, 0}, {10, 0}}, Line{{10, 0}, {0, 10}}, Line{{0, 10}, {0, 0}},
                                   Line{{0, 0}, {-5, -5}}};
    const Joining branch = joinPieces(branched, 1e-4);
    ASSERT_EQ(branch.branchPoints.size(), 1u);
    EXPECT_EQ(branch.branchPoints[0], (Point{0, 0}));
    EXPECT_TRUE(branch.loops.empty());
}

TEST(Loops, APieceShorterThanTheToleranceBridgesItsNeighboursAndACircleIsALoopAlone)
{
    const std::vector<Piece> pieces = {circularArc({50, 50}, 1, 0.0, 6.283185307179586), Line{{0, 0}, {10, 0}},
                                       Line{{10, 0}, {10, 0.00009}}, Line{{10, 0.00018}, {0, 0}}};
    const Joining joining = joinPieces(pieces, 1e-4);
    ASSERT_EQ(joining.loops.size(), 2u);
    EXPECT_EQ(joining.loops[0].steps.size(), 1u);
    EXPECT_EQ(joining.loops[1].steps.size(), 2u);
}

} // namespace
} // namespace zorind::cad

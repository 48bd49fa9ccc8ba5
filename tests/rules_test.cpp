// The rules of movement, capture and crowning.
#include "engine/game.h"
#include "engine/turn_flags.h"
#include "tests/support/boards.h"

#include <gtest/gtest.h>

namespace {

const DirectionFlags none{0, 0, 0, 0};

DirectionFlags steps(const Game& position, int x, int y) {
    DirectionFlags flags{9, 9, 9, 9};
    position.stepOptions(x, y, flags);
    return flags;
}

DirectionFlags jumps(const Game& position, int x, int y) {
    DirectionFlags flags{9, 9, 9, 9};
    position.jumpOptions(x, y, flags);
    return flags;
}

TEST(PlainMoves, AManStepsForwardOnlyAndAKingEveryWay) {
    Game position;
    placePieces(position, {{5, 5, RedMan}, {4, 4, BlueMan}}, Red);
    EXPECT_EQ(steps(position, 5, 5), (DirectionFlags{0, 1, 0, 0})); // (4,4) taken, backwards never
    EXPECT_EQ(steps(position, 4, 4), (DirectionFlags{0, 0, 1, 0})); // (5,5) taken

    placePieces(position, {{5, 5, RedKing}, {6, 6, BlueKing}, {3, 3, BlueKing}}, Red);
    EXPECT_EQ(steps(position, 5, 5), (DirectionFlags{1, 1, 1, 0}));
    EXPECT_EQ(steps(position, 3, 3), (DirectionFlags{1, 1, 1, 1}));
}

TEST(PlainMoves, TheWallStopsAPieceAtTheEdge) {
    Game position;
    placePieces(position, {{2, 6, RedMan}, {9, 9, BlueKing}, {2, 2, RedKing}}, Red);
    EXPECT_EQ(steps(position, 2, 6), (DirectionFlags{0, 1, 0, 0}));
    EXPECT_EQ(steps(position, 9, 9), (DirectionFlags{1, 0, 0, 0}));
    EXPECT_EQ(steps(position, 2, 2), (DirectionFlags{0, 0, 0, 1}));
}

TEST(PlainMoves, SelectedAndEmptySquaresAndBlankEntriesHaveNone) {
    Game position;
    placePieces(position, {{5, 5, RedManSelected}, {7, 5, BlueKingSelected}}, Red);
    EXPECT_EQ(steps(position, 5, 5), none);
    EXPECT_EQ(steps(position, 7, 5), none);
    EXPECT_EQ(steps(position, 3, 5), none);
    EXPECT_EQ(steps(position, -1, -1), none);
}

TEST(IsLegalStep, ChecksTheMovingPieceNotWhoseTurnItIs) {
    Game position;
    placePieces(position, {{4, 4, BlueMan}, {6, 6, RedMan}, {5, 7, RedMan}}, Red);
    EXPECT_EQ(position.isLegalStep({4, 4, 5, 5}), 1); // blue man downwards on red's turn
    EXPECT_EQ(position.isLegalStep({4, 4, 3, 3}), 0); // blue man upwards
    EXPECT_EQ(position.isLegalStep({6, 6, 8, 4}), 0); // two squares
    EXPECT_EQ(position.isLegalStep({4, 4, 4, 5}), 0); // not diagonal
    EXPECT_EQ(position.isLegalStep({5, 7, 6, 6}), 0); // onto a piece
    EXPECT_EQ(position.isLegalStep({3, 5, 2, 4}), 0); // from an empty square
    EXPECT_EQ(position.isLegalStep({6, 6, 5, 5}), 1);
    EXPECT_EQ(position.isLegalStep({6, 6, 7, 7}), 0); // red man backwards
}

TEST(Captures, AManCapturesForwardOverAnAdjacentEnemy) {
    Game position;
    placePieces(position, {{4, 4, BlueMan}, {5, 5, RedMan}}, Blue);
    EXPECT_EQ(position.canCapture(4, 4, Blue), 1);
    EXPECT_EQ(jumps(position, 4, 4), (DirectionFlags{0, 0, 0, 1}));
    // Face to face, each man has the other in front of it.
    EXPECT_EQ(position.canCapture(5, 5, Red), 1);
    EXPECT_EQ(jumps(position, 5, 5), (DirectionFlags{1, 0, 0, 0}));
}

TEST(Captures, AManNeverCapturesBackwardsButAKingDoes) {
    Game position;
    placePieces(position, {{4, 4, BlueMan}, {3, 3, RedMan}}, Blue);
    EXPECT_EQ(position.canCapture(4, 4, Blue), 0);
    EXPECT_EQ(jumps(position, 4, 4), none);
    position.setSquare(4, 4, BlueKing);
    EXPECT_EQ(position.canCapture(4, 4, Blue), 1);
    EXPECT_EQ(jumps(position, 4, 4), (DirectionFlags{1, 0, 0, 0}));
}

TEST(Captures, TheLandingSquareMustBeEmptyAndOnTheBoard) {
    Game position;
    placePieces(position, {{3, 3, RedMan}, {2, 2, BlueMan}}, Red);
    EXPECT_EQ(position.canCapture(3, 3, Red), 0); // (1,1) is Wall
    placePieces(position, {{5, 5, RedMan}, {4, 4, BlueMan}, {3, 3, BlueMan}}, Red);
    EXPECT_EQ(position.canCapture(5, 5, Red), 0); // (3,3) is taken
    EXPECT_EQ(jumps(position, 5, 5), none);
}

TEST(Captures, AKingSurroundedOnFourSidesCanJumpEachWay) {
    Game position;
    placePieces(
        position,
        {{5, 5, RedKing}, {4, 4, BlueMan}, {6, 4, BlueKing}, {4, 6, BlueMan}, {6, 6, BlueMan}},
        Red);
    EXPECT_EQ(jumps(position, 5, 5), (DirectionFlags{1, 1, 1, 1}));
    EXPECT_EQ(position.canCapture(5, 5, Red), 1);
}

TEST(Captures, ASelectedPieceIsNeitherCapturedNorCapturing) {
    Game position;
    // The man's two captures: over a selected piece, and onto a square that is taken.
    placePieces(position,
                {{5, 5, RedMan}, {4, 4, BlueManSelected}, {6, 4, BlueMan}, {7, 3, RedMan}}, Red);
    EXPECT_EQ(jumps(position, 5, 5), none);
    EXPECT_EQ(position.canCapture(5, 5, Red), 0);

    placePieces(position, {{5, 5, RedManSelected}, {4, 4, BlueMan}}, Red);
    EXPECT_EQ(position.canCapture(5, 5, Red), 0);
    EXPECT_EQ(jumps(position, 5, 5), none);
}

TEST(Captures, TheSideArgumentMustMatchThePiece) {
    Game position;
    placePieces(position, {{4, 4, BlueMan}, {5, 5, RedMan}}, Blue);
    EXPECT_EQ(position.canCapture(4, 4, Red), 0);
    EXPECT_EQ(position.canCapture(4, 4, 3), 0); // any nonzero side is Red
    placePieces(position, {{5, 5, RedMan}, {4, 4, BlueMan}}, Red);
    EXPECT_EQ(position.canCapture(5, 5, 3), 1);
    EXPECT_EQ(position.canCapture(5, 5, Blue), 0);
    EXPECT_EQ(position.canCapture(-1, -1, Red), 0);
    EXPECT_EQ(jumps(position, -1, -1), none);
}

TEST(SideTests, ABlockedSideMayStillHaveACapture) {
    Game position;
    // (2,8) is walled in by its own man; (3,7) has blue men on both forward squares and can jump
    // the one on (4,6).
    placePieces(position, {{2, 8, RedMan}, {3, 7, RedMan}, {2, 6, BlueMan}, {4, 6, BlueMan}}, Red);
    EXPECT_EQ(position.sideHasNoStep(Red), 1);
    EXPECT_EQ(position.sideHasCapture(Red), 1);
    EXPECT_EQ(position.sideHasNoStep(2), 0);
}

TEST(SideTests, ASideWithCountZeroHasNoCaptureAndNoStep) {
    Game position;
    placePieces(position, {{4, 4, BlueMan}}, Blue);
    EXPECT_EQ(position.getCount(Red), 0);
    EXPECT_EQ(position.sideHasCapture(Red), 0);
    EXPECT_EQ(position.sideHasNoStep(Red), 1);
}

TEST(SideTests, ScanOnlyAsManyListEntriesAsTheSidesCount) {
    Game position;
    // Two red men: the first listed, (2,8), is blocked; the second, (5,9), has a step and a jump.
    placePieces(position, {{2, 8, RedMan}, {3, 7, BlueMan}, {4, 6, BlueMan}, {5, 9, RedMan}}, Red);
    position.setSquare(6, 8, BlueMan);
    EXPECT_EQ(position.sideHasNoStep(Red), 0);
    EXPECT_EQ(position.sideHasCapture(Red), 1);

    position.decrementCount(Red); // the count now covers (2,8) only
    EXPECT_EQ(position.sideHasNoStep(Red), 1);
    EXPECT_EQ(position.sideHasCapture(Red), 0);
}

// Inside the search counts stay up while pieces are taken off: the scans then reach blank entries.
TEST(SideTests, ACountAboveThePiecesGivesTheSameAnswers) {
    const char* const boards[] = {
        R"(
        ........
        ........
        ..b.....
        .r.r....
        ......b.
        .....r..
        r.......
        ........)",
        R"(
        b.......
        .r......
        ........
        ........
        ........
        ........
        ..b.....
        .r......)",
        R"(
        ........
        ........
        ........
        ........
        b.......
        .r......
        r.b.....
        ........)",
    };
    for (const char* board : boards) {
        Game exact;
        placeBoard(exact, board, Red);
        Game counted;
        counted.newGame(); // counts of 12
        for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
            for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
                counted.setSquare(x, y, exact.getSquare(x, y));
            }
        }
        for (int side : {Red, Blue}) {
            EXPECT_EQ(counted.sideHasCapture(side), exact.sideHasCapture(side)) << board;
            EXPECT_EQ(counted.sideHasNoStep(side), exact.sideHasNoStep(side)) << board;
        }
    }
}

TEST(MakeMove, CrownsAManOnTheFarRowOnly) {
    Game position;
    placePieces(position, {{3, 3, RedMan}, {4, 8, BlueMan}, {7, 3, RedKing}, {8, 8, BlueKing}},
                Red);
    crowned = 7;
    position.makeMove({3, 3, 2, 2});
    EXPECT_EQ(position.getSquare(2, 2), RedKing);
    EXPECT_EQ(position.getSquare(3, 3), Empty);
    EXPECT_EQ(crowned, 1);

    position.makeMove({4, 8, 5, 9});
    EXPECT_EQ(position.getSquare(5, 9), BlueKing);
    EXPECT_EQ(crowned, 1);

    position.makeMove({7, 3, 8, 2}); // a king on the far row stays as it is
    EXPECT_EQ(position.getSquare(8, 2), RedKing);
    EXPECT_EQ(crowned, 0);

    position.makeMove({8, 8, 9, 9});
    EXPECT_EQ(crowned, 0);
    position.makeMove({2, 2, 3, 3});
    EXPECT_EQ(position.getSquare(3, 3), RedKing);
    EXPECT_EQ(crowned, 0);
}

TEST(MakeMove, LeavesTheJumpedPieceCountsAndTurnAlone) {
    Game position;
    placePieces(position, {{5, 5, RedMan}, {4, 4, BlueMan}}, Red);
    position.makeMove({5, 5, 3, 3});
    EXPECT_EQ(position.getSquare(3, 3), RedMan);
    EXPECT_EQ(position.getSquare(4, 4), BlueMan);
    EXPECT_EQ(position.getCount(Blue), 1);
    EXPECT_EQ(position.getSideToMove(), Red);
}

} // namespace

// The game-tree search: its bounds, cut-offs, ties, capture chains and the board it leaves.
#include "ai/values.h"
#include "engine/game.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"

#include <gtest/gtest.h>

namespace {

constexpr Move unwritten{-7, -7, -7, -7};

struct SearchResult {
    int value;
    Move move;
    long long leaves;
};

SearchResult searchFrom(Game& position, int side, int depth, unsigned seed, int alpha = BlueLost,
                        int beta = RedLost) {
    seedRandom(seed);
    const long long before = position.evaluatedLeaves();
    Move move = unwritten;
    const int value = position.search(side, depth, alpha, beta, move);
    return {value, move, position.evaluatedLeaves() - before};
}

// One blue man with two steps, one red man with two steps, far apart: every leaf is worth its
// jitter alone, so the generator's draws decide everything.
void placeQuietMen(Game& position, int sideToMove) {
    placePieces(position, {{5, 3, BlueMan}, {8, 8, RedMan}}, sideToMove);
}

constexpr Move blueFirstStep{5, 3, 4, 4};  // slot 2, generated first
constexpr Move blueSecondStep{5, 3, 6, 4}; // slot 3

TEST(SearchDepthZero, ScoresMaterialEvenWhenTheSideHasLost) {
    Game position;
    placePieces(position, {{4, 4, BlueMan}, {6, 6, BlueKing}}, Blue);
    const SearchResult result = searchFrom(position, Red, 0, 5);
    EXPECT_TRUE(result.value == 5 || result.value == 6) << result.value; // 2 + 3, jitter added
    EXPECT_EQ(result.move, unwritten);
    EXPECT_EQ(result.leaves, 1);
}

TEST(SearchLostSide, ASideWithoutPiecesHasLostWhateverTheOtherBound) {
    Game position;
    placePieces(position, {{4, 4, BlueMan}}, Blue);
    for (int alpha : {BlueLost, 0, 5000}) {
        const SearchResult result = searchFrom(position, Red, 3, 9, alpha);
        EXPECT_EQ(result.value, RedLost);
        EXPECT_EQ(result.move, unwritten);
        EXPECT_EQ(result.leaves, 0);
    }
    placePieces(position, {{4, 4, RedKing}}, Red);
    for (int beta : {RedLost, 0, -5000}) {
        EXPECT_EQ(searchFrom(position, Blue, 1, 9, BlueLost, beta).value, BlueLost);
    }
    // Nothing was drawn from the generator.
    const int next = drawRandom();
    EXPECT_EQ(next, randAfterDraws(9, 0));
}

TEST(SearchLostSide, ASideWithPiecesButNoMoveHasLost) {
    Game position;
    placePieces(position, {{3, 3, RedMan}, {2, 2, BlueMan}, {4, 2, BlueMan}}, Red);
    EXPECT_EQ(searchFrom(position, Red, 4, 1).value, RedLost);
    placePieces(position, {{4, 8, BlueMan}, {3, 9, RedMan}, {5, 9, RedMan}}, Blue);
    EXPECT_EQ(searchFrom(position, Blue, 4, 1).value, BlueLost);
}

TEST(SearchLostSide, ASideWithOnlyACaptureHasNotLost) {
    Game position;
    placePieces(position, {{2, 8, RedMan}, {3, 7, RedMan}, {2, 6, BlueMan}, {4, 6, BlueMan}}, Red);
    const SearchResult result = searchFrom(position, Red, 1, 3);
    EXPECT_EQ(result.move, (Move{3, 7, 5, 5}));
    EXPECT_EQ(result.leaves, 1);
}

TEST(SearchTies, OfEquallyValuedMovesTheLaterOneIsKept) {
    Game position;
    placeQuietMen(position, Blue);
    for (int jitter : {0, 1}) {
        const SearchResult tie = searchFrom(position, Blue, 1, seedWithJitters({jitter, jitter}));
        EXPECT_EQ(tie.move, blueSecondStep);
        EXPECT_EQ(tie.value, jitter);
    }
    const SearchResult firstBetter = searchFrom(position, Blue, 1, seedWithJitters({1, 0}));
    EXPECT_EQ(firstBetter.move, blueFirstStep);
    EXPECT_EQ(firstBetter.value, 1);
}

// Root (blue) records its first move at the smaller of red's two replies. Under the second move,
// red stops at its first reply worth that much or less, and the root then takes the later move.
TEST(SearchCutOffs, ARedNodeStopsAtItsParentsBestValueOrBelow) {
    Game position;
    placeQuietMen(position, Blue);
    const SearchResult cut = searchFrom(position, Blue, 2, seedWithJitters({0, 0, 0}));
    EXPECT_EQ(cut.leaves, 3);
    EXPECT_EQ(cut.move, blueSecondStep);
    EXPECT_EQ(cut.value, 0);

    const SearchResult noCut = searchFrom(position, Blue, 2, seedWithJitters({1, 0, 1, 1}));
    EXPECT_EQ(noCut.leaves, 4);
    EXPECT_EQ(noCut.move, blueSecondStep);
    EXPECT_EQ(noCut.value, 1);
}

TEST(SearchCutOffs, ANodeStopsAtTheOtherSidesBoundAndReturnsItsOwnValue) {
    Game position;
    placeQuietMen(position, Blue);
    // A blue node given beta 0 stops at its first move, whose value may lie above 0.
    const SearchResult blue = searchFrom(position, Blue, 1, seedWithJitters({1, 0}), BlueLost, 0);
    EXPECT_EQ(blue.leaves, 1);
    EXPECT_EQ(blue.value, 1);
    EXPECT_EQ(blue.move, blueFirstStep);

    placeQuietMen(position, Red); // leaves are now worth 0 or -1
    const SearchResult red = searchFrom(position, Red, 1, seedWithJitters({1, 0}), 0, RedLost);
    EXPECT_EQ(red.leaves, 1);
    EXPECT_EQ(red.value, -1);
    EXPECT_EQ(red.move, (Move{8, 8, 7, 7}));
}

TEST(SearchCutOffs, TheNodesOwnBoundIsDroppedOnEntry) {
    Game position;
    placeQuietMen(position, Blue);
    // Were alpha 50 kept, no move could be recorded; the node starts again from -9999.
    const SearchResult blue = searchFrom(position, Blue, 1, seedWithJitters({0, 1}), 50, RedLost);
    EXPECT_EQ(blue.value, 1);
    EXPECT_EQ(blue.move, blueSecondStep);

    const SearchResult red = searchFrom(position, Red, 1, seedWithJitters({0, 1}), BlueLost, -50);
    EXPECT_EQ(red.value, 0);
    EXPECT_EQ(red.move, (Move{8, 8, 7, 7}));
}

TEST(SearchCutOffs, TheFirstWinningRootMoveEndsTheSearch) {
    Game position;
    // Both blue men can take red's last piece; the first listed wins at once.
    placePieces(position, {{4, 4, BlueMan}, {6, 4, BlueMan}, {5, 5, RedMan}}, Blue);
    const SearchResult result = searchFrom(position, Blue, 2, 1);
    EXPECT_EQ(result.value, RedLost);
    EXPECT_EQ(result.move, (Move{4, 4, 6, 6}));
    EXPECT_EQ(result.leaves, 0);
}

TEST(SearchChains, AFurtherJumpKeepsTheSideAndTheDepth) {
    Game position;
    placePieces(position, {{3, 3, BlueMan}, {4, 4, RedMan}, {6, 6, RedMan}, {9, 9, RedMan}}, Blue);
    const SearchResult result = searchFrom(position, Blue, 1, 4);
    // Scored after both jumps: one blue man against one red man.
    EXPECT_TRUE(result.value == 0 || result.value == 1) << result.value;
    EXPECT_EQ(result.move, (Move{3, 3, 5, 5}));
    EXPECT_EQ(result.leaves, 1);
}

TEST(SearchChains, ACrowningJumpGoesOnWhenTheNewKingCanCapture) {
    Game position;
    placePieces(position, {{5, 7, BlueMan}, {6, 8, RedMan}, {8, 8, RedMan}, {3, 3, RedMan}}, Blue);
    const SearchResult result = searchFrom(position, Blue, 1, 4);
    // The man is crowned on (7,9) and jumps back over (8,8): a king against a man.
    EXPECT_TRUE(result.value == 1 || result.value == 2) << result.value;
    EXPECT_EQ(result.move, (Move{5, 7, 7, 9}));
}

TEST(SearchBoard, IsRestoredCellForCellAfterEverySearch) {
    const char* const boards[] = {
        R"(
        b.b.b.b.
        .b.b.b.b
        b.b.b.b.
        ........
        ........
        .r.r.r.r
        r.r.r.r.
        .r.r.r.r)",
        R"(
        ........
        ...r....
        ..b.b...
        .....r..
        ..B.b.b.
        .r.r.r..
        r...R...
        ........)",
    };
    for (const char* board : boards) {
        for (int side : {Red, Blue}) {
            for (int depth = 1; depth <= 6; ++depth) {
                Game position;
                placeBoard(position, board, side);
                const BoardSnapshot before = snapshot(position);
                const int redCount = position.getCount(Red);
                const int blueCount = position.getCount(Blue);
                searchFrom(position, side, depth, depth);
                EXPECT_EQ(snapshot(position), before) << board << "depth " << depth;
                EXPECT_EQ(position.getCount(Red), redCount);
                EXPECT_EQ(position.getCount(Blue), blueCount);
                EXPECT_EQ(position.getSideToMove(), side);
            }
        }
    }
}

TEST(SearchGenerator, DrawsOneNumberPerLeaf) {
    Game position;
    position.newGame();
    const SearchResult shallow = searchFrom(position, Red, 1, 77);
    EXPECT_EQ(shallow.leaves, 7); // red's seven opening moves, no cut-off at the root
    const int afterShallow = drawRandom();
    EXPECT_EQ(afterShallow, randAfterDraws(77, 7));

    const SearchResult deep = searchFrom(position, Red, 6, 78);
    EXPECT_GT(deep.leaves, 100);
    const int afterDeep = drawRandom();
    EXPECT_EQ(afterDeep, randAfterDraws(78, deep.leaves));
}

TEST(Evaluate, CountsKingsThreeAndMenTwoWithAJitterForTheSideToMove) {
    Game position;
    position.newGame();
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        seedRandom(seed);
        const int value = position.evaluate();
        EXPECT_TRUE(value == 0 || value == -1) << value;
    }
    position.switchSide();
    seedRandom(seedWithJitters({1}));
    EXPECT_EQ(position.evaluate(), 1);

    placePieces(position,
                {{2, 2, BlueKing},
                 {4, 2, BlueKing},
                 {3, 3, BlueMan},
                 {5, 3, BlueMan},
                 {7, 3, BlueMan},
                 {9, 9, RedKing},
                 {2, 8, RedMan},
                 {4, 8, RedMan},
                 {6, 8, RedMan},
                 {8, 8, RedMan},
                 {3, 7, RedMan}},
                Blue);
    seedRandom(seedWithJitters({0, 1}));
    EXPECT_EQ(position.evaluate(), -1);
    EXPECT_EQ(position.evaluate(), 0);
}

TEST(Evaluate, IgnoresSelectedPiecesAndDrawsExactlyOnce) {
    Game position;
    placePieces(position, {{4, 4, RedManSelected}, {6, 6, BlueKingSelected}, {8, 8, BlueMan}},
                Blue);
    const unsigned seed = seedWithJitters({0});
    seedRandom(seed);
    EXPECT_EQ(position.evaluate(), 2);
    const int next = drawRandom();
    EXPECT_EQ(next, randAfterDraws(seed, 1));
}

TEST(MakeAndUndo, AStepCrownsAndIsTakenBack) {
    Game position;
    placePieces(position, {{3, 3, RedMan}, {6, 8, BlueMan}}, Red);
    const BoardSnapshot before = snapshot(position);
    UndoRecord undo{};
    position.applyStep(3, 3, 0, undo);
    EXPECT_EQ(position.getSquare(2, 2), RedKing);
    EXPECT_EQ(position.getSquare(3, 3), Empty);
    EXPECT_EQ(undo.capturedCode, Empty);
    EXPECT_EQ(undo.wasCrowned, 1);
    position.undoMove(undo);
    EXPECT_EQ(snapshot(position), before);

    position.applyStep(6, 8, 3, undo);
    EXPECT_EQ(position.getSquare(7, 9), BlueKing);
    position.undoMove(undo);
    EXPECT_EQ(snapshot(position), before);
}

TEST(MakeAndUndo, AJumpTakesThePieceOffAndPutsItBack) {
    Game position;
    placePieces(position, {{5, 5, RedKing}, {6, 6, BlueKing}, {5, 3, RedMan}, {4, 2, BlueMan}},
                Red);
    const BoardSnapshot before = snapshot(position);
    UndoRecord undo{};
    position.applyJump(5, 5, 3, undo);
    EXPECT_EQ(position.getSquare(7, 7), RedKing);
    EXPECT_EQ(position.getSquare(6, 6), Empty);
    EXPECT_EQ(undo.capturedCode, BlueKing);
    EXPECT_EQ(undo.wasCrowned, 0);
    position.undoMove(undo);
    EXPECT_EQ(snapshot(position), before);
    EXPECT_EQ(position.getCount(Blue), 2);
}

TEST(MakeAndUndo, MoveFromSlotGoesOneOrTwoSquares) {
    Move move{};
    Game::moveFromSlot(1, 0, 5, 5, move);
    EXPECT_EQ(move, (Move{5, 5, 3, 3}));
    Game::moveFromSlot(0, 3, 5, 5, move);
    EXPECT_EQ(move, (Move{5, 5, 6, 6}));
    Game::moveFromSlot(7, 1, 5, 5, move); // anything but 1 is a plain move
    EXPECT_EQ(move, (Move{5, 5, 6, 4}));
}

} // namespace

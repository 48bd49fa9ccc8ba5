// The engine keeps sets of squares beside its board and searches on them; on random boards, its
// answers must be those of the plain square-by-square reading of the rules.
#include "ai/values.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"
#include "tests/support/reference.h"

#include <gtest/gtest.h>
#include <random>

namespace {

struct BoardShape {
    int emptyWeight;    // against one for each piece code
    bool selectedCodes; // some pieces shown as selected
    bool lightSquares;  // some pieces on squares the game never uses
};

// A random board; counts equal the pieces, then some are lowered or raised to 12.
void randomBoard(Game& position, std::mt19937& random, BoardShape shape, int sideToMove) {
    position.setPieceSetting(12);
    position.newGame(); // counts of 12
    std::vector<int> codes{RedMan, RedKing, BlueMan, BlueKing};
    if (shape.selectedCodes) {
        codes.insert(codes.end(), {RedManSelected, BlueKingSelected});
    }
    codes.insert(codes.end(), shape.emptyWeight, Empty);
    int red = 0;
    int blue = 0;
    for (int x = 2; x <= 9; ++x) {
        for (int y = 2; y <= 9; ++y) {
            const bool dark = (x + y) % 2 == 0;
            int code = Empty;
            if (dark || (shape.lightSquares && random() % 8 == 0)) {
                code = codes[random() % codes.size()];
            }
            if (code == RedMan || code == RedKing) {
                code = ++red > 12 ? Empty : code;
            }
            if (code == BlueMan || code == BlueKing) {
                code = ++blue > 12 ? Empty : code;
            }
            position.setSquare(x, y, code);
        }
    }
    if (position.getSideToMove() != sideToMove) {
        position.switchSide();
    }
    // Counts: 12, the pieces on the board, or fewer.
    for (int side : {Red, Blue}) {
        const int pieces = side == Red ? std::min(red, 12) : std::min(blue, 12);
        const int target =
            random() % 3 == 0 ? 12 : std::max(0, pieces - static_cast<int>(random() % 2));
        while (position.getCount(side) > target) {
            position.decrementCount(side);
        }
    }
}

TEST(Agreement, PieceListsSideTestsAndMaterialMatchPlainScans) {
    std::mt19937 random(2024);
    Game position;
    for (int board = 0; board < 3000; ++board) {
        randomBoard(position, random,
                    {static_cast<int>(random() % 12), board % 3 == 0, board % 5 == 0}, Red);
        PieceList fast;
        PieceList plain;
        position.listPieces(fast);
        reference::listPieces(position, plain);
        for (int i = 0; i < 24; ++i) {
            ASSERT_EQ(fast[i].x, plain[i].x) << formatDiagram(position) << "entry " << i;
            ASSERT_EQ(fast[i].y, plain[i].y) << formatDiagram(position) << "entry " << i;
            ASSERT_EQ(fast[i].isKing, plain[i].isKing) << formatDiagram(position) << "entry " << i;
        }
        for (int side : {0, 1, 2}) {
            ASSERT_EQ(position.sideHasCapture(side), reference::sideHasCapture(position, side))
                << formatDiagram(position) << "side " << side;
            ASSERT_EQ(position.sideHasNoStep(side), reference::sideHasNoStep(position, side))
                << formatDiagram(position) << "side " << side;
        }
        const int jitter = randAfterDraws(1, 0) % 2;
        const int expected = reference::materialBalance(position) +
                             (position.getSideToMove() == Blue ? jitter : -jitter);
        seedRandom(1);
        ASSERT_EQ(position.evaluate(), expected) << formatDiagram(position);
    }
}

TEST(Agreement, SearchMatchesThePlainSearchMoveForMove) {
    std::mt19937 random(7);
    Game position;
    int decided = 0;
    for (int board = 0; board < 400; ++board) {
        const int side = board % 2 == 0 ? Red : Blue;
        randomBoard(position, random, {4 + board % 6, board % 7 == 0, false}, side);
        for (int depth = 1; depth <= 5; ++depth) {
            int value = 0;
            reference::expectSameAsPlainSearch(
                position, {side, depth, BlueLost, RedLost, static_cast<unsigned>(random())},
                &value);
            ASSERT_FALSE(testing::Test::HasFatalFailure());
            decided += value == RedLost || value == BlueLost;
        }
    }
    EXPECT_GT(decided, 10); // the boards include won and lost positions
}

} // namespace

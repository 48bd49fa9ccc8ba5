// The computer's move: the random mover at strength 0, the search above it.
#include "ai/values.h"
#include "engine/game.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr Move untouched{-7, -7, -7, -7};

Move computerMove(Game& position, int strength, unsigned seed) {
    position.setStrength(strength);
    seedRandom(seed);
    Move move = untouched;
    position.chooseComputerMove(move);
    return move;
}

bool isJump(const Move& move) {
    return std::abs(move.toX - move.fromX) == 2 && std::abs(move.toY - move.fromY) == 2;
}

TEST(RandomMover, TakesACaptureWheneverOneIsThere) {
    Game position;
    // Red has plain moves everywhere, but only (5,7) and (7,7) can jump, over (6,6).
    placeBoard(position, R"(
        b.b.b.b.
        .b.b.b..
        b.b.b...
        ........
        ....b...
        .r.r.r.r
        r.r.r.r.
        .r.r.r.r)",
               Red);
    for (unsigned seed = 1; seed <= 60; ++seed) {
        const Move move = computerMove(position, 0, seed);
        EXPECT_TRUE(isJump(move));
        EXPECT_EQ(position.canCapture(move.fromX, move.fromY, Red), 1);
    }
}

TEST(RandomMover, PlaysTheOnlyMoveThereIs) {
    Game position;
    // (2,8) is blocked by its own man, and (3,7) can only step to (4,6).
    placePieces(position, {{2, 8, RedMan}, {3, 7, RedMan}, {2, 6, BlueMan}, {4, 4, BlueMan}}, Red);
    for (unsigned seed = 1; seed <= 30; ++seed) {
        EXPECT_EQ(computerMove(position, 0, seed), (Move{3, 7, 4, 6}));
    }
}

TEST(RandomMover, MovesBlueMenDownTheBoard) {
    Game position;
    position.setRedMovesFirst(0);
    position.newGame();
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const Move move = computerMove(position, 0, seed);
        EXPECT_EQ(move.toY, move.fromY + 1);
    }
}

// Two draws per attempt, the piece before the direction, until the pair names an open move.
TEST(RandomMover, DrawsThePieceThenTheDirection) {
    Game position;
    position.newGame();
    PieceList list;
    position.listPieces(list);
    for (unsigned seed : {3u, 17u, 256u}) {
        seedRandom(seed);
        int draws = 0;
        Move expected{};
        for (;;) {
            const int k = drawRandom() % 12;
            const int slot = drawRandom() % 4;
            draws += 2;
            DirectionFlags flags;
            position.stepOptions(list[12 + k].x, list[12 + k].y, flags);
            if (flags[slot] == 1) {
                Game::moveFromSlot(0, slot, list[12 + k].x, list[12 + k].y, expected);
                break;
            }
        }
        EXPECT_EQ(computerMove(position, 0, seed), expected);
        const int next = drawRandom();
        EXPECT_EQ(next, randAfterDraws(seed, draws));
    }
}

TEST(RandomMover, GivesEveryOpeningMoveAboutTheSameChance) {
    Game position;
    position.newGame();
    std::map<std::pair<int, int>, int> seen; // by destination and origin column
    const int trials = 2800;
    for (int seed = 1; seed <= trials; ++seed) {
        const Move move = computerMove(position, 0, static_cast<unsigned>(seed));
        ++seen[{move.fromX, move.toX}];
    }
    EXPECT_EQ(seen.size(), 7u);
    for (const auto& [move, times] : seen) {
        EXPECT_GT(times, trials / 7 * 3 / 4) << move.first << "->" << move.second;
        EXPECT_LT(times, trials / 7 * 5 / 4) << move.first << "->" << move.second;
    }
}

TEST(RandomMover, GivesUpWithoutDrawingWhenTheSideCannotMove) {
    Game position;
    placePieces(position, {{3, 3, RedMan}, {2, 2, BlueMan}, {4, 2, BlueMan}}, Red);
    Move move = untouched;
    seedRandom(11);
    position.randomMove(Red, move);
    EXPECT_EQ(move, untouched);
    int next = drawRandom();
    EXPECT_EQ(next, randAfterDraws(11, 0));

    placePieces(position, {{3, 3, RedMan}}, Red); // blue has no piece and a count of 0
    seedRandom(11);
    position.randomMove(Blue, move);
    EXPECT_EQ(move, untouched);
    next = drawRandom();
    EXPECT_EQ(next, randAfterDraws(11, 0));
}

TEST(ComputerMove, AboveStrengthZeroPlaysTheSearchsRootMove) {
    Game position;
    position.newGame();
    position.switchSide();
    for (int strength = 1; strength <= 7; ++strength) {
        const BoardSnapshot before = snapshot(position);
        const Move chosen = computerMove(position, strength, 40 + strength);
        EXPECT_EQ(snapshot(position), before);
        seedRandom(40 + strength);
        Move searched = untouched;
        position.search(Blue, strength, BlueLost, RedLost, searched);
        EXPECT_EQ(chosen, searched) << "strength " << strength;
        EXPECT_EQ(position.getSideToMove(), Blue);
        EXPECT_EQ(position.getCount(Red), 12);
        EXPECT_EQ(position.getCount(Blue), 12);
    }
}

TEST(ComputerMove, IsForTheSideToMove) {
    Game position;
    position.newGame();
    for (int strength : {0, 3}) {
        EXPECT_EQ(computerMove(position, strength, 5).fromY, 7); // red's front row
    }
}

} // namespace

// Whatever a person does, in whatever order, the game's invariants hold after every step: random
// walks over presses, right presses, new games and the settings dialog, from fixed seeds.
#include "engine/game.h"
#include "engine/turn_flags.h"
#include "tests/support/step_model.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

TEST(RandomWalk, EveryInvariantHoldsAfterEveryStep) {
    constexpr int Walks = 10;
    constexpr int StepsPerWalk = 20000;
    int gamesEnded = 0;
    int captures = 0;
    for (unsigned seed = 1; seed <= Walks; ++seed) {
        std::mt19937 random(seed);
        startProgram(seed);
        std::vector<Step> taken;
        for (int i = 0; i < StepsPerWalk; ++i) {
            taken.push_back(randomStep(random));
            const int piecesBefore = game.getCount(Red) + game.getCount(Blue);
            const int activeBefore = gameActive;
            const std::string broken = takeStepAndCheck(taken.back());
            if (!broken.empty()) {
                const std::vector<Step> shortest = shortestFailing(seed, taken);
                FAIL() << "seed " << seed << ", step " << taken.size() << ": " << broken
                       << "\nShortest steps found (" << replay(seed, shortest) << "):\n"
                       << describe(shortest);
            }
            gamesEnded += activeBefore == 1 && gameActive == 0 ? 1 : 0;
            captures += piecesBefore - (game.getCount(Red) + game.getCount(Blue)) == 1 ? 1 : 0;
        }
    }
    // The walks played: games went to their end and pieces were taken.
    std::printf("%d games ended, %d captures\n", gamesEnded, captures);
    EXPECT_GT(gamesEnded, 50);
    EXPECT_GT(captures, 1000);
}

} // namespace

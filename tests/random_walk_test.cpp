// Whatever a person does, in whatever order, the game's invariants hold after every step: random
// walks over presses, right presses, new games and the settings dialog, from fixed seeds.
#include "engine/game.h"
#include "engine/turn_flags.h"
#include "tests/support/boards.h"
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

// The checks themselves: each broken invariant is reported, so a quiet walk means something.
class StepChecks : public testing::Test {
protected:
    void SetUp() override { startProgram(1); }

    static std::string rightPressReport() { return takeStepAndCheck({Step::RightPress}); }
};

TEST_F(StepChecks, ReportASelectedCodeWithoutASelection) {
    game.setSquare(3, 7, RedManSelected);
    EXPECT_NE(rightPressReport().find("selected"), std::string::npos);
}

TEST_F(StepChecks, ReportACountThatDisagreesWithTheBoard) {
    game.decrementCount(Blue);
    EXPECT_NE(rightPressReport().find("blue count"), std::string::npos);
}

TEST_F(StepChecks, ReportAPieceOnALightSquareOrACodeOffTheList) {
    game.setSquare(3, 7, Empty);
    game.setSquare(4, 7, RedMan); // a light square
    EXPECT_NE(rightPressReport().find("light square"), std::string::npos);
    startProgram(1);
    game.setSquare(5, 5, 12);
    EXPECT_NE(rightPressReport().find("code 12"), std::string::npos);
}

TEST_F(StepChecks, ReportAGameEndedWhileNobodyHadLost) {
    gameActive = 0;
    EXPECT_NE(rightPressReport().find("neither side had lost"), std::string::npos);
}

// Orders of steps a person meets, replayed: a new game or the dialog in the middle of a capture
// chain, a selection cut short by the dialog, presses after the end.
TEST(StepReplays, ANewGameOrTheDialogInTheMiddleOfAChainLeavesASoundBoard) {
    for (const Step interruption :
         {Step{Step::NewGame}, Step{Step::SettingsCancel}, Step{Step::SettingsOk, 0, 0, 1, 4, 9}}) {
        startProgram(3);
        placePieces(game, {{2, 8, RedMan}, {3, 7, BlueMan}, {5, 5, BlueMan}, {2, 2, BlueMan}}, Red);
        for (const Step& step :
             {Step{Step::LeftPress, 2, 8}, Step{Step::LeftPress, 4, 6}, Step{Step::LeftPress, 4, 6},
              interruption, Step{Step::LeftPress, 6, 4}, Step{Step::RightPress},
              Step{Step::LeftPress, 5, 5}}) {
            const std::string report = takeStepAndCheck(step);
            ASSERT_TRUE(report.empty()) << describe(step) << ": " << report;
        }
    }
}

TEST(StepReplays, PressesAfterTheEndShowTheResultAndChangeNothing) {
    startProgram(4);
    placePieces(game, {{4, 6, RedMan}, {5, 5, BlueMan}}, Red);
    const std::vector<Step> steps{{Step::LeftPress, 4, 6}, {Step::LeftPress, 6, 4},
                                  {Step::LeftPress, 2, 2}, {Step::RightPress},
                                  {Step::LeftPress, 6, 4}, {Step::LeftPress, 0, 0}};
    for (const Step& step : steps) {
        const std::string report = takeStepAndCheck(step);
        ASSERT_TRUE(report.empty()) << describe(step) << ": " << report;
    }
    EXPECT_EQ(gameActive, 0);
}

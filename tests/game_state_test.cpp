// The game's settings, start positions and piece lists.
#include "engine/game.h"
#include "engine/turn_flags.h"
#include "tests/support/boards.h"
#include "tests/support/game_corpus.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace {

using Squares = std::set<std::pair<int, int>>;

Squares squaresHolding(const Game& position, int code) {
    Squares found;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (position.getSquare(x, y) == code) {
                found.insert({x, y});
            }
        }
    }
    return found;
}

bool isBorder(int x, int y) {
    return !isPlayingSquare(x, y);
}

TEST(GameConstruction, GivesDefaultSettingsAndTheTwelveMenPosition) {
    const Game position;
    EXPECT_EQ(position.getPieceSetting(), 12);
    EXPECT_EQ(position.getVsHuman(), 0);
    EXPECT_EQ(position.getRedMovesFirst(), 1);
    EXPECT_EQ(position.getAllKings(Red), 0);
    EXPECT_EQ(position.getAllKings(Blue), 0);
    EXPECT_EQ(position.getStrength(), 5);
    EXPECT_EQ(position.getSideToMove(), Red);
    EXPECT_EQ(position.getCount(Red), 12);
    EXPECT_EQ(position.getCount(Blue), 12);

    const Squares redMen{{3, 7}, {5, 7}, {7, 7}, {9, 7}, {2, 8}, {4, 8},
                         {6, 8}, {8, 8}, {3, 9}, {5, 9}, {7, 9}, {9, 9}};
    const Squares blueMen{{2, 2}, {4, 2}, {6, 2}, {8, 2}, {3, 3}, {5, 3},
                          {7, 3}, {9, 3}, {2, 4}, {4, 4}, {6, 4}, {8, 4}};
    EXPECT_EQ(squaresHolding(position, RedMan), redMen);
    EXPECT_EQ(squaresHolding(position, BlueMan), blueMen);
    EXPECT_EQ(squaresHolding(position, Empty).size(), 64u - 24u);
    for (const auto& [x, y] : squaresHolding(position, Wall)) {
        EXPECT_TRUE(isBorder(x, y)) << x << "," << y;
    }
    EXPECT_EQ(squaresHolding(position, Wall).size(), 144u - 64u);
}

// Every combination of the four settings that shape the start position.
class StartPosition : public testing::TestWithParam<GameSetup> {};

TEST_P(StartPosition, FillsEachSidesBackRowsWithItsMenOrKings) {
    const GameSetup s = GetParam();
    Game position;
    position.setPieceSetting(s.pieces);
    position.setRedMovesFirst(s.redMovesFirst);
    position.setRedAllKings(s.redAllKings);
    position.setBlueAllKings(s.blueAllKings);
    position.newGame();

    EXPECT_EQ(position.getCount(Red), s.pieces);
    EXPECT_EQ(position.getCount(Blue), s.pieces);
    EXPECT_EQ(position.getSideToMove(), s.redMovesFirst == 1 ? Red : Blue);
    const int rows = s.pieces / 4;
    const int redCode = s.redAllKings == 1 ? RedKing : RedMan;
    const int blueCode = s.blueAllKings == 1 ? BlueKing : BlueMan;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            int expected = Empty;
            if (isBorder(x, y)) {
                expected = Wall;
            } else if ((x + y) % 2 == 0 && y < FirstPlayingLine + rows) {
                expected = blueCode;
            } else if ((x + y) % 2 == 0 && y > LastPlayingLine - rows) {
                expected = redCode;
            }
            EXPECT_EQ(position.getSquare(x, y), expected) << "square " << x << "," << y;
        }
    }
}

std::string startName(const testing::TestParamInfo<GameSetup>& info) {
    const GameSetup& s = info.param;
    return std::to_string(s.pieces) + "Men" + (s.redMovesFirst ? "RedFirst" : "BlueFirst") +
           (s.redAllKings ? "RedKings" : "") + (s.blueAllKings ? "BlueKings" : "");
}

INSTANTIATE_TEST_SUITE_P(EverySetting, StartPosition, testing::ValuesIn(everySetup()), startName);

TEST(NewGame, OpensPlayAgainAndKeepsEverySetting) {
    Game position;
    position.setPieceSetting(8);
    position.setVsHuman(1);
    position.setStrength(9);
    gameActive = 0;
    position.newGame();
    EXPECT_EQ(gameActive, 1);
    EXPECT_EQ(position.getPieceSetting(), 8);
    EXPECT_EQ(position.getVsHuman(), 1);
    EXPECT_EQ(position.getStrength(), 9);
}

TEST(NewGame, WithFourMenAndBlueFirstLeavesTheMiddleRowsEmpty) {
    Game position;
    position.setPieceSetting(4);
    position.setRedMovesFirst(0);
    position.newGame();
    EXPECT_EQ(formatDiagram(position), "b.b.b.b.\n"
                                       "........\n"
                                       "........\n"
                                       "........\n"
                                       "........\n"
                                       "........\n"
                                       "........\n"
                                       ".r.r.r.r\n");
    EXPECT_EQ(position.getSideToMove(), Blue);
}

TEST(Settings, GuardedSettersIgnoreValuesOtherThanTheirOwn) {
    Game position;
    position.setRedMovesFirst(2);
    position.setRedAllKings(-1);
    position.setBlueAllKings(7);
    EXPECT_EQ(position.getRedMovesFirst(), 1);
    EXPECT_EQ(position.getAllKings(Red), 0);
    EXPECT_EQ(position.getAllKings(Blue), 0);

    position.setRedMovesFirst(0);
    position.setRedAllKings(1);
    position.setBlueAllKings(1);
    EXPECT_EQ(position.getRedMovesFirst(), 0);
    EXPECT_EQ(position.getAllKings(Red), 1);
    EXPECT_EQ(position.getAllKings(Blue), 1);
    EXPECT_EQ(position.getAllKings(2), 0);
}

TEST(Settings, PieceSettingTakesOnlyFourEightOrTwelve) {
    Game position;
    for (int wrong : {0, 5, 6, 13, -4, 24}) {
        position.setPieceSetting(wrong);
        EXPECT_EQ(position.getPieceSetting(), 12) << wrong;
    }
    position.setPieceSetting(4);
    position.newGame();
    EXPECT_EQ(position.getPieceSetting(), 4);
    EXPECT_EQ(squaresHolding(position, RedMan).size(), 4u);
    EXPECT_EQ(position.getCount(Red), 4);
}

TEST(Settings, StrengthAndModeStoreWhateverTheyAreGiven) {
    Game position;
    position.setStrength(42);
    position.setVsHuman(3);
    EXPECT_EQ(position.getStrength(), 42);
    EXPECT_EQ(position.getVsHuman(), 3);
}

TEST(Settings, ChangingASettingLeavesThePositionUntilTheNextNewGame) {
    Game position;
    const BoardSnapshot before = snapshot(position);
    position.setPieceSetting(4);
    position.setBlueAllKings(1);
    position.setRedMovesFirst(0);
    EXPECT_EQ(snapshot(position), before);
    EXPECT_EQ(position.getCount(Blue), 12);
    EXPECT_EQ(position.getSideToMove(), Red);
}

TEST(TurnAndCounts, SwitchSideAlternatesAndCountsFallByOne) {
    Game position;
    position.switchSide();
    EXPECT_EQ(position.getSideToMove(), Blue);
    position.switchSide();
    EXPECT_EQ(position.getSideToMove(), Red);

    position.decrementCount(Blue);
    position.decrementCount(2); // any side but Blue is Red
    EXPECT_EQ(position.getCount(Blue), 11);
    EXPECT_EQ(position.getCount(Red), 11);
    EXPECT_EQ(position.getCount(7), 11);
}

TEST(ListPieces, GivesTheStartPositionColumnByColumn) {
    const Game position;
    PieceList list;
    position.listPieces(list);
    const std::pair<int, int> blue[] = {{2, 2}, {2, 4}, {3, 3}, {4, 2}, {4, 4}, {5, 3},
                                        {6, 2}, {6, 4}, {7, 3}, {8, 2}, {8, 4}, {9, 3}};
    const std::pair<int, int> red[] = {{2, 8}, {3, 7}, {3, 9}, {4, 8}, {5, 7}, {5, 9},
                                       {6, 8}, {7, 7}, {7, 9}, {8, 8}, {9, 7}, {9, 9}};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(std::make_pair(list[i].x, list[i].y), blue[i]) << "entry " << i;
        EXPECT_EQ(std::make_pair(list[12 + i].x, list[12 + i].y), red[i]) << "entry " << 12 + i;
        EXPECT_EQ(list[i].isKing, 0);
        EXPECT_EQ(list[12 + i].isKing, 0);
    }
}

TEST(ListPieces, EndsEachHalfWithBlankEntries) {
    Game position;
    position.setSquare(5, 3, Empty); // one blue man gone
    position.setSquare(4, 8, RedManSelected);
    position.setSquare(6, 8, RedKing);
    PieceList list;
    position.listPieces(list);
    EXPECT_EQ(list[10].x, 9);
    EXPECT_EQ(list[11].x, -1);
    EXPECT_EQ(list[11].y, -1);
    EXPECT_EQ(list[11].isKing, 0);
    // The selected man is not listed; the king is, as a king.
    EXPECT_EQ(list[12 + 3].x, 5);
    EXPECT_EQ(list[12 + 3].y, 7);
    EXPECT_EQ(list[12 + 5].x, 6);
    EXPECT_EQ(list[12 + 5].isKing, 1);
    EXPECT_EQ(list[23].x, -1);
}

TEST(ListPieces, GivesAnAllBlankHalfForASideWithoutPieces) {
    Game position;
    placeBoard(position, R"(
        ........
        ...b....
        ........
        ........
        ........
        ........
        ........
        ........)",
               Red);
    PieceList list;
    position.listPieces(list);
    EXPECT_EQ(list[0].x, 5);
    for (int i = 12; i < 24; ++i) {
        EXPECT_EQ(list[i].x, -1) << "entry " << i;
    }
}

} // namespace

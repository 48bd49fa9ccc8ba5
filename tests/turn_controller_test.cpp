// Whole turns and games played through presses on board squares, with the window layer recording
// every beep, repaint and result picture, and what it is told.
#include "engine/game.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"
#include "tests/support/game_corpus.h"
#include "ui/board_words.h"
#include "ui/recorded_window.h"
#include "ui/turn_controller.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Requests = std::vector<WindowRequest>;

WindowRequest repaint(int x, int y) {
    return {WindowRequest::Repaint, x, y};
}
const WindowRequest beep{WindowRequest::Beep, 0, 0};
const WindowRequest winPicture{WindowRequest::WinPicture, 0, 0};
const WindowRequest losePicture{WindowRequest::LosePicture, 0, 0};

int piecesOnBoard(int side) {
    int n = 0;
    for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
        for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
            const int code = game.getSquare(x, y);
            n += side == Red ? code == RedMan || code == RedKing
                             : code == BlueMan || code == BlueKing;
        }
    }
    return n;
}

class TurnController : public testing::Test {
protected:
    void SetUp() override {
        startDefaultGame(game);
        // As the window leaves them when it is created.
        currentMove = {0, 0, 0, 0};
        captureRequired = 0;
        capturedSquareDirty = 0;
        capturedX = 0;
        capturedY = 0;
        windowRecord().clear();
    }

    // The requests of one press, the record cleared for the next.
    static Requests press(int x, int y) {
        windowRecord().clear();
        handleLeftPress(x, y);
        return windowRecord().requests;
    }

    static Requests rightPress() {
        windowRecord().clear();
        handleRightPress();
        return windowRecord().requests;
    }

    static void move(int fromX, int fromY, int toX, int toY) {
        ASSERT_EQ(press(fromX, fromY), (Requests{repaint(fromX, fromY)}));
        const Requests played = press(toX, toY);
        ASSERT_EQ(std::count(played.begin(), played.end(), beep), 0);
    }
};

TEST_F(TurnController, APressOnAnOwnPieceSelectsItAndRepaintsOnlyThatSquare) {
    EXPECT_EQ(press(3, 7), (Requests{repaint(3, 7)}));
    EXPECT_EQ(game.getSquare(3, 7), RedManSelected);
    EXPECT_EQ(selectionState, 1);
}

TEST_F(TurnController, AFirstPressOnAnEmptySquareOrAnEnemyPieceBeeps) {
    // The destination still holds (0,0) from window creation; its repaint is harmless.
    EXPECT_EQ(press(4, 6), (Requests{beep, repaint(4, 6), repaint(0, 0)}));
    EXPECT_EQ(press(2, 4), (Requests{beep, repaint(2, 4), repaint(0, 0)}));
    EXPECT_EQ(formatDiagram(game), "b.b.b.b.\n"
                                   ".b.b.b.b\n"
                                   "b.b.b.b.\n"
                                   "........\n"
                                   "........\n"
                                   ".r.r.r.r\n"
                                   "r.r.r.r.\n"
                                   ".r.r.r.r\n");
    EXPECT_EQ(selectionState, 0);
}

TEST_F(TurnController, ASecondPressOnAnOpenSquareMovesThePiece) {
    press(3, 7);
    EXPECT_EQ(press(4, 6), (Requests{repaint(3, 7), repaint(4, 6)}));
    EXPECT_EQ(game.getSquare(4, 6), RedMan);
    EXPECT_EQ(game.getSquare(3, 7), Empty);
    EXPECT_EQ(game.getSideToMove(), Blue);
    EXPECT_EQ(selectionState, 0);
}

TEST_F(TurnController, AnIllegalDestinationBeepsAndCancelsTheSelection) {
    for (const auto& [x, y] : {std::pair{3, 5}, {3, 7}, {5, 7}, {2, 8}, {4, 8}}) {
        press(3, 7);
        const Requests requests = press(x, y);
        EXPECT_EQ(requests.front(), beep) << x << "," << y;
        EXPECT_EQ(game.getSquare(3, 7), RedMan);
        EXPECT_EQ(selectionState, 0);
        EXPECT_EQ(game.getSideToMove(), Red);
    }
    // After a cancelled selection another piece may be taken.
    EXPECT_EQ(press(5, 7), (Requests{repaint(5, 7)}));
}

TEST_F(TurnController, ARightPressCancelsASelectionAndOtherwiseDoesNothing) {
    press(5, 7);
    EXPECT_EQ(rightPress(), (Requests{repaint(5, 7)}));
    EXPECT_EQ(game.getSquare(5, 7), RedMan);
    EXPECT_EQ(selectionState, 0);
    EXPECT_EQ(rightPress(), Requests{});
}

TEST_F(TurnController, WhileASideCanCaptureOnlyACaptureIsPlayed) {
    placePieces(game, {{3, 7, RedMan}, {6, 8, RedMan}, {4, 6, BlueMan}, {8, 2, BlueMan}}, Red);
    EXPECT_EQ(press(6, 8).front(), beep); // it could step, but (3,7) can capture
    EXPECT_EQ(selectionState, 0);
    press(3, 7);
    EXPECT_EQ(press(2, 6).front(), beep); // a plain step while a capture is there
    EXPECT_EQ(game.getSquare(3, 7), RedMan);

    press(3, 7);
    EXPECT_EQ(press(5, 5), (Requests{repaint(3, 7), repaint(5, 5), repaint(4, 6)}));
    EXPECT_EQ(game.getSquare(4, 6), Empty);
    EXPECT_EQ(game.getSquare(5, 5), RedMan);
    EXPECT_EQ(game.getCount(Blue), 1);
    EXPECT_EQ(game.getSideToMove(), Blue);
}

TEST_F(TurnController, AManNeverJumpsBackwardsButAKingDoes) {
    placePieces(game, {{5, 5, RedMan}, {4, 4, BlueMan}, {6, 6, BlueMan}, {2, 2, BlueMan}}, Red);
    press(5, 5);
    EXPECT_EQ(press(7, 7).front(), beep);
    EXPECT_EQ(game.getSquare(6, 6), BlueMan);
    EXPECT_EQ(selectionState, 0);

    game.setSquare(5, 5, RedKing);
    move(5, 5, 7, 7);
    EXPECT_EQ(game.getSquare(7, 7), RedKing);
    EXPECT_EQ(game.getSquare(6, 6), Empty);
}

TEST_F(TurnController, AfterACaptureThatCanGoOnTheSideMovesAgainWithAnyCapturingPiece) {
    placePieces(game,
                {{2, 8, RedMan},
                 {9, 9, RedMan},
                 {3, 7, BlueMan},
                 {5, 5, BlueMan},
                 {8, 8, BlueMan},
                 {2, 2, BlueMan}},
                Red);
    move(2, 8, 4, 6);
    EXPECT_EQ(game.getSideToMove(), Red);
    EXPECT_EQ(selectionState, 0);
    EXPECT_EQ(game.getSquare(4, 6), RedMan);
    // The other capturing man takes over; then the turn passes.
    move(9, 9, 7, 7);
    EXPECT_EQ(game.getSquare(8, 8), Empty);
    EXPECT_EQ(game.getSideToMove(), Blue);
}

TEST_F(TurnController, AChainIsPlayedJumpByJump) {
    placePieces(game, {{2, 8, RedMan}, {3, 7, BlueMan}, {5, 5, BlueMan}, {2, 2, BlueMan}}, Red);
    move(2, 8, 4, 6);
    EXPECT_EQ(game.getSideToMove(), Red);
    move(4, 6, 6, 4);
    EXPECT_EQ(game.getSideToMove(), Blue);
    EXPECT_EQ(game.getCount(Blue), 1);
}

TEST_F(TurnController, AManCrownedByACaptureEndsTheTurn) {
    placePieces(game, {{4, 4, RedMan}, {5, 3, BlueMan}, {7, 3, BlueMan}}, Red);
    move(4, 4, 6, 2);
    EXPECT_EQ(game.getSquare(6, 2), RedKing);
    EXPECT_EQ(game.canCapture(6, 2, Red), 1); // the new king could jump (7,3)
    EXPECT_EQ(game.getSideToMove(), Blue);
}

TEST_F(TurnController, TheComputerPlaysItsChoiceOnThePressAfterRedsMove) {
    for (int strength : {0, 5}) {
        game.newGame();
        game.setStrength(strength);
        move(3, 7, 4, 6);
        ASSERT_EQ(game.getSideToMove(), Blue);
        Game shadow = game;
        Move expected{};
        seedRandom(99);
        shadow.chooseComputerMove(expected);

        seedRandom(99);
        const Requests requests = press(9, 9); // where the press falls does not matter
        EXPECT_EQ(currentMove, expected);
        EXPECT_EQ(requests, (Requests{repaint(expected.fromX, expected.fromY),
                                      repaint(expected.toX, expected.toY)}));
        EXPECT_EQ(game.getSquare(expected.toX, expected.toY), BlueMan);
        EXPECT_EQ(game.getSideToMove(), Red);
        // The computer's selection was made and undone within the press.
        EXPECT_EQ(selectionState, 0);
        EXPECT_EQ(rightPress(), Requests{});
    }
}

TEST_F(TurnController, TheComputersChainTakesOnePressPerJump) {
    placePieces(game, {{3, 3, BlueMan}, {4, 4, RedMan}, {6, 6, RedMan}, {9, 9, RedMan}}, Blue);
    game.setStrength(1);
    press(2, 2);
    EXPECT_EQ(game.getSquare(5, 5), BlueMan);
    EXPECT_EQ(game.getSideToMove(), Blue);
    press(2, 2);
    EXPECT_EQ(game.getSquare(7, 7), BlueMan);
    EXPECT_EQ(game.getCount(Red), 1);
    EXPECT_EQ(game.getSideToMove(), Red);
}

TEST_F(TurnController, WhenBlueMovesFirstTheFirstPressMakesTheComputersOpening) {
    game.setRedMovesFirst(0);
    game.newGame();
    press(5, 5);
    EXPECT_EQ(game.getSideToMove(), Red);
    EXPECT_EQ(game.getSquare(currentMove.toX, currentMove.toY), BlueMan);
    EXPECT_EQ(currentMove.toY, currentMove.fromY + 1);
}

TEST_F(TurnController, InTheTwoPersonGamePressesMoveBlueAndTheComputerIsNeverAsked) {
    game.setVsHuman(1);
    seedRandom(123);
    move(3, 7, 4, 6);
    EXPECT_EQ(press(4, 6).front(), beep); // blue's turn: a red piece is not blue's to take
    move(2, 4, 3, 5);
    EXPECT_EQ(game.getSquare(3, 5), BlueMan);
    EXPECT_EQ(game.getSideToMove(), Red);
    const int next = drawRandom();
    EXPECT_EQ(next, randAfterDraws(123, 0));
}

TEST_F(TurnController, TheWinIsShownOnThePressAfterBluesLastPieceIsTaken) {
    placePieces(game, {{5, 5, RedMan}, {4, 4, BlueMan}}, Red);
    press(5, 5);
    EXPECT_EQ(press(3, 3), (Requests{repaint(5, 5), repaint(3, 3), repaint(4, 4)}));
    EXPECT_EQ(gameActive, 1);

    EXPECT_EQ(press(8, 8), (Requests{winPicture}));
    EXPECT_EQ(gameActive, 0);
    EXPECT_EQ(press(3, 3), (Requests{winPicture})); // drawn again, nothing played
    EXPECT_EQ(rightPress(), Requests{});

    game.newGame();
    EXPECT_EQ(gameActive, 1);
    EXPECT_EQ(press(3, 7), (Requests{repaint(3, 7)}));
}

TEST_F(TurnController, TheLossIsShownWhenRedHasNoPieceLeft) {
    placePieces(game, {{5, 5, RedMan}, {4, 4, BlueMan}}, Blue);
    game.setStrength(0);
    press(2, 2);
    EXPECT_EQ(game.getCount(Red), 0);
    EXPECT_EQ(press(2, 2), (Requests{losePicture}));
    EXPECT_EQ(gameActive, 0);
}

TEST_F(TurnController, ABlockedSideLosesOnlyWhenItIsToMove) {
    placePieces(game, {{3, 3, RedMan}, {2, 2, BlueMan}, {4, 2, BlueMan}, {9, 9, BlueMan}}, Red);
    EXPECT_EQ(press(3, 3), (Requests{losePicture}));

    placePieces(game, {{4, 8, BlueMan}, {3, 9, RedMan}, {5, 9, RedMan}, {2, 2, RedKing}}, Blue);
    EXPECT_EQ(press(3, 3), (Requests{winPicture}));

    // Red is blocked but blue is to move: blue plays (here a second person).
    placePieces(game, {{3, 3, RedMan}, {2, 2, BlueMan}, {4, 2, BlueMan}}, Blue);
    game.setVsHuman(1);
    EXPECT_EQ(press(4, 2), (Requests{repaint(4, 2)}));
    EXPECT_EQ(gameActive, 1);
}

TEST_F(TurnController, ASideWithACaptureButNoStepPlaysOn) {
    placePieces(game, {{2, 8, RedMan}, {3, 7, RedMan}, {2, 6, BlueMan}, {4, 6, BlueMan}}, Red);
    EXPECT_EQ(press(3, 7), (Requests{repaint(3, 7)}));
    EXPECT_EQ(gameActive, 1);
}

// A new game drops a shown selection: otherwise the next press would be taken as a destination
// for a square of the old game and could move a blue piece on red's turn.
TEST_F(TurnController, ANewGameCancelsAShownSelection) {
    placePieces(game, {{4, 4, RedMan}, {2, 2, BlueMan}}, Red);
    press(4, 4);
    ASSERT_EQ(selectionState, 1);
    game.newGame(); // (4,4) now holds a blue man
    EXPECT_EQ(selectionState, 0);
    EXPECT_EQ(press(5, 5).front(), beep);
    EXPECT_EQ(game.getSquare(4, 4), BlueMan);
    EXPECT_EQ(game.getSquare(5, 5), Empty);
    EXPECT_EQ(game.getSideToMove(), Red);
}

TEST_F(TurnController, APressOffTheBoardChangesNothing) {
    const BoardSnapshot start = snapshot(game);
    for (const auto& [x, y] :
         {std::pair{1, 5}, {10, 5}, {5, 1}, {5, 10}, {-3, 4}, {0, 0}, {99, -99}}) {
        EXPECT_EQ(press(x, y), Requests{});
    }
    press(3, 7);
    EXPECT_EQ(press(3, 40), Requests{});
    EXPECT_EQ(selectionState, 1);
    rightPress();
    EXPECT_EQ(snapshot(game), start);

    // Nor does it wake the computer, or show a finished game's picture.
    move(3, 7, 4, 6);
    seedRandom(5);
    EXPECT_EQ(press(12, 3), Requests{});
    EXPECT_EQ(game.getSideToMove(), Blue);
    const int next = drawRandom();
    EXPECT_EQ(next, randAfterDraws(5, 0));
    placePieces(game, {{3, 3, RedMan}}, Red);
    EXPECT_EQ(press(0, 5), Requests{});
    EXPECT_EQ(gameActive, 1);
}

// Whole games, the computer against red's random moves played as two presses; after every move
// the counts agree with the board, nothing is left selected and nothing beeped.
struct GameSettings {
    GameSetup setup;
    int strength;
};

class WholeGame : public TurnController, public testing::WithParamInterface<GameSettings> {};

TEST_P(WholeGame, IsPlayedToItsEndThroughPresses) {
    const GameSettings s = GetParam();
    for (unsigned seed = 1; seed <= 3; ++seed) {
        int moves = 0;
        playSeededGame(
            s.setup, seed, s.strength, 400, [](const Game&) {},
            [&moves](const Game&) {
                EXPECT_EQ(windowRecord().count(WindowRequest::Beep), 0) << "move " << moves;
                EXPECT_EQ(selectionState, 0);
                EXPECT_EQ(game.getCount(Red), piecesOnBoard(Red));
                EXPECT_EQ(game.getCount(Blue), piecesOnBoard(Blue));
                ++moves;
            });
        ASSERT_FALSE(HasFailure()) << "seed " << seed;
        EXPECT_EQ(gameActive, 0) << "seed " << seed << " unfinished after " << moves << " moves";
    }
}

std::string settingsName(const testing::TestParamInfo<GameSettings>& info) {
    const GameSetup& s = info.param.setup;
    return std::to_string(s.pieces) + "Men" + (s.redMovesFirst ? "RedFirst" : "BlueFirst") +
           (s.redAllKings ? "RedKings" : "") + (s.blueAllKings ? "BlueKings" : "") + "Strength" +
           std::to_string(info.param.strength);
}

INSTANTIATE_TEST_SUITE_P(Settings, WholeGame,
                         testing::Values(GameSettings{{12, 1, 0, 0}, 0},
                                         GameSettings{{12, 1, 0, 0}, 4},
                                         GameSettings{{8, 0, 0, 1}, 3},
                                         GameSettings{{4, 1, 1, 0}, 5},
                                         GameSettings{{12, 0, 1, 1}, 2}),
                         settingsName);

} // namespace

// What a player who cannot see the board hears, in the system's own words (stated again here on
// purpose): the squares' algebraic names, a move, a capture, a crowning, the turn and the result.
// (The keyboard's cursor and a selection are heard in the programs' own tests.)
class BoardWords : public TurnController {
protected:
    static std::vector<std::string> told() {
        std::vector<std::string> sentences;
        for (const BoardEvent& event : windowRecord().events) {
            sentences.push_back(boardSentence(event));
        }
        windowRecord().clear();
        return sentences;
    }
};

TEST_F(BoardWords, SquaresAreNamedFromRedsSideAndACrowningCaptureAndTheResultAreTold) {
    EXPECT_EQ(squareName(3, 9), "b1"); // red's first man; a1 is never played on
    EXPECT_EQ(squareName(9, 2), "h8");
    EXPECT_EQ(squareContents(2, 9), "a1、使わないマス。 a1: not played on.");

    placePieces(game, {{4, 4, RedMan}, {5, 3, BlueMan}}, Red);
    handleLeftPress(4, 4);
    told();
    handleLeftPress(6, 2);
    EXPECT_EQ(told(), (std::vector<std::string>{
                          "赤の駒がc6からe8へ動きました。 The red man moved from c6 to e8.",
                          "d7の青の駒を取りました。 The blue man on d7 is taken.",
                          "e8の駒が王になりました。 The man on e8 is crowned king.",
                          "勝負がつきました。次のクリックか Enter で結果を表示します。 The game is "
                          "decided: the next press or Enter shows the result."}));
    handleLeftPress(2, 2);
    EXPECT_EQ(told(), (std::vector<std::string>{"勝ち。あなたの勝ちです。 勝ち: you have won."}));
}

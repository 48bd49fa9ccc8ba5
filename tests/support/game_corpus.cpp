#include "tests/support/game_corpus.h"

#include "engine/random_numbers.h"
#include "ui/recorded_window.h"
#include "ui/turn_controller.h"

std::vector<GameSetup> everySetup() {
    std::vector<GameSetup> setups;
    for (int pieces : {4, 8, 12}) {
        for (int redFirst : {1, 0}) {
            for (int redKings : {0, 1}) {
                for (int blueKings : {0, 1}) {
                    setups.push_back({pieces, redFirst, redKings, blueKings});
                }
            }
        }
    }
    return setups;
}

std::string setupName(const GameSetup& setup) {
    return std::to_string(setup.pieces) + " men" + (setup.redMovesFirst ? "" : ", blue first") +
           (setup.redAllKings ? ", red kings" : "") + (setup.blueAllKings ? ", blue kings" : "");
}

namespace {

// Red's move by the random mover, played as two presses.
void playRedTurn(int blueStrength) {
    Move choice{};
    game.setStrength(0);
    game.chooseComputerMove(choice);
    game.setStrength(blueStrength);
    handleLeftPress(choice.fromX, choice.fromY);
    handleLeftPress(choice.toX, choice.toY);
}

} // namespace

void playSeededGame(const GameSetup& setup, unsigned seed, int blueStrength, int maxTurns,
                    const std::function<void(const Game&)>& beforeTurn,
                    const std::function<void(const Game&)>& afterTurn) {
    game.setPieceSetting(setup.pieces);
    game.setRedMovesFirst(setup.redMovesFirst);
    game.setRedAllKings(setup.redAllKings);
    game.setBlueAllKings(setup.blueAllKings);
    game.setVsHuman(0);
    game.setStrength(blueStrength);
    game.newGame();
    seedRandom(seed);
    windowRecord().clear();
    for (int turn = 0; turn < maxTurns; ++turn) {
        checkGameOver();
        if (gameActive == 0) {
            return;
        }
        beforeTurn(game);
        if (game.getSideToMove() == Red) {
            playRedTurn(blueStrength);
        } else {
            handleLeftPress(FirstPlayingLine, FirstPlayingLine); // the computer's turn
        }
        if (afterTurn) {
            afterTurn(game);
        }
        windowRecord().clear();
    }
}

std::vector<Game> positionsFromGames(int seeds, int blueStrength, int stride) {
    std::vector<Game> positions;
    int turn = 0;
    for (const GameSetup& setup : everySetup()) {
        for (int seed = 1; seed <= seeds; ++seed) {
            playSeededGame(setup, static_cast<unsigned>(seed), blueStrength, 300,
                           [&](const Game& position) {
                               if (turn++ % stride == 0) {
                                   positions.push_back(position);
                               }
                           });
        }
    }
    return positions;
}

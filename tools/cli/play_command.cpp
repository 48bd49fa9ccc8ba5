#include "engine/game.h"
#include "engine/random_numbers.h"
#include "tools/cli/commands.h"
#include "tools/cli/options.h"
#include "tools/diagram.h"
#include "ui/recorded_window.h"
#include "ui/turn_controller.h"

#include <cstdlib>
#include <iostream>

const char* const playHelp =
    "usage: yorunami-cli play [--seed S] [--strength N] [--red-strength N] [--pieces 4|8|12]\n"
    "                         [--blue-first] [--red-kings] [--blue-kings] [--max-turns N] "
    "[--show]\n"
    "\n"
    "Plays the computer against itself through the game's turn controller. Blue is the computer "
    "at\n"
    "--strength (default 5), moving on one press as in the game; red chooses with the computer's\n"
    "move at --red-strength (default 0, random) and plays it by two presses. The generator is\n"
    "seeded with S (default 1) after the new game. Prints 'red FX FY TX TY' or 'blue FX FY TX TY'\n"
    "for every move, then 'result red', 'result blue' (the winner) or 'result unfinished' after\n"
    "--max-turns moves (default 500). --show adds each board after a move as '#' lines.\n"
    "A beep during the game is a fault: it is reported on stderr and the exit code is 1.\n";

namespace {

struct PlaySettings {
    unsigned seed;
    int blueStrength;
    int redStrength;
    int maxMoves;
    bool show;
};

void setUpGame(const Options& options) {
    const long long pieces = options.number("--pieces", 12, 4, 12);
    if (pieces != 4 && pieces != 8 && pieces != 12) {
        throw UsageError("option '--pieces' must be 4, 8 or 12");
    }
    game.setPieceSetting(static_cast<int>(pieces));
    game.setRedMovesFirst(options.has("--blue-first") ? 0 : 1);
    game.setRedAllKings(options.has("--red-kings") ? 1 : 0);
    game.setBlueAllKings(options.has("--blue-kings") ? 1 : 0);
    game.setVsHuman(0);
    game.newGame();
}

// Red's move by the computer player at red's own strength, then played as two presses.
Move playRedMove(int redStrength) {
    const int blueStrength = game.getStrength();
    Move move{};
    game.setStrength(redStrength);
    game.chooseComputerMove(move);
    game.setStrength(blueStrength);
    handleLeftPress(move.fromX, move.fromY);
    handleLeftPress(move.toX, move.toY);
    return move;
}

// The computer's move takes one press; where it falls does not matter.
Move playBlueMove() {
    handleLeftPress(FirstPlayingLine, FirstPlayingLine);
    return currentMove;
}

const char* winner() {
    return windowRecord().count(WindowRequest::WinPicture) > 0 ? "red" : "blue";
}

void showBoard() {
    std::cout << "#\n";
    const std::string board = formatDiagram(game);
    for (std::size_t start = 0; start < board.size();) {
        const std::size_t end = board.find('\n', start);
        std::cout << "# " << board.substr(start, end - start + 1);
        start = end + 1;
    }
}

} // namespace

int runPlay(const Args& args) {
    const Options options(args, {{"--seed", true},
                                 {"--strength", true},
                                 {"--red-strength", true},
                                 {"--pieces", true},
                                 {"--blue-first", false},
                                 {"--red-kings", false},
                                 {"--blue-kings", false},
                                 {"--max-turns", true},
                                 {"--show", false}});
    const PlaySettings settings{static_cast<unsigned>(options.number("--seed", 1, 0, 4294967295LL)),
                                static_cast<int>(options.number("--strength", 5, 0, 11)),
                                static_cast<int>(options.number("--red-strength", 0, 0, 11)),
                                static_cast<int>(options.number("--max-turns", 500, 0, 1000000)),
                                options.has("--show")};
    setUpGame(options);
    game.setStrength(settings.blueStrength);
    seedRandom(settings.seed);
    windowRecord().clear();

    for (int moves = 0; moves < settings.maxMoves; ++moves) {
        checkGameOver();
        if (gameActive == 0) {
            std::cout << "result " << winner() << '\n';
            return 0;
        }
        const int side = game.getSideToMove();
        const Move move = side == Red ? playRedMove(settings.redStrength) : playBlueMove();
        if (windowRecord().count(WindowRequest::Beep) > 0) {
            std::cerr << "fault: a beep on " << (side == Red ? "red" : "blue") << "'s move "
                      << move.fromX << ' ' << move.fromY << ' ' << move.toX << ' ' << move.toY
                      << '\n';
            return 1;
        }
        std::cout << (side == Red ? "red " : "blue ") << move.fromX << ' ' << move.fromY << ' '
                  << move.toX << ' ' << move.toY << '\n';
        if (settings.show) {
            showBoard();
        }
        windowRecord().clear();
    }
    std::cout << "result unfinished\n";
    return 0;
}

#include "tools/cli/commands.h"
#include "tools/cli/options.h"
#include "tools/diagram.h"
#include "tools/perft.h"

#include <iostream>

const char* const perftHelp =
    "usage: yorunami-cli perft D [--side red|blue] [--board]\n"
    "\n"
    "Prints 'perft D N': the number of distinct sequences of D turns from the 12-men start\n"
    "position, or with --board from a board diagram read from stdin. A turn is one plain move or "
    "a\n"
    "whole capture chain as the game plays it. The side to move first is red unless --side says.\n";

int runPerft(const Args& args) {
    const Options options(args, {{"--side", true}, {"--board", false}}, 1);
    if (options.plain().empty()) {
        throw UsageError("perft needs a depth");
    }
    const int depth = static_cast<int>(parseNumber(options.plain()[0], "depth", 0, 30));
    const int side = parseSide(options.text("--side", "red"));
    if (options.has("--board")) {
        const DiagramResult board = readDiagram(std::cin);
        if (!board.ok) {
            throw UsageError(board.error);
        }
        loadDiagram(game, board.diagram, side);
    } else {
        game.newGame();
        if (game.getSideToMove() != side) {
            game.switchSide();
        }
    }
    std::cout << "perft " << depth << ' ' << countTurnSequences(game, side, depth) << '\n';
    return 0;
}

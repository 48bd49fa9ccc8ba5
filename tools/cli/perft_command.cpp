#include "tools/cli/commands.h"
#include "tools/cli/options.h"
#include "tools/diagram.h"
#include "tools/perft.h"

#include <iostream>

const char* const perftHelp =
    "usage: yorunami-cli perft D [--side red|blue] [--board] [--same-piece-chains]\n"
    "\n"
    "Prints 'perft D N': the number of distinct sequences of D turns from the 12-men start\n"
    "position, or with --board from a board diagram read from stdin. A turn is one plain move or "
    "a\n"
    "whole capture chain as the game plays it: after a jump that can go on, any piece of the side\n"
    "that can capture may jump next. With --same-piece-chains only the piece that has just jumped\n"
    "goes on, as in English draughts, whose published counts this then gives. The side to move\n"
    "first is red unless --side says.\n";

int runPerft(const Args& args) {
    const Options options(
        args, {{"--side", true}, {"--board", false}, {"--same-piece-chains", false}}, 1);
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
    const ChainRule rule =
        options.has("--same-piece-chains") ? ChainRule::SamePiece : ChainRule::AnyCapturingPiece;
    std::cout << "perft " << depth << ' ' << countTurnSequences(game, side, depth, rule) << '\n';
    return 0;
}

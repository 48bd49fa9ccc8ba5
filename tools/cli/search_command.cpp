#include "ai/values.h"
#include "engine/random_numbers.h"
#include "tools/cli/commands.h"
#include "tools/cli/options.h"
#include "tools/diagram.h"

#include <iostream>

const char* const searchHelp =
    "usage: yorunami-cli search --depth D --side red|blue [--seed S] < board\n"
    "\n"
    "Reads a board diagram from stdin (8 lines of 8 characters: r R b B .; the first line is\n"
    "row 2, blue's side). Both counts are the pieces on the board and the given side is to move.\n"
    "Seeds the generator with S (default 1) and searches to depth D with the window -9999 to "
    "9999.\n"
    "Prints 'move FX FY TX TY value V', or 'move none value V' when no move was written.\n";

int runSearch(const Args& args) {
    const Options options(args, {{"--depth", true}, {"--side", true}, {"--seed", true}});
    if (!options.has("--depth") || !options.has("--side")) {
        throw UsageError("search needs --depth and --side");
    }
    const int depth = static_cast<int>(options.number("--depth", 0, 0, 20));
    const int side = parseSide(options.text("--side", ""));
    const auto seed = static_cast<unsigned>(options.number("--seed", 1, 0, 4294967295LL));

    const DiagramResult board = readDiagram(std::cin);
    if (!board.ok) {
        throw UsageError(board.error);
    }
    loadDiagram(game, board.diagram, side);
    seedRandom(seed);
    Move out{-1, -1, -1, -1};
    const int value = game.search(side, depth, BlueLost, RedLost, out);
    if (out.fromX < 0) {
        std::cout << "move none value " << value << '\n';
    } else {
        std::cout << "move " << out.fromX << ' ' << out.fromY << ' ' << out.toX << ' ' << out.toY
                  << " value " << value << '\n';
    }
    return 0;
}

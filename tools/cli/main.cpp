// yorunami-cli: plays, searches, counts and measures with the real engine and turn controller,
// without a window.
#include "tools/cli/commands.h"
#include "tools/cli/options.h"

#include <cstring>
#include <iostream>

namespace {

const char* const toolHelp =
    "usage: yorunami-cli COMMAND [OPTIONS]\n"
    "\n"
    "Drives the Yorunami checkers engine and turn controller without a window.\n"
    "\n"
    "commands:\n"
    "  play     a game of the computer against itself, played through presses\n"
    "  search   the computer's search on a board diagram read from stdin\n"
    "  perft    the number of turn sequences of a given depth\n"
    "  bench    the search on built-in positions: times and a signature of behaviour\n"
    "\n"
    "'yorunami-cli COMMAND --help' describes a command.\n";

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* const* help;
};

const Command commands[] = {
    {"play", runPlay, &playHelp},
    {"search", runSearch, &searchHelp},
    {"perft", runPerft, &perftHelp},
    {"bench", runBench, &benchHelp},
};

bool asksForHelp(const Args& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const Args all(argv + 1, argv + argc);
    if (all.empty()) {
        std::cerr << toolHelp;
        return 2;
    }
    if (all[0] == "--help" || all[0] == "-h" || all[0] == "help") {
        std::cout << toolHelp;
        return 0;
    }
    for (const Command& command : commands) {
        if (all[0] != command.name) {
            continue;
        }
        const Args args(all.begin() + 1, all.end());
        if (asksForHelp(args)) {
            std::cout << *command.help;
            return 0;
        }
        try {
            return command.run(args);
        } catch (const UsageError& error) {
            std::cerr << "yorunami-cli " << command.name << ": " << error.what() << '\n';
            return 2;
        }
    }
    std::cerr << "yorunami-cli: unknown command '" << all[0] << "' (try --help)\n";
    return 2;
}

#include "ai/values.h"
#include "engine/random_numbers.h"
#include "tools/cli/commands.h"
#include "tools/cli/options.h"
#include "tools/diagram.h"

#include <chrono>
#include <cstdint>
#include <iomanip>
#include <iostream>

const char* const benchHelp =
    "usage: yorunami-cli bench [--depth D]\n"
    "\n"
    "Searches each built-in position to depth D (default 11) for its side to move, with its own\n"
    "fixed seed, as the computer chooses its move. Prints one line per position with the move, "
    "its\n"
    "value, the leaves evaluated and the time; then 'signature H', a hash of every move, value "
    "and\n"
    "leaf count (it changes whenever the search behaves differently), and the leaves per second.\n";

namespace {

struct BenchPosition {
    const char* name;
    int side;
    unsigned seed;
    const char* diagram;
};

#include "tools/cli/bench_positions.inc"

// FNV-1a over the numbers that show what the search did.
struct Signature {
    std::uint64_t hash = 14695981039346656037ULL;

    void add(long long value) {
        for (int i = 0; i < 8; ++i) {
            hash ^= static_cast<std::uint64_t>(value) >> (8 * i) & 0xff;
            hash *= 1099511628211ULL;
        }
    }
};

} // namespace

int runBench(const Args& args) {
    const Options options(args, {{"--depth", true}});
    const int depth = static_cast<int>(options.number("--depth", 11, 1, 20));

    Signature signature;
    long long totalLeaves = 0;
    double totalSeconds = 0;
    int number = 0;
    for (const BenchPosition& position : benchPositions) {
        const DiagramResult board = parseDiagram(position.diagram);
        if (!board.ok) {
            std::cerr << "bench position '" << position.name << "': " << board.error << '\n';
            return 2;
        }
        loadDiagram(game, board.diagram, position.side);
        seedRandom(position.seed);
        const long long leavesBefore = game.evaluatedLeaves();
        Move move{-1, -1, -1, -1};
        const auto start = std::chrono::steady_clock::now();
        const int value = game.search(position.side, depth, BlueLost, RedLost, move);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        const long long leaves = game.evaluatedLeaves() - leavesBefore;

        for (long long n : {static_cast<long long>(move.fromX), static_cast<long long>(move.fromY),
                            static_cast<long long>(move.toX), static_cast<long long>(move.toY),
                            static_cast<long long>(value), leaves}) {
            signature.add(n);
        }
        totalLeaves += leaves;
        totalSeconds += seconds.count();
        std::cout << "position " << std::setw(2) << ++number << "  " << std::left << std::setw(40)
                  << position.name << std::right << " move " << move.fromX << ' ' << move.fromY
                  << ' ' << move.toX << ' ' << move.toY << "  value " << std::setw(5) << value
                  << "  leaves " << std::setw(11) << leaves << "  time " << std::fixed
                  << std::setprecision(3) << seconds.count() * 1000 << " ms\n";
    }
    std::cout << "signature " << std::hex << std::setw(16) << std::setfill('0') << signature.hash
              << std::dec << std::setfill(' ') << '\n';
    std::cout << "leaves " << totalLeaves << "  time " << std::setprecision(3) << totalSeconds
              << " s  leaves per second " << std::setprecision(0)
              << (totalSeconds > 0 ? totalLeaves / totalSeconds : 0) << '\n';
    return 0;
}

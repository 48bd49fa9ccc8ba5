// The engine's search beside the plain square-by-square search, on the same positions from seeded
// games under every setting and with the same generator: leaves per second of each, per depth,
// and the ratio plain/engine from the same run. Then the single-move times of the computer at
// strength 11 over whole games, red played by the random mover.
#include "ai/values.h"
#include "engine/random_numbers.h"
#include "tests/support/game_corpus.h"
#include "tests/support/reference.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

const std::vector<Game>& corpus() {
    static const std::vector<Game> positions = positionsFromGames(1, 2, 23);
    return positions;
}

template <typename Search>
void searchCorpus(benchmark::State& state, Search search) {
    const int depth = static_cast<int>(state.range(0));
    long long leaves = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < corpus().size(); ++i) {
            Game position = corpus()[i];
            Move move{};
            seedRandom(static_cast<unsigned>(i + 1));
            const long long before = position.evaluatedLeaves();
            benchmark::DoNotOptimize(search(position, depth, move));
            leaves += position.evaluatedLeaves() - before;
        }
    }
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
    state.counters["positions"] = static_cast<double>(corpus().size());
}

void engineSearch(benchmark::State& state) {
    searchCorpus(state, [](Game& position, int depth, Move& move) {
        return position.search(position.getSideToMove(), depth, BlueLost, RedLost, move);
    });
}

void plainSearch(benchmark::State& state) {
    searchCorpus(state, [](Game& position, int depth, Move& move) {
        return reference::search(position, position.getSideToMove(), depth, BlueLost, RedLost,
                                 move);
    });
}

BENCHMARK(plainSearch)->DenseRange(1, 11, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(engineSearch)->DenseRange(1, 11, 2)->Unit(benchmark::kMillisecond);

// Every computer move at strength 11 in seeded games, timed one by one.
void strengthElevenMoves(benchmark::State& state, GameSetup setup) {
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        for (unsigned seed = 1; seed <= 8; ++seed) {
            std::chrono::steady_clock::time_point start;
            bool bluesTurn = false;
            playSeededGame(
                setup, seed, 11, 400,
                [&](const Game& before) {
                    bluesTurn = before.getSideToMove() == Blue;
                    start = std::chrono::steady_clock::now();
                },
                [&](const Game&) {
                    const std::chrono::duration<double, std::milli> spent =
                        std::chrono::steady_clock::now() - start;
                    if (bluesTurn) {
                        milliseconds.push_back(spent.count());
                    }
                });
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["moves"] = static_cast<double>(milliseconds.size());
    state.counters["worst_ms"] = milliseconds.back();
    state.counters["p90_ms"] = milliseconds[milliseconds.size() * 9 / 10];
}

BENCHMARK_CAPTURE(strengthElevenMoves, twelveMen, GameSetup{12, 1, 0, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(strengthElevenMoves, allKings, GameSetup{12, 1, 1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The generator: a number from the C library's rand, from the game's own, and the parity of one
// taken in runs of 4 as the search takes them just above the leaves.
void cLibraryRand(benchmark::State& state) {
    std::srand(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::rand());
    }
}

void gameRandom(benchmark::State& state) {
    seedRandom(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawRandom());
    }
}

void gameParitiesByFour(benchmark::State& state) {
    seedRandom(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(upcomingParities(4));
        skipRandom(4);
    }
    state.SetItemsProcessed(4 * state.iterations());
}

BENCHMARK(cLibraryRand);
BENCHMARK(gameRandom);
BENCHMARK(gameParitiesByFour);

// Prints, after the usual table, how many times faster the engine's search ran than the plain
// one at each depth.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            timePerIteration[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (int depth = 1; depth <= 11; depth += 2) {
            const std::string suffix = "/" + std::to_string(depth);
            const auto plain = timePerIteration.find("plainSearch" + suffix);
            const auto engine = timePerIteration.find("engineSearch" + suffix);
            if (plain != timePerIteration.end() && engine != timePerIteration.end()) {
                std::printf("depth %2d: plain/engine = %.1f\n", depth,
                            plain->second / engine->second);
            }
        }
    }

private:
    std::map<std::string, double> timePerIteration;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

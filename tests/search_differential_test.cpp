// The engine's search against the plain square-by-square search, on positions from seeded games
// under every setting: the same value, move, leaves, board afterwards and next generator number.
// The normal run takes a slice of the corpus; `--full` takes all of it (a few minutes), some
// positions up to depth 11.
#include "ai/values.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"
#include "tests/support/game_corpus.h"
#include "tests/support/reference.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

bool fullCorpus = false;

struct Outcome {
    int value;
    Move move;
    long long leaves;
    int nextDraw; // equal next draws prove equal numbers of draws
    BoardSnapshot board;
};

struct SearchCall {
    int side;
    int depth;
    int alpha;
    int beta;
    unsigned seed;
};

template <typename Search>
Outcome run(Game position, const SearchCall& call, Search search) {
    Move move{-7, -7, -7, -7};
    seedRandom(call.seed);
    const long long before = position.evaluatedLeaves();
    const int value = search(position, call, move);
    const int nextDraw = drawRandom();
    return {value, move, position.evaluatedLeaves() - before, nextDraw, snapshot(position)};
}

void expectSameSearch(const Game& position, const SearchCall& call) {
    const Outcome fast = run(position, call, [](Game& p, const SearchCall& c, Move& m) {
        return p.search(c.side, c.depth, c.alpha, c.beta, m);
    });
    const Outcome plain = run(position, call, [](Game& p, const SearchCall& c, Move& m) {
        return reference::search(p, c.side, c.depth, c.alpha, c.beta, m);
    });
    const std::string where = formatDiagram(position) + "side " + std::to_string(call.side) +
                              " depth " + std::to_string(call.depth) + " bounds " +
                              std::to_string(call.alpha) + ".." + std::to_string(call.beta) +
                              " seed " + std::to_string(call.seed);
    ASSERT_EQ(fast.value, plain.value) << where;
    ASSERT_EQ(fast.move, plain.move) << where;
    ASSERT_EQ(fast.leaves, plain.leaves) << where;
    ASSERT_EQ(fast.nextDraw, plain.nextDraw) << where;
    ASSERT_EQ(fast.board, snapshot(position)) << where; // restored, as the plain one must be
    ASSERT_EQ(plain.board, snapshot(position)) << where;
}

// As inside a search: a piece of each side gone from the board while the counts still hold it.
Game withCountsAbovePieces(Game position, std::mt19937& random) {
    for (int side : {Red, Blue}) {
        PieceList list;
        position.listPieces(list);
        const int pieces = [&] {
            int n = 0;
            while (n < PiecesPerSide && list[halfStart(side) + n].x != -1) {
                ++n;
            }
            return n;
        }();
        if (pieces > 1) {
            const PieceEntry taken = list[halfStart(side) + static_cast<int>(random() % pieces)];
            position.setSquare(taken.x, taken.y, Empty);
        }
    }
    return position;
}

struct CorpusPlan {
    int seeds;     // games per setup
    int stride;    // every stride-th position of them
    int maxDepth;  // for every position
    int deepEvery; // every deepEvery-th position also at depths up to 11
    int searchSeeds;
};

void compareOnCorpus(const CorpusPlan& plan) {
    const std::vector<Game> corpus = positionsFromGames(plan.seeds, 2, plan.stride);
    std::mt19937 random(77);
    long long searches = 0;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const Game& played = corpus[i];
        const Game shrunk = withCountsAbovePieces(played, random);
        const int toMove = played.getSideToMove();
        const int lastDepth = i % plan.deepEvery == 0 ? 11 : plan.maxDepth;
        for (int depth = 0; depth <= lastDepth; ++depth) {
            for (int s = 0; s < plan.searchSeeds; ++s) {
                const unsigned seed = static_cast<unsigned>(random());
                expectSameSearch(played, {toMove, depth, BlueLost, RedLost, seed});
                if (depth <= plan.maxDepth) {
                    expectSameSearch(played, {1 - toMove, depth, BlueLost, RedLost, seed});
                    expectSameSearch(shrunk, {toMove, depth, BlueLost, RedLost, seed});
                    // Bounds narrower than the root's, as a caller may pass them.
                    const int bound = static_cast<int>(random() % 9) - 4;
                    expectSameSearch(played, {toMove, depth, bound, bound + 3, seed});
                    searches += 3;
                }
                ++searches;
                if (testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
    }
    std::printf("%zu positions, %lld searches compared\n", corpus.size(), searches);
    EXPECT_GT(corpus.size(), fullCorpus ? 2000U : 150U);
}

TEST(SearchDifferential, MatchesThePlainSearchOnPositionsFromGames) {
    if (fullCorpus) {
        compareOnCorpus({3, 2, 6, 60, 2});
    } else {
        compareOnCorpus({1, 7, 4, 150, 1});
    }
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        fullCorpus = fullCorpus || std::strcmp(argv[i], "--full") == 0;
    }
    return RUN_ALL_TESTS();
}

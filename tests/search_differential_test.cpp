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

// As inside a search: a piece of each side gone from the board while the counts still hold it.
Game withCountsAbovePieces(Game position, std::mt19937& random) {
    for (int side : {Red, Blue}) {
        PieceList list;
        position.listPieces(list);
        const int pieces = position.getCount(side); // between turns, the pieces on the board
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
                reference::expectSameAsPlainSearch(played,
                                                   {toMove, depth, BlueLost, RedLost, seed});
                if (depth <= plan.maxDepth) {
                    reference::expectSameAsPlainSearch(
                        played, {1 - toMove, depth, BlueLost, RedLost, seed});
                    reference::expectSameAsPlainSearch(shrunk,
                                                       {toMove, depth, BlueLost, RedLost, seed});
                    // Bounds narrower than the root's, as a caller may pass them.
                    const int bound = static_cast<int>(random() % 9) - 4;
                    reference::expectSameAsPlainSearch(played,
                                                       {toMove, depth, bound, bound + 3, seed});
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

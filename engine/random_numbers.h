// The game's pseudo-random numbers: the additive-feedback generator behind the GNU C library's
// srand and rand, written out here. Every build (the Windows programs too) draws the same numbers
// from a seed, so games repeat anywhere from their seed, and a draw costs a read with no lock,
// which matters at one draw per leaf of the search.
#pragma once

#include <cstdint>

// Starts the sequence srand(seed) starts.
void seedRandom(unsigned seed);

namespace random_numbers_detail {

// Each sum is the sum of the ones made 3 and 31 places before it; a number is a sum without its
// lowest bit. The sums are made 32 at a time, so that a draw is only a read and the lowest bits of
// the numbers to come can be seen before they are drawn.
constexpr int History = 40; // what the next sums are made from
constexpr int Batch = 32;
constexpr int Capacity = History + 8 * Batch; // the history moves back every 8 batches

struct AdditiveFeedback {
    std::uint32_t sums[Capacity]; // in order; those from `next` on are not drawn yet
    std::uint64_t parities;       // bit i: the lowest bit of the number i places ahead
    int next;                     // the next number to draw
    int end;                      // one past the last sum made

    void makeBatch(); // only while fewer than 32 are ready, so that the parities hold them all
};

// The sequence's one state, as the C library's rand has one; unseeded it starts as seed 1 does.
extern AdditiveFeedback state;

} // namespace random_numbers_detail

// The next number of the sequence, 0 to 2147483647: what rand() would give.
inline int drawRandom() {
    using namespace random_numbers_detail;
    if (state.next == state.end) {
        state.makeBatch();
    }
    state.parities >>= 1;
    return static_cast<int>(state.sums[state.next++] >> 1);
}

// The lowest bits of the next n numbers (n from 1 to 32), the first in bit 0, without drawing them:
// what n calls of drawRandom() % 2 would give.
inline std::uint32_t upcomingParities(int n) {
    using namespace random_numbers_detail;
    if (state.end - state.next < n) {
        state.makeBatch();
    }
    return static_cast<std::uint32_t>(state.parities & ((std::uint64_t{1} << n) - 1));
}

// Draws n numbers unseen, n no more than the last upcomingParities looked at.
inline void skipRandom(int n) {
    using namespace random_numbers_detail;
    state.next += n;
    state.parities >>= n;
}

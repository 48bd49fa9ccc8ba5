// The game's pseudo-random numbers: the additive-feedback generator behind the GNU C library's
// srand and rand, written out here. Every build (the Windows programs too) draws the same numbers
// from a seed, so games repeat anywhere from their seed, and a draw costs a read with no lock,
// which matters at one draw per leaf of the search.
#pragma once

#include <cstdint>

// Starts the sequence srand(seed) starts.
void seedRandom(unsigned seed);

namespace random_numbers_detail {

constexpr int Degree = 31;
constexpr int QueueSize = 64;

// Each number is the sum of the ones drawn 3 and 31 places earlier, kept in a ring of 31. The sums
// are made 31 at a time into a queue, so that a draw is only a read, and the lowest bits of the
// numbers to come can be seen before they are drawn.
struct AdditiveFeedback {
    std::uint32_t ring[Degree];
    std::int32_t queue[QueueSize]; // made, not yet drawn: the sums without their lowest bit
    std::uint64_t parities;        // bit i: the lowest bit of the number i places ahead
    std::uint64_t next;            // where the next number stands in the queue, modulo its size
    std::int64_t ready;            // numbers made and not yet drawn

    void makeBatch(); // only while at most 33 are ready, so that the queue holds them all
};

// The sequence's one state, as the C library's rand has one; unseeded it starts as seed 1 does.
extern AdditiveFeedback state;

} // namespace random_numbers_detail

// The next number of the sequence, 0 to 2147483647: what rand() would give.
inline int drawRandom() {
    using namespace random_numbers_detail;
    if (state.ready == 0) {
        state.makeBatch();
    }
    const int number = state.queue[state.next % QueueSize];
    ++state.next;
    --state.ready;
    state.parities >>= 1;
    return number;
}

// The lowest bits of the next n numbers (n from 1 to 32), the first in bit 0, without drawing them:
// what n calls of drawRandom() % 2 would give.
inline std::uint32_t upcomingParities(int n) {
    using namespace random_numbers_detail;
    if (state.ready < n) {
        state.makeBatch();
    }
    return static_cast<std::uint32_t>(state.parities & ((std::uint64_t{1} << n) - 1));
}

// Draws n numbers unseen, n no more than the last upcomingParities looked at.
inline void skipRandom(int n) {
    using namespace random_numbers_detail;
    state.next += n;
    state.ready -= n;
    state.parities >>= n;
}

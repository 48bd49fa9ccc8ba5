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
// lowest bit. The sums are made 32 at a time, so that a draw is only a read.
constexpr int History = 40; // what the next sums are made from
constexpr int Batch = 32;
constexpr int Capacity = History + 8 * Batch; // the history moves back every 8 batches

// The search wants only the lowest bit of most numbers: the second-lowest bit of their sums. The
// lowest two bits of a sum depend on nothing above them, so they are kept apart as well, 64 sums
// to a word, for as far ahead as the search looks. The whole sums follow only when a number is
// drawn in full, and then leap over the numbers drawn by their parity alone.
constexpr int WordsAhead = 16;             // bit words made past the one holding the next number
constexpr int PlaneWords = 2 * WordsAhead; // a ring: those words and the ones they are made from

// The cursors. Numbers are counted from the seed, the first being number 0.
// - `drawn` numbers have been drawn: in full, by their parity, or skipped unseen.
// - The sums have passed the first `passed` of them, passed <= drawn. sums[next] is the sum of
//   number `passed` when next < end; the last History sums before `end` make the next batch.
// - The bit words made last, up to PlaneWords of them, are word w in slot w % PlaneWords, word w
//   holding the numbers 64 w to 64 w + 63.
// A full draw first brings `passed` up to `drawn`; a look at parities first makes the words that
// hold them.
struct AdditiveFeedback {
    std::uint32_t sums[Capacity];
    int next;
    int end; // one past the last sum made

    std::uint64_t lowBits[PlaneWords];  // bit 0 of each sum
    std::uint64_t highBits[PlaneWords]; // bit 1 of each sum: the lowest bit of its number
    std::uint64_t drawn;
    std::uint64_t passed;
    std::uint64_t wordsMade; // words of the two bits made since the seed

    void makeBatch();    // only while fewer than 32 are ready
    void passDrawn();    // the sums catch up with the numbers drawn
    void makeBitWords(); // up to WordsAhead words after the one holding the next number
};

// The sequence's one state, as the C library's rand has one; unseeded it starts as seed 1 does.
extern AdditiveFeedback state;

} // namespace random_numbers_detail

// The next number of the sequence, 0 to 2147483647: what rand() would give.
inline int drawRandom() {
    using namespace random_numbers_detail;
    if (state.passed != state.drawn) {
        state.passDrawn();
    }
    if (state.next == state.end) {
        state.makeBatch();
    }
    ++state.drawn;
    ++state.passed;
    return static_cast<int>(state.sums[state.next++] >> 1);
}

// The lowest bits of the next n numbers (n from 1 to 32), the first in bit 0, without drawing them:
// what n calls of drawRandom() % 2 would give.
inline std::uint32_t upcomingParities(int n) {
    using namespace random_numbers_detail;
    const std::uint64_t word = state.drawn / 64;
    if (state.wordsMade <= word + 1) {
        state.makeBitWords();
    }
    const unsigned offset = static_cast<unsigned>(state.drawn % 64);
    const std::uint64_t first = state.highBits[word % PlaneWords] >> offset;
    // Shifted twice, so that an offset of 0 takes nothing from the second word.
    const std::uint64_t second = state.highBits[(word + 1) % PlaneWords] << (63 - offset) << 1;
    return static_cast<std::uint32_t>((first | second) & ((std::uint64_t{1} << n) - 1));
}

// Draws n numbers unseen, however many: what follows them is made when next asked for.
inline void skipRandom(int n) {
    using namespace random_numbers_detail;
    state.drawn += static_cast<std::uint64_t>(n);
}

// How many numbers have been drawn since the seed, in full or not.
inline std::uint64_t numbersDrawn() {
    return random_numbers_detail::state.drawn;
}

// What drawRandom() % 2 would give, drawn.
inline int drawParity() {
    const int parity = static_cast<int>(upcomingParities(1));
    skipRandom(1);
    return parity;
}

#include "engine/random_numbers.h"

#include <array>

namespace random_numbers_detail {

namespace {

constexpr int Degree = 31;
constexpr int Separation = 3;

// bitOf[i]: the bit of a batch's i-th number in its parity word.
constexpr auto bitOf = [] {
    std::array<std::uint32_t, Batch> bits{};
    for (int i = 0; i < Batch; ++i) {
        bits[i] = std::uint32_t{1} << i;
    }
    return bits;
}();

// The C library's start: 31 words from the Park-Miller generator (16807 times the last word
// modulo 2^31 - 1, by Schrage's method to stay within 32 bits), the first three repeated, then the
// first 310 numbers thrown away. The last sums are kept.
constexpr AdditiveFeedback seeded(unsigned seed) {
    constexpr int Made = Degree + Separation + 10 * Degree;
    std::uint32_t start[Made]{};
    std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1 : seed);
    start[0] = static_cast<std::uint32_t>(word);
    for (int i = 1; i < Degree; ++i) {
        const std::int32_t high = word / 127773;
        const std::int32_t low = word % 127773;
        word = 16807 * low - 2836 * high;
        if (word < 0) {
            word += 2147483647;
        }
        start[i] = static_cast<std::uint32_t>(word);
    }
    for (int i = Degree; i < Degree + Separation; ++i) {
        start[i] = start[i - Degree];
    }
    for (int i = Degree + Separation; i < Made; ++i) {
        start[i] = start[i - Degree] + start[i - Separation];
    }
    AdditiveFeedback generator{};
    for (int i = 0; i < History; ++i) {
        generator.sums[i] = start[Made - History + i];
    }
    generator.next = History;
    generator.end = History;
    return generator;
}

} // namespace

AdditiveFeedback state = seeded(1);

// With s[i] = s[i - 31] + s[i - 3] written out four times for its nearest term, each sum is
// s[i - 12] + s[i - 31] + s[i - 34] + s[i - 37] + s[i - 40]: no sum of a batch needs one of the
// eleven before it, so the compiler makes four at once, each four reading four made together. The
// unread numbers and the history move to the front first when the batch would not fit.
void AdditiveFeedback::makeBatch() {
    if (end + Batch > Capacity) {
        const int from = end - History;
        for (int i = 0; i < History; ++i) {
            sums[i] = sums[from + i];
        }
        next -= from;
        end = History;
    }
    std::uint32_t* const made = sums + end;
    for (int i = 0; i < Batch; ++i) {
        made[i] = made[i - 12] + made[i - 31] + made[i - 34] + made[i - 37] + made[i - 40];
    }
    // Each parity masks its own bit of the word, read from a table, so that the compiler can
    // gather four at once as well.
    std::uint32_t batchParities = 0;
    for (int i = 0; i < Batch; ++i) {
        batchParities |= (0U - (made[i] >> 1 & 1)) & bitOf[i];
    }
    parities |= static_cast<std::uint64_t>(batchParities) << (end - next);
    end += Batch;
}

} // namespace random_numbers_detail

void seedRandom(unsigned seed) {
    random_numbers_detail::state = random_numbers_detail::seeded(seed);
}

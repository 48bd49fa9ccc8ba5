#include "engine/random_numbers.h"

#include <array>

namespace random_numbers_detail {

namespace {

constexpr int Degree = 31;
constexpr int Separation = 3;

// Modulo 4, squaring the rule s[i] = s[i - 31] + s[i - 3] four times leaves
// s[i] = s[i - 96] + 2 s[i - 544] + s[i - 992] (each cross term has a factor 2 that meets another
// and vanishes): the lags of the two bits, each a whole number of words and a half.
constexpr int NearLag = 32 * Separation;              // 96
constexpr int MiddleLag = 16 * (Degree + Separation); // 544, counted twice
constexpr int FarLag = 32 * Degree;                   // 992
static_assert(NearLag % 64 == 32 && MiddleLag % 64 == 32 && FarLag % 64 == 32);

// The words of the two bits made one by one at the seed, before the lags reach back to them.
constexpr int FirstBitWords = FarLag / 64 + 1;

// The C library's start: 31 words from the Park-Miller generator (16807 times the last word
// modulo 2^31 - 1, by Schrage's method to stay within 32 bits), the first three repeated, then the
// first 310 numbers thrown away. The last sums are kept, and the lowest two bits of the first
// sums to come.
constexpr AdditiveFeedback seeded(unsigned seed) {
    constexpr int Thrown = Degree + Separation + 10 * Degree;
    constexpr int Made = Thrown + 64 * FirstBitWords;
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
        generator.sums[i] = start[Thrown - History + i];
    }
    generator.next = History;
    generator.end = History;
    for (int i = 0; i < 64 * FirstBitWords; ++i) {
        const std::uint32_t sum = start[Thrown + i];
        generator.lowBits[i / 64] |= std::uint64_t{sum & 1} << (i % 64);
        generator.highBits[i / 64] |= std::uint64_t{sum >> 1 & 1} << (i % 64);
    }
    generator.wordsMade = FirstBitWords;
    return generator;
}

// The sums as a polynomial: x^j stands for the sum j places after some start, and as
// s[n + 31] = s[n + 28] + s[n], x^31 may be replaced by x^28 + 1. So any sum ahead is a sum of the
// 31 from the start, each times a coefficient: those of x^distance modulo x^31 - x^28 - 1.
using Polynomial = std::array<std::uint32_t, Degree>;

Polynomial timesX(const Polynomial& p) {
    Polynomial product{};
    for (int i = Degree - 1; i > 0; --i) {
        product[i] = p[i - 1];
    }
    product[0] = p[Degree - 1];
    product[Degree - Separation] += p[Degree - 1];
    return product;
}

Polynomial product(const Polynomial& a, const Polynomial& b) {
    std::uint32_t full[2 * Degree - 1]{};
    for (int i = 0; i < Degree; ++i) {
        for (int j = 0; j < Degree; ++j) {
            full[i + j] += a[i] * b[j];
        }
    }
    for (int k = 2 * Degree - 2; k >= Degree; --k) { // x^k = x^(k - 3) + x^(k - 31)
        full[k - Separation] += full[k];
        full[k - Degree] += full[k];
    }
    Polynomial reduced{};
    for (int i = 0; i < Degree; ++i) {
        reduced[i] = full[i];
    }
    return reduced;
}

Polynomial xToThe(std::uint64_t exponent) {
    Polynomial power{};
    power[0] = 1;
    for (int bit = 63; bit >= 0; --bit) {
        power = product(power, power);
        if ((exponent >> bit & 1) != 0) {
            power = timesX(power);
        }
    }
    return power;
}

// Below this many, passing sums batch by batch is quicker than the leap.
constexpr std::uint64_t LeapFrom = 4096;

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
    end += Batch;
}

// Leaps over many numbers: the history's last 31 sums give the 31 sums that end 9 before the
// numbers to come, and those the 9 after them.
void AdditiveFeedback::passDrawn() {
    const std::uint64_t behind = drawn - passed;
    const std::uint64_t ready = static_cast<std::uint64_t>(end - next);
    passed = drawn;
    if (behind <= ready) {
        next += static_cast<int>(behind);
        return;
    }
    std::uint64_t left = behind - ready;
    next = end;
    if (left < LeapFrom) {
        while (left > 0) {
            const int step = left < Batch ? static_cast<int>(left) : Batch;
            makeBatch();
            next += step;
            left -= static_cast<std::uint64_t>(step);
        }
        return;
    }
    const std::uint32_t* const start = sums + end - Degree;
    std::uint32_t leapt[History];
    Polynomial power = xToThe(Degree + left - History);
    for (int j = 0; j < Degree; ++j) {
        std::uint32_t sum = 0;
        for (int i = 0; i < Degree; ++i) {
            sum += power[i] * start[i];
        }
        leapt[j] = sum;
        power = timesX(power);
    }
    for (int j = Degree; j < History; ++j) {
        leapt[j] = leapt[j - Degree] + leapt[j - Separation];
    }
    for (int j = 0; j < History; ++j) {
        sums[j] = leapt[j];
    }
    next = History;
    end = History;
}

// Each lag starts half a word into a word, so 64 sums come from a few whole-word steps: the upper
// half of one word and the lower half of the next.
void AdditiveFeedback::makeBitWords() {
    const auto lagging = [this](const std::uint64_t* bits, int lag) {
        const int wordsBack = lag / 64;
        const std::uint64_t older = bits[(wordsMade - wordsBack - 1) % PlaneWords];
        const std::uint64_t newer = bits[(wordsMade - wordsBack) % PlaneWords];
        return older >> 32 | newer << 32;
    };
    // Made WordsAhead at a time, so that upcomingParities rarely waits for a word. The ring keeps
    // the words the far lag reaches back to, and the two words upcomingParities reads.
    static_assert(FirstBitWords <= PlaneWords && WordsAhead + 2 <= PlaneWords);
    const std::uint64_t last = drawn / 64 + WordsAhead;
    while (wordsMade <= last) {
        const std::uint64_t nearLow = lagging(lowBits, NearLag);
        const std::uint64_t nearHigh = lagging(highBits, NearLag);
        const std::uint64_t middleLow = lagging(lowBits, MiddleLag);
        const std::uint64_t farLow = lagging(lowBits, FarLag);
        const std::uint64_t farHigh = lagging(highBits, FarLag);
        lowBits[wordsMade % PlaneWords] = nearLow ^ farLow;
        highBits[wordsMade % PlaneWords] = nearHigh ^ farHigh ^ (nearLow & farLow) ^ middleLow;
        ++wordsMade;
    }
}

} // namespace random_numbers_detail

void seedRandom(unsigned seed) {
    random_numbers_detail::state = random_numbers_detail::seeded(seed);
}

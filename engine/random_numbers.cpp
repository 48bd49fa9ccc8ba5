#include "engine/random_numbers.h"

#include <cstdint>

namespace {

// Each number is the sum of the ones drawn 3 and 31 places earlier, kept in a ring of 31.
constexpr int Degree = 31;
constexpr int Separation = 3;

struct AdditiveFeedback {
    std::uint32_t ring[Degree];
    int front; // the newer of the pair, overwritten by the sum
    int rear;

    constexpr std::uint32_t nextSum() {
        const std::uint32_t sum = ring[front] += ring[rear];
        front = front + 1 == Degree ? 0 : front + 1;
        rear = rear + 1 == Degree ? 0 : rear + 1;
        return sum;
    }
};

// The ring is filled by the Park-Miller generator (16807 times the last word modulo 2^31 - 1, by
// Schrage's method to stay within 32 bits), then the first 310 sums are thrown away.
constexpr AdditiveFeedback seeded(unsigned seed) {
    AdditiveFeedback generator{};
    std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1 : seed);
    generator.ring[0] = static_cast<std::uint32_t>(word);
    for (int i = 1; i < Degree; ++i) {
        const std::int32_t high = word / 127773;
        const std::int32_t low = word % 127773;
        word = 16807 * low - 2836 * high;
        if (word < 0) {
            word += 2147483647;
        }
        generator.ring[i] = static_cast<std::uint32_t>(word);
    }
    generator.front = Separation;
    generator.rear = 0;
    for (int i = 0; i < 10 * Degree; ++i) {
        generator.nextSum();
    }
    return generator;
}

// The sequence's one state, as the C library's rand has one; unseeded it starts as seed 1 does.
AdditiveFeedback state = seeded(1);

} // namespace

void seedRandom(unsigned seed) {
    state = seeded(seed);
}

// The lowest bit of a sum is the least random, so it is dropped.
int drawRandom() {
    return static_cast<int>(state.nextSum() >> 1);
}

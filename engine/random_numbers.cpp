#include "engine/random_numbers.h"

namespace random_numbers_detail {

namespace {

constexpr int Separation = 3;

// Sum j lands Separation places after the older number it adds, going round the ring; the new
// number is its sum without the lowest bit, the least random one.
constexpr std::int32_t nextSum(AdditiveFeedback& generator, int j, int front) {
    generator.ring[front] += generator.ring[j];
    return static_cast<std::int32_t>(generator.ring[front] >> 1);
}

constexpr int frontOf(int j) {
    return j + Separation < Degree ? j + Separation : j + Separation - Degree;
}

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
    for (int i = 0; i < 10 * Degree; ++i) {
        nextSum(generator, i % Degree, frontOf(i % Degree));
    }
    return generator;
}

} // namespace

AdditiveFeedback state = seeded(1);

// The sums are made in two runs, before and after the front wraps round the ring, so that no
// index is tested in the loop.
void AdditiveFeedback::makeBatch() {
    const std::uint64_t end = next + static_cast<std::uint64_t>(ready);
    std::uint64_t batchParities = 0;
    const auto keep = [&](int j, std::int32_t number) {
        queue[(end + static_cast<std::uint64_t>(j)) % QueueSize] = number;
        batchParities |= static_cast<std::uint64_t>(number & 1) << j;
    };
    for (int j = 0; j < Degree - Separation; ++j) {
        keep(j, nextSum(*this, j, j + Separation));
    }
    for (int j = Degree - Separation; j < Degree; ++j) {
        keep(j, nextSum(*this, j, j + Separation - Degree));
    }
    parities |= batchParities << ready;
    ready += Degree;
}

} // namespace random_numbers_detail

void seedRandom(unsigned seed) {
    random_numbers_detail::state = random_numbers_detail::seeded(seed);
}

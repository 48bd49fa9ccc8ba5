// libFuzzer over the step model: the first byte seeds the game's generator, the rest are read as
// steps (presses, right presses, new games, the settings dialog). The first broken invariant is
// printed with the steps that led to it, and the run stops.
#include "tests/support/step_model.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Steps over the whole run, printed when it ends, for the size of a run.
struct StepTally {
    long long steps = 0;
    ~StepTally() { std::fprintf(stderr, "steps taken: %lld\n", steps); }
} tally;

constexpr int MostSteps = 4000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned seed = data[0];
    ++data;
    --size;
    startProgram(seed);
    std::vector<Step> taken;
    Step step{Step::RightPress};
    while (taken.size() < MostSteps && stepFromBytes(data, size, step)) {
        taken.push_back(step);
        ++tally.steps;
        const std::string broken = takeStepAndCheck(step);
        if (!broken.empty()) {
            std::fprintf(stderr, "seed %u, step %zu: %s\n%s", seed, taken.size(), broken.c_str(),
                         describe(taken).c_str());
            std::abort();
        }
    }
    return 0;
}

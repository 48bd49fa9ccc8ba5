// Material with a one-point jitter: a king is worth 3, a man 2. The search scores its leaves the
// same way on its own copy of the position.
#include "ai/search_position.h"
#include "ai/values.h"
#include "engine/game.h"
#include "engine/random_numbers.h"

int Game::evaluate() {
    ++leafCount;
    return jitteredValue(materialBalance(*this), sideToMove, drawRandom() % 2);
}

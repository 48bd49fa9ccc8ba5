// Material with a one-point jitter: a king is worth 3, a man 2. The counts of the 64 playing
// squares come from the sets the board keeps.
#include "engine/game.h"
#include "engine/random_numbers.h"

int Game::evaluate() {
    return scoreLeaf(materialBalance());
}

int Game::materialBalance() const {
    const int redMen = cellCount(codeCells[RedMan]);
    const int redKings = cellCount(codeCells[RedKing]);
    const int blueMen = cellCount(codeCells[BlueMan]);
    const int blueKings = cellCount(codeCells[BlueKing]);
    return 3 * (blueKings - redKings) + 2 * (blueMen - redMen);
}

// The jitter leans towards the side whose turn it is in the game, not the side at the node.
int Game::scoreLeaf(int balance) {
    const int jitter = drawRandom() % 2;
    ++leafCount;
    return sideToMove == Blue ? balance + jitter : balance - jitter;
}

// Material with a one-point jitter: a king is worth 3, a man 2.
#include "engine/game.h"

#include <cstdlib>

int Game::evaluate() {
    int redMen = 0;
    int redKings = 0;
    int blueMen = 0;
    int blueKings = 0;
    for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
        for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
            switch (getSquare(x, y)) {
            case RedMan: ++redMen; break;
            case RedKing: ++redKings; break;
            case BlueMan: ++blueMen; break;
            case BlueKing: ++blueKings; break;
            default: break;
            }
        }
    }
    const int base = 3 * (blueKings - redKings) + 2 * (blueMen - redMen);
    // The jitter leans towards the side whose turn it is in the game, not the side at the node.
    const int jitter = std::rand() % 2;
    ++leafCount;
    return sideToMove == Blue ? base + jitter : base - jitter;
}

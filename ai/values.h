// Position values, always seen from Blue's side: Blue maximises, Red minimises.
#pragma once

constexpr int RedLost = 9999;
constexpr int BlueLost = -9999;

constexpr int lossValue(int side) {
    return side == 1 ? RedLost : BlueLost;
}

// A leaf's value: the material balance with a jitter of 0 or 1 that leans towards the side whose
// turn it is in the game.
constexpr int jitteredValue(int balance, int gameSideToMove, int jitter) {
    return gameSideToMove == 0 ? balance + jitter : balance - jitter;
}

// Position values, always seen from Blue's side: Blue maximises, Red minimises.
#pragma once

constexpr int RedLost = 9999;
constexpr int BlueLost = -9999;

constexpr int lossValue(int side) {
    return side == 1 ? RedLost : BlueLost;
}

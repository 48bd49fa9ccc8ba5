// Sets of playing squares as 64-bit masks, one bit per square of the 8x8 area. Bit order is the
// board's scan order (columns left to right, each column top to bottom), so walking a set from its
// lowest bit lists squares in the order listPieces gives them.
#pragma once

#include "engine/types.h"

#include <array>
#include <cstdint>

using CellSet = std::uint64_t;

constexpr int cellBitIndex(int x, int y) {
    return (x - FirstPlayingLine) * 8 + (y - FirstPlayingLine);
}

// The square of a bit index: its column and its row.
constexpr int cellX(int index) {
    return FirstPlayingLine + index / 8;
}

constexpr int cellY(int index) {
    return FirstPlayingLine + index % 8;
}

constexpr CellSet cellBit(int x, int y) {
    return isPlayingSquare(x, y) ? CellSet{1} << cellBitIndex(x, y) : 0;
}

constexpr CellSet AllPlayingCells = ~CellSet{0};

namespace cell_sets_detail {

// For each slot and distance 1 or 2: the squares whose neighbour that far away is on the board.
constexpr std::array<std::array<CellSet, 3>, 4> sourcesOnBoard() {
    std::array<std::array<CellSet, 3>, 4> sources{};
    for (int slot = 0; slot < 4; ++slot) {
        for (int distance = 1; distance <= 2; ++distance) {
            for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
                for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
                    if (isPlayingSquare(x + distance * slotDirections[slot].dx,
                                        y + distance * slotDirections[slot].dy)) {
                        sources[slot][distance] |= cellBit(x, y);
                    }
                }
            }
        }
    }
    return sources;
}

constexpr auto neighbourOnBoard = sourcesOnBoard();

} // namespace cell_sets_detail

// The squares whose neighbour `Distance` (1 or 2) steps away in the slot's direction is in
// `targets`: one shift, fixed when compiled. The shift alone would wrap from the bottom of one
// column to the top of the next, so squares without such a neighbour are masked off.
template <int Slot, int Distance>
constexpr CellSet cellsFacing(CellSet targets) {
    constexpr int shift = Distance * (8 * slotDirections[Slot].dx + slotDirections[Slot].dy);
    constexpr CellSet onBoard = cell_sets_detail::neighbourOnBoard[Slot][Distance];
    if constexpr (shift > 0) {
        return onBoard & (targets >> shift);
    } else {
        return onBoard & (targets << -shift);
    }
}

// Counted by halves and quarters, not by a library call: processors without a population-count
// instruction (the 32-bit build targets them) would otherwise call out for every count. The count
// of each byte's squares comes first; several sets' byte counts (up to 32 a byte) may be added
// before they are summed.
inline CellSet byteCounts(CellSet cells) {
    cells -= (cells >> 1) & 0x5555555555555555ULL;
    cells = (cells & 0x3333333333333333ULL) + ((cells >> 2) & 0x3333333333333333ULL);
    return (cells + (cells >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
}

inline int sumOfByteCounts(CellSet counts) {
    return static_cast<int>((counts * 0x0101010101010101ULL) >> 56);
}

inline int cellCount(CellSet cells) {
    return sumOfByteCounts(byteCounts(cells));
}

inline int lowestCellIndex(CellSet cells) {
    return __builtin_ctzll(cells);
}

// Keeps the first n squares of a set in scan order.
inline CellSet firstCells(CellSet cells, int n) {
    if (cellCount(cells) <= n) {
        return cells;
    }
    CellSet kept = 0;
    for (int i = 0; i < n; ++i) {
        const CellSet lowest = cells & (~cells + 1);
        kept |= lowest;
        cells ^= lowest;
    }
    return kept;
}

// The vocabulary shared by the engine, the computer player and the front end: square codes,
// sides, moves, piece lists and the four diagonal direction slots.
#pragma once

#include <array>
#include <climits>

static_assert(sizeof(int) * CHAR_BIT == 32, "every integer of the game is 32-bit signed");

// What a board cell holds. Codes 0 to 8 are also the numbers of the square pictures.
enum Square : int {
    RedMan = 0,
    BlueMan = 1,
    RedManSelected = 2,
    BlueManSelected = 3,
    RedKing = 4,
    BlueKing = 5,
    RedKingSelected = 6,
    BlueKingSelected = 7,
    Empty = 8,
    Wall = 9,
};

// Red is the person at the bottom, moving up; Blue the computer (or a second person) at the top.
enum Side : int {
    Blue = 0,
    Red = 1,
};

// Board coordinates: columns x and rows y run 0..11, the playing area is 2..9 both ways.
constexpr int BoardSize = 12;
constexpr int BoardCells = BoardSize * BoardSize;
constexpr int FirstPlayingLine = 2;
constexpr int LastPlayingLine = 9;

constexpr bool isPlayingSquare(int x, int y) {
    return x >= FirstPlayingLine && x <= LastPlayingLine && y >= FirstPlayingLine &&
           y <= LastPlayingLine;
}

struct Move {
    int fromX;
    int fromY;
    int toX;
    int toY;
};

constexpr bool operator==(const Move& a, const Move& b) {
    return a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY;
}

struct PieceEntry {
    int x;
    int y;
    int isKing;
};

// Blue pieces in entries 0..11, Red pieces in 12..23; each half ends in blank entries.
constexpr int PiecesPerSide = 12;
using PieceList = std::array<PieceEntry, 2 * PiecesPerSide>;
constexpr PieceEntry BlankEntry{-1, -1, 0};

constexpr int halfStart(int side) {
    return side != Blue ? PiecesPerSide : 0;
}

// One 0/1 flag per diagonal slot.
using DirectionFlags = std::array<int, 4>;

struct SlotDirection {
    int dx;
    int dy;
};

// Slot 0 up-left, 1 up-right, 2 down-left, 3 down-right (y grows downwards).
constexpr std::array<SlotDirection, 4> slotDirections{{{-1, -1}, {+1, -1}, {-1, +1}, {+1, +1}}};

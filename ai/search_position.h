// The position as the search sees it: a set of squares for each kind of piece and one for the
// empty squares, with the material balance kept up to date as moves are made. Five 64-bit sets
// and a number are cheaper to copy than a move is to take back, so the search copies the position
// for every move it tries and never writes to the game's board.
#pragma once

#include "engine/cell_sets.h"
#include "engine/game.h"
#include "engine/move_sets.h"

struct SearchPosition {
    static constexpr int ManValue = 2;
    static constexpr int KingValue = 3;

    CellSet men[2]; // indexed by Side
    CellSet kings[2];
    CellSet empty; // a selected piece is in no set: it blocks like a wall and cannot be taken
    int balance;   // the material: 3 per king and 2 per man, blue's minus red's

    CellSet pieces(int side) const { return men[side] | kings[side]; }
};

// The material counts for blue and against red.
constexpr int materialSign(int side) {
    return side == Blue ? 1 : -1;
}

// The row where a side's men are crowned: y = 2 for red, y = 9 for blue.
constexpr CellSet farRow(int side) {
    return side == Red ? 0x0101010101010101ULL : 0x8080808080808080ULL;
}

// The sets and the balance of the game's board.
SearchPosition searchPositionOf(const Game& game);

// The material of a board: 3 per king and 2 per man, blue's minus red's.
int materialBalance(const Game& game);

// How far a bit index moves with one step in a slot's direction: 8 per column, 1 per row. Slot
// bit 0 gives the column's direction and bit 1 the row's, so no table need be read.
constexpr int slotShift(int slot) {
    return 8 * ((slot & 1) * 2 - 1) + ((slot >> 1) * 2 - 1);
}
static_assert(slotShift(0) == 8 * slotDirections[0].dx + slotDirections[0].dy &&
              slotShift(1) == 8 * slotDirections[1].dx + slotDirections[1].dy &&
              slotShift(2) == 8 * slotDirections[2].dx + slotDirections[2].dy &&
              slotShift(3) == 8 * slotDirections[3].dx + slotDirections[3].dy);

// The square `distance` (1 or 2) steps from the bit index `from` in the slot's direction.
constexpr int cellIndexTowards(int from, int slot, int distance) {
    return from + distance * slotShift(slot);
}

// What a plain step of the piece on `from` changes in the balance: one point when it crowns.
inline int stepCrowningGain(const SearchPosition& position, int side, int from, int slot) {
    const CellSet to = CellSet{1} << cellIndexTowards(from, slot, 1);
    const bool crowns = (position.men[side] >> from & 1) != 0 && (to & farRow(side)) != 0;
    return crowns ? materialSign(side) : 0;
}

// The position after the piece of `side` on `from` steps (distance 1) or captures (distance 2)
// in the slot's direction: a capture removes the piece passed over, a man reaching the far row is
// crowned, and the balance follows. Each set is written once, whole: a copy patched afterwards
// would be read back at a stall by the next copy.
inline SearchPosition positionAfterMove(const SearchPosition& position, int side, int from,
                                        int slot, int distance) {
    const int enemy = 1 - side;
    const CellSet fromBit = CellSet{1} << from;
    const CellSet toBit = CellSet{1} << cellIndexTowards(from, slot, distance);
    const CellSet overBit = distance == 2 ? CellSet{1} << cellIndexTowards(from, slot, 1) : 0;
    const bool king = (position.kings[side] & fromBit) != 0;
    const bool crowns = !king && (toBit & farRow(side)) != 0;
    const bool kingTaken = (position.kings[enemy] & overBit) != 0;
    const bool manTaken = (position.men[enemy] & overBit) != 0;

    SearchPosition next;
    next.men[side] = (position.men[side] & ~fromBit) | (king || crowns ? 0 : toBit);
    next.kings[side] = (position.kings[side] & ~fromBit) | (king || crowns ? toBit : 0);
    next.men[enemy] = position.men[enemy] & ~overBit;
    next.kings[enemy] = position.kings[enemy] & ~overBit;
    next.empty = (position.empty | fromBit | overBit) & ~toBit;
    next.balance = position.balance + (crowns ? materialSign(side) : 0) -
                   materialSign(enemy) * (kingTaken  ? SearchPosition::KingValue
                                          : manTaken ? SearchPosition::ManValue
                                                     : 0);
    return next;
}

// The balance after a capture from `from` in the slot's direction: the piece taken is lost to its
// side, and a man landing on its far row gains a king's worth.
inline int balanceAfterCapture(const SearchPosition& position, int side, int from, int slot) {
    const int enemy = 1 - side;
    const int over = cellIndexTowards(from, slot, 1);
    const CellSet toBit = CellSet{1} << cellIndexTowards(from, slot, 2);
    const bool kingTaken = (position.kings[enemy] >> over & 1) != 0;
    const bool crowns = (position.men[side] >> from & 1) != 0 && (toBit & farRow(side)) != 0;
    return position.balance -
           materialSign(enemy) *
               (kingTaken ? SearchPosition::KingValue : SearchPosition::ManValue) +
           (crowns ? materialSign(side) : 0);
}

// Whether the piece capturing from `from` in the slot's direction can capture again where it lands,
// as a king if it was crowned there: what canCapture asks the board after the capture. Of all the
// capture changes, only the piece taken matters to that question, so the position before serves.
inline bool capturesAgain(const SearchPosition& position, int side, int from, int slot) {
    const CellSet toBit = CellSet{1} << cellIndexTowards(from, slot, 2);
    const bool king = (position.kings[side] >> from & 1) != 0 || (toBit & farRow(side)) != 0;
    const CellSet enemiesLeft =
        position.pieces(1 - side) & ~(CellSet{1} << cellIndexTowards(from, slot, 1));
    return jumpSets(side, toBit, king ? toBit : 0, enemiesLeft, position.empty).any() != 0;
}

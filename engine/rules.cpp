// The rules of movement, capture and crowning. The two-cell Wall border keeps every neighbour and
// landing square inside the board, so nothing here tests a range.
#include "engine/game.h"
#include "engine/turn_flags.h"

#include <algorithm>

namespace {

constexpr int AllSlots = 0b1111;
constexpr int UpSlots = 0b0011;   // slots 0 and 1: a red man's forward
constexpr int DownSlots = 0b1100; // slots 2 and 3: a blue man's forward
constexpr int NoSide = -1;

// Which side a code is a piece of, and the slots it moves and captures in. Selected codes are
// nobody's pieces: they neither move nor can be captured.
struct PieceRule {
    int side;
    int slots;
};

PieceRule ruleFor(int code) {
    switch (code) {
    case RedMan: return {Red, UpSlots};
    case BlueMan: return {Blue, DownSlots};
    case RedKing: return {Red, AllSlots};
    case BlueKing: return {Blue, AllSlots};
    default: return {NoSide, 0};
    }
}

bool hasSlot(int slots, int slot) {
    return (slots >> slot & 1) != 0;
}

bool isBlankEntry(int x, int y) {
    return x == BlankEntry.x && y == BlankEntry.y;
}

// Any side other than Blue counts as Red, as the capture tests of the rules want.
int asCaptureSide(int side) {
    return side != Blue ? Red : Blue;
}

} // namespace

int Game::isLegalStep(Move move) const {
    if (getSquare(move.toX, move.toY) != Empty) {
        return 0;
    }
    const PieceRule rule = ruleFor(getSquare(move.fromX, move.fromY));
    for (int slot = 0; slot < 4; ++slot) {
        const SlotDirection d = slotDirections[slot];
        if (hasSlot(rule.slots, slot) && move.toX == move.fromX + d.dx &&
            move.toY == move.fromY + d.dy) {
            return 1;
        }
    }
    return 0;
}

void Game::stepOptions(int x, int y, DirectionFlags& flags) const {
    flags = {0, 0, 0, 0};
    if (isBlankEntry(x, y)) {
        return;
    }
    const int slots = ruleFor(getSquare(x, y)).slots;
    for (int slot = 0; slot < 4; ++slot) {
        const SlotDirection d = slotDirections[slot];
        flags[slot] = hasSlot(slots, slot) && getSquare(x + d.dx, y + d.dy) == Empty ? 1 : 0;
    }
}

// The capture tests of canCapture and jumpOptions: the slot is allowed for the piece, an enemy
// piece stands next to it in that direction and the square behind is Empty.
static bool capturesInSlot(const Game& position, int x, int y, int slot, PieceRule rule) {
    const SlotDirection d = slotDirections[slot];
    return hasSlot(rule.slots, slot) &&
           ruleFor(position.getSquare(x + d.dx, y + d.dy)).side == 1 - rule.side &&
           position.getSquare(x + 2 * d.dx, y + 2 * d.dy) == Empty;
}

int Game::canCapture(int x, int y, int side) const {
    if (isBlankEntry(x, y)) {
        return 0;
    }
    const PieceRule rule = ruleFor(getSquare(x, y));
    if (rule.side != asCaptureSide(side)) {
        return 0;
    }
    for (int slot = 0; slot < 4; ++slot) {
        if (capturesInSlot(*this, x, y, slot, rule)) {
            return 1;
        }
    }
    return 0;
}

void Game::jumpOptions(int x, int y, DirectionFlags& flags) const {
    flags = {0, 0, 0, 0};
    if (isBlankEntry(x, y)) {
        return;
    }
    const PieceRule rule = ruleFor(getSquare(x, y));
    for (int slot = 0; slot < 4; ++slot) {
        flags[slot] = rule.side != NoSide && capturesInSlot(*this, x, y, slot, rule) ? 1 : 0;
    }
}

// The first count entries of a side's half: inside the search a count can exceed the pieces on
// the board, and the blank entries then reached yield nothing. All those pieces are tested at once,
// a direction at a time, on the sets of squares the board keeps.
SideMoves Game::sideMoves(int side) const {
    SideMoves moves{};
    moves.pieces = firstCells(piecesOf(side), std::min(getCount(side), PiecesPerSide));
    const CellSet kings = moves.pieces & cellsHolding(side == Red ? RedKing : BlueKing);
    moves.steps = stepSets(side, moves.pieces, kings, cellsHolding(Empty));
    moves.jumps = jumpSets(side, moves.pieces, kings, piecesOf(1 - side), cellsHolding(Empty));
    return moves;
}

int Game::sideHasCapture(int side) const {
    return sideMoves(asCaptureSide(side)).canJump() ? 1 : 0;
}

int Game::sideHasNoStep(int side) const {
    if (side != Blue && side != Red) {
        return 0;
    }
    return sideMoves(side).canStep() ? 0 : 1;
}

void Game::makeMove(Move move) {
    const int code = getSquare(move.fromX, move.fromY);
    setSquare(move.fromX, move.fromY, Empty);
    setSquare(move.toX, move.toY, code);
    crowned = 0;
    if (code == RedMan && move.toY == FirstPlayingLine) {
        setSquare(move.toX, move.toY, RedKing);
        crowned = 1;
    }
    if (code == BlueMan && move.toY == LastPlayingLine) {
        setSquare(move.toX, move.toY, BlueKing);
        crowned = 1;
    }
}

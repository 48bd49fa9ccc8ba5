// Making and taking back moves on the board, square by square. The search does not use them: it
// searches a copy of the position as sets (search_position.h). Nothing here checks legality or
// touches the counts, the turn or the crowned flag of the real game.
#include "engine/game.h"

namespace {

// A man arriving on its far row is crowned; returns whether that happened.
bool crownOnFarRow(Game& position, int x, int y) {
    const int code = position.getSquare(x, y);
    if (code == RedMan && y == FirstPlayingLine) {
        position.setSquare(x, y, RedKing);
        return true;
    }
    if (code == BlueMan && y == LastPlayingLine) {
        position.setSquare(x, y, BlueKing);
        return true;
    }
    return false;
}

} // namespace

void Game::applyStep(int x, int y, int slot, UndoRecord& undo) {
    const SlotDirection d = slotDirections[slot];
    const int toX = x + d.dx;
    const int toY = y + d.dy;
    setSquare(toX, toY, getSquare(x, y));
    setSquare(x, y, Empty);
    undo = {x, y, toX, toY, Empty, 0};
    undo.wasCrowned = crownOnFarRow(*this, toX, toY) ? 1 : 0;
}

void Game::applyJump(int x, int y, int slot, UndoRecord& undo) {
    const SlotDirection d = slotDirections[slot];
    const int toX = x + 2 * d.dx;
    const int toY = y + 2 * d.dy;
    setSquare(toX, toY, getSquare(x, y));
    setSquare(x, y, Empty);
    undo = {x, y, toX, toY, getSquare(x + d.dx, y + d.dy), 0};
    setSquare(x + d.dx, y + d.dy, Empty);
    undo.wasCrowned = crownOnFarRow(*this, toX, toY) ? 1 : 0;
}

void Game::undoMove(UndoRecord undo) {
    setSquare(undo.fromX, undo.fromY, getSquare(undo.toX, undo.toY));
    setSquare(undo.toX, undo.toY, Empty);
    if (undo.capturedCode != Empty) {
        setSquare(undo.fromX + (undo.toX - undo.fromX) / 2,
                  undo.fromY + (undo.toY - undo.fromY) / 2, undo.capturedCode);
    }
    if (undo.wasCrowned == 1) {
        const int code = getSquare(undo.fromX, undo.fromY);
        if (code == RedKing) {
            setSquare(undo.fromX, undo.fromY, RedMan);
        } else if (code == BlueKing) {
            setSquare(undo.fromX, undo.fromY, BlueMan);
        }
    }
}

void Game::moveFromSlot(int captureFlag, int slot, int x, int y, Move& out) {
    const int distance = captureFlag == 1 ? 2 : 1;
    const SlotDirection d = slotDirections[slot];
    out = {x, y, x + distance * d.dx, y + distance * d.dy};
}

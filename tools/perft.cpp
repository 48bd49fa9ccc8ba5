#include "tools/perft.h"

namespace {

bool hasPieces(const PieceList& list, int side) {
    return list[halfStart(side)].x != BlankEntry.x;
}

bool gameGoesOn(const Game& position, int side) {
    PieceList list;
    position.listPieces(list);
    if (!hasPieces(list, Red) || !hasPieces(list, Blue)) {
        return false;
    }
    return position.sideHasCapture(side) == 1 || position.sideHasNoStep(side) == 0;
}

long long countFromTurnStart(Game& position, int side, int depth);

// Every move of the required kind for the side, each followed by the rest of its turn.
long long countMoves(Game& position, int side, int depth, int captureRequired) {
    PieceList list;
    position.listPieces(list);
    long long total = 0;
    for (int i = halfStart(side); i < halfStart(side) + PiecesPerSide; ++i) {
        DirectionFlags flags;
        if (captureRequired == 1) {
            position.jumpOptions(list[i].x, list[i].y, flags);
        } else {
            position.stepOptions(list[i].x, list[i].y, flags);
        }
        for (int slot = 0; slot < 4; ++slot) {
            if (flags[slot] != 1) {
                continue;
            }
            UndoRecord undo;
            if (captureRequired == 1) {
                position.applyJump(list[i].x, list[i].y, slot, undo);
                const bool chainGoesOn =
                    undo.wasCrowned == 0 && position.canCapture(undo.toX, undo.toY, side) == 1;
                total += chainGoesOn ? countMoves(position, side, depth, 1)
                                     : countFromTurnStart(position, 1 - side, depth - 1);
            } else {
                position.applyStep(list[i].x, list[i].y, slot, undo);
                total += countFromTurnStart(position, 1 - side, depth - 1);
            }
            position.undoMove(undo);
        }
    }
    return total;
}

long long countFromTurnStart(Game& position, int side, int depth) {
    if (depth == 0) {
        return 1;
    }
    if (!gameGoesOn(position, side)) {
        return 0;
    }
    return countMoves(position, side, depth, position.sideHasCapture(side));
}

} // namespace

long long countTurnSequences(Game& position, int side, int depth) {
    return countFromTurnStart(position, side, depth);
}

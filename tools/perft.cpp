#include "tools/perft.h"

namespace {

constexpr PieceEntry anyPiece{-1, -1, 0};

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

class TurnCounter {
public:
    TurnCounter(Game& position, ChainRule rule) : position(position), rule(rule) {}

    long long fromTurnStart(int side, int depth) {
        if (depth == 0) {
            return 1;
        }
        if (!gameGoesOn(position, side)) {
            return 0;
        }
        return moves(side, depth, position.sideHasCapture(side), anyPiece);
    }

private:
    // Every move of the required kind (by one piece only, when mover names one), each followed by
    // the rest of its turn.
    long long moves(int side, int depth, int captureRequired, PieceEntry mover) {
        PieceList list;
        position.listPieces(list);
        long long total = 0;
        for (int i = halfStart(side); i < halfStart(side) + PiecesPerSide; ++i) {
            const PieceEntry piece = list[i];
            if (mover.x != anyPiece.x && (piece.x != mover.x || piece.y != mover.y)) {
                continue;
            }
            DirectionFlags flags;
            if (captureRequired == 1) {
                position.jumpOptions(piece.x, piece.y, flags);
            } else {
                position.stepOptions(piece.x, piece.y, flags);
            }
            for (int slot = 0; slot < 4; ++slot) {
                if (flags[slot] == 1) {
                    total += afterMove(side, depth, captureRequired, piece, slot);
                }
            }
        }
        return total;
    }

    long long afterMove(int side, int depth, int captureRequired, PieceEntry piece, int slot) {
        UndoRecord undo;
        long long total;
        if (captureRequired == 1) {
            position.applyJump(piece.x, piece.y, slot, undo);
            const bool chainGoesOn =
                undo.wasCrowned == 0 && position.canCapture(undo.toX, undo.toY, side) == 1;
            const PieceEntry next =
                rule == ChainRule::SamePiece ? PieceEntry{undo.toX, undo.toY, 0} : anyPiece;
            total = chainGoesOn ? moves(side, depth, 1, next) : fromTurnStart(1 - side, depth - 1);
        } else {
            position.applyStep(piece.x, piece.y, slot, undo);
            total = fromTurnStart(1 - side, depth - 1);
        }
        position.undoMove(undo);
        return total;
    }

    Game& position;
    ChainRule rule;
};

} // namespace

long long countTurnSequences(Game& position, int side, int depth, ChainRule rule) {
    return TurnCounter(position, rule).fromTurnStart(side, depth);
}

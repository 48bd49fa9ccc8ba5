// Depth-limited minimax with alpha-beta cut-offs, on the game's own board. Each node prunes only
// against the bound its caller passes for the other side; its own bound starts afresh.
#include "ai/values.h"
#include "engine/game.h"

#include <algorithm>

namespace {

// Blue's men move towards larger y, so the downward slots come first.
constexpr int slotOrder[4] = {2, 3, 0, 1};

} // namespace

int Game::search(int side, int depth, int alpha, int beta, Move& out) {
    // The depth test comes first: a leaf is scored by material even when its side has lost.
    if (depth == 0) {
        return evaluate();
    }
    if (side == Red) {
        beta = RedLost;
    } else {
        alpha = BlueLost;
    }

    PieceList list;
    listPieces(list);
    const int first = halfStart(side);
    if (list[first].x == BlankEntry.x) {
        return lossValue(side);
    }
    const int captureRequired = sideHasCapture(side);
    if (captureRequired == 0 && sideHasNoStep(side) == 1) {
        return lossValue(side);
    }

    const int other = 1 - side;
    const int count = std::min(getCount(side), PiecesPerSide);
    int bestX = 0;
    int bestY = 0;
    int bestSlot = -1;
    for (int i = 0; i < count; ++i) {
        const PieceEntry piece = list[first + i];
        DirectionFlags flags;
        if (captureRequired == 1) {
            jumpOptions(piece.x, piece.y, flags);
        } else {
            stepOptions(piece.x, piece.y, flags);
        }
        for (const int slot : slotOrder) {
            if (flags[slot] != 1) {
                continue;
            }
            UndoRecord undo;
            Move scratch;
            int value;
            if (captureRequired == 1) {
                applyJump(piece.x, piece.y, slot, undo);
                // A chain goes on with the same side at the same depth, also after a crowning.
                value = canCapture(undo.toX, undo.toY, side) == 1
                            ? search(side, depth, alpha, beta, scratch)
                            : search(other, depth - 1, alpha, beta, scratch);
            } else {
                applyStep(piece.x, piece.y, slot, undo);
                value = search(other, depth - 1, alpha, beta, scratch);
            }
            undoMove(undo);

            // >= and <=: of equally valued moves the one tried last is kept.
            const bool better = side == Blue ? value >= alpha : value <= beta;
            if (better) {
                if (side == Blue) {
                    alpha = value;
                } else {
                    beta = value;
                }
                bestX = piece.x;
                bestY = piece.y;
                bestSlot = slot;
            }
            if (alpha >= beta) {
                moveFromSlot(captureRequired, bestSlot, bestX, bestY, out);
                return side == Blue ? alpha : beta;
            }
        }
    }
    if (bestSlot >= 0) {
        moveFromSlot(captureRequired, bestSlot, bestX, bestY, out);
    }
    return side == Blue ? alpha : beta;
}

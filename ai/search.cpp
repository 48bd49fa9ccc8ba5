// Depth-limited minimax with alpha-beta cut-offs, on the game's own board. Each node prunes only
// against the bound its caller passes for the other side; its own bound starts afresh.
#include "ai/values.h"
#include "engine/game.h"

#include <algorithm>

namespace {

// Blue's men move towards larger y, so the downward slots come first.
constexpr int slotOrder[4] = {2, 3, 0, 1};

// How a plain step changes the material balance: a man reaching its far row is worth one more as
// a king, which counts for blue and against red.
int crowningGain(int code, int y, int slot) {
    const int toY = y + slotDirections[slot].dy;
    if (code == RedMan && toY == FirstPlayingLine) {
        return -1;
    }
    return code == BlueMan && toY == LastPlayingLine ? 1 : 0;
}

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

    // A side without pieces has a blank first entry in its half of the piece list; a side with
    // neither a plain move nor a capture has lost as well.
    if (piecesOf(side) == 0) {
        return lossValue(side);
    }
    const SideMoves moves = sideMoves(side);
    const int captureRequired = moves.canJump() ? 1 : 0;
    if (captureRequired == 0 && !moves.canStep()) {
        return lossValue(side);
    }
    const CellSet* const open = captureRequired == 1 ? moves.jumps : moves.steps;

    // Just above the leaves a plain move changes the material only by a crowning, so its leaf is
    // scored without making the move.
    const bool leavesNext = depth == 1 && captureRequired == 0;
    const int balance = leavesNext ? materialBalance() : 0;
    int bestX = 0;
    int bestY = 0;
    int bestSlot = -1;
    // The pieces in list order: set bits walk the board's scan order.
    for (CellSet pieces = moves.pieces; pieces != 0; pieces &= pieces - 1) {
        const int index = lowestCellIndex(pieces);
        const CellSet bit = CellSet{1} << index;
        const int x = cellX(index);
        const int y = cellY(index);
        for (const int slot : slotOrder) {
            if ((open[slot] & bit) == 0) {
                continue;
            }
            const int value =
                leavesNext ? scoreLeaf(balance + crowningGain(getSquare(x, y), y, slot))
                           : valueAfterMove(side, depth, alpha, beta, x, y, slot, captureRequired);
            // >= and <=: of equally valued moves the one tried last is kept.
            const bool better = side == Blue ? value >= alpha : value <= beta;
            if (better) {
                if (side == Blue) {
                    alpha = value;
                } else {
                    beta = value;
                }
                bestX = x;
                bestY = y;
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

// Makes the move, values the position after it and takes it back. After a capture from whose
// landing square the same side can capture again, that side moves again at the same depth, also
// when the jump crowned the man.
int Game::valueAfterMove(int side, int depth, int alpha, int beta, int x, int y, int slot,
                         int captureRequired) {
    UndoRecord undo;
    Move scratch;
    int value;
    if (captureRequired == 1) {
        applyJump(x, y, slot, undo);
        value = canCapture(undo.toX, undo.toY, side) == 1
                    ? search(side, depth, alpha, beta, scratch)
                    : search(1 - side, depth - 1, alpha, beta, scratch);
    } else {
        applyStep(x, y, slot, undo);
        value = search(1 - side, depth - 1, alpha, beta, scratch);
    }
    undoMove(undo);
    return value;
}

// The computer's move: drawn at random at strength 0, searched to the strength's depth above it.
#include "ai/values.h"
#include "engine/game.h"
#include "engine/random_numbers.h"

void Game::chooseComputerMove(Move& out) {
    if (strength == 0) {
        randomMove(sideToMove, out);
    } else {
        search(sideToMove, strength, BlueLost, RedLost, out);
    }
}

// Draws a piece, then a direction, until the pair names an open move: every legal move of the
// required kind has about the same chance, however the moves are spread over the pieces.
void Game::randomMove(int side, Move& out) {
    PieceList list;
    listPieces(list);
    const int first = halfStart(side);
    const int count = getCount(side);
    const SideMoves moves = sideMoves(side != Blue ? Red : Blue);
    const int captureRequired = moves.canJump() ? 1 : 0;
    // A count outside 1..12 describes no side, and a side without a move of the required kind
    // would draw for ever: give up at once, without drawing.
    if (count < 1 || count > PiecesPerSide || (captureRequired == 0 && !moves.canStep())) {
        return;
    }
    for (;;) {
        DirectionFlags flags{0, 0, 0, 0};
        const int k = drawRandom() % count;
        const int slot = drawRandom() % 4;
        const PieceEntry piece = list[first + k];
        out.fromX = piece.x;
        out.fromY = piece.y;
        if (captureRequired == 1) {
            jumpOptions(piece.x, piece.y, flags);
        } else {
            stepOptions(piece.x, piece.y, flags);
        }
        if (flags[slot] == 1) {
            moveFromSlot(captureRequired, slot, piece.x, piece.y, out);
            return;
        }
    }
}

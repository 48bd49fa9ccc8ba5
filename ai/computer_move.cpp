// The computer's move: drawn at random at strength 0, searched to the strength's depth above it.
#include "ai/values.h"
#include "engine/game.h"

#include <cstdlib>

namespace {

// Whether the first count entries of a half offer a move of the required kind. Lets the random
// mover give up at once where drawing would go on for ever; it draws no number.
bool halfHasMove(const Game& position, const PieceList& list, int first, int count,
                 int captureRequired) {
    for (int i = 0; i < count; ++i) {
        DirectionFlags flags;
        if (captureRequired == 1) {
            position.jumpOptions(list[first + i].x, list[first + i].y, flags);
        } else {
            position.stepOptions(list[first + i].x, list[first + i].y, flags);
        }
        if (flags[0] || flags[1] || flags[2] || flags[3]) {
            return true;
        }
    }
    return false;
}

} // namespace

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
    const int captureRequired = sideHasCapture(side);
    // A count outside 1..12 describes no side, and a side without a move would draw for ever.
    if (count < 1 || count > PiecesPerSide ||
        !halfHasMove(*this, list, first, count, captureRequired)) {
        return;
    }
    for (;;) {
        DirectionFlags flags{0, 0, 0, 0};
        const int k = std::rand() % count;
        const int slot = std::rand() % 4;
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

// The rules' side tests, the piece list, the material count and the game-tree search written
// plainly from their descriptions, square by square: the engine's faster versions must agree with
// them on every board.
#pragma once

#include "engine/game.h"

namespace reference {

void listPieces(const Game& position, PieceList& list);
int sideHasCapture(const Game& position, int side);
int sideHasNoStep(const Game& position, int side);
int materialBalance(const Game& position);

// The search step by step: the node's piece list, the side tests, each piece's flags, every move
// made on the board and taken back, every leaf scored by evaluate.
int search(Game& position, int side, int depth, int alpha, int beta, Move& out);

// One search by the engine and by the plain search, from the same seed.
struct SearchCall {
    int side;
    int depth;
    int alpha;
    int beta;
    unsigned seed;
};

// Fails the test unless both give the same value, move and leaf count, leave the board as it was,
// and draw the same numbers (the next draw after each is the same). Gives the value.
void expectSameAsPlainSearch(const Game& position, const SearchCall& call, int* value = nullptr);

} // namespace reference

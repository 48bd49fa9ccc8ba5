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

} // namespace reference

// Counting the sequences of whole turns from a position, with the engine's own rules: a check of
// move generation against known counts.
#pragma once

#include "engine/game.h"

// The number of distinct sequences of depth turns for side to move first. A turn is one plain
// move or a whole capture chain as the turn controller plays it: the side jumps again while the
// landed, uncrowned piece can capture, and then any of its pieces that can capture may go on.
// A turn begins only where the game goes on: both sides have pieces and the side can move.
long long countTurnSequences(Game& position, int side, int depth);

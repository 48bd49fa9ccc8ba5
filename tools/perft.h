// Counting the sequences of whole turns from a position, with the engine's own rules: a check of
// move generation against known counts.
#pragma once

#include "engine/game.h"

// Who may go on after a capture from whose landing square the uncrowned piece can capture again.
enum class ChainRule {
    AnyCapturingPiece, // as the turn controller plays: any piece of the side that can capture
    SamePiece,         // as in English draughts: only the piece that has just jumped
};

// The number of distinct sequences of depth turns for side to move first. A turn is one plain
// move or a whole capture chain; a man crowned by a capture ends its turn. A turn begins only
// where the game goes on: both sides have pieces and the side to move can move.
long long countTurnSequences(Game& position, int side, int depth,
                             ChainRule rule = ChainRule::AnyCapturingPiece);

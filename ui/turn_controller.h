// Turns presses on board squares into play: selection, moves and capture chains for a person,
// the computer's reply on its turn, the end of the game, and repaint requests for what changed.
#pragma once

#include "engine/turn_flags.h"
#include "engine/types.h"
#include "ui/window_layer.h"

extern Move currentMove;        // the move being built: selected square, then destination
extern int captureRequired;     // whether the side to move had to capture when it selected
extern int capturedSquareDirty; // the square of the last captured piece still needs a repaint
extern int capturedX;
extern int capturedY;

// A left press on board square (x, y), x and y in 2..9; other squares are ignored.
void handleLeftPress(int x, int y);

// A right press: cancels a shown selection.
void handleRightPress();

// Ends the game when a side has lost, drawing the result picture; runs first on every left press.
void checkGameOver();

// Whether a side has lost, as checkGameOver finds it, without ending anything: for red, Won when
// blue has lost and Lost when red has.
enum class GameResult { Open, Won, Lost };
GameResult gameResult();

// Whose turn it is now, as it is told after a move (`again` when the side that moved captures
// again); also for a new game or a command.
BoardEvent currentTurn(bool again = false);

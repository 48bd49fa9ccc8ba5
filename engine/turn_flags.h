// The turn controller's flags that the engine writes: newGame opens play again and drops any
// selection, makeMove reports whether it crowned a man. The controller owns their meaning; they are
// defined with the engine so that the engine links without a front end.
#pragma once

extern int gameActive;     // 1 while left presses are played
extern int selectionState; // 1 while a piece is shown selected
extern int crowned;        // 1 when the last makeMove turned a man into a king

// What the turn controller needs of a window. The Windows program binds these to its main window;
// a build without a window (the headless driver, the tests) links definitions of its own.
#pragma once

#include "engine/types.h"

// A change a player sees on the board, told to those who cannot see it (ui/board_words.h puts it
// in words). Which fields matter depends on the kind.
struct BoardEvent {
    enum class Kind {
        Cursor,   // the keyboard's cursor stands on (x, y), which holds piece
        Selected, // piece on (x, y) selected
        LetGo,    // the selection of piece on (x, y) ended without a move
        Moved,    // piece moved from (x, y) to (toX, toY)
        Captured, // piece on (x, y) taken
        Crowned,  // the man on (x, y) became a king
        Rejected, // a press that plays nothing: the beep
        Turn,     // side is to move; again when it captures again; decided when it has lost or won
        Result,   // the result picture shows: redWon
    };
    Kind kind;
    int x = 0;
    int y = 0;
    int toX = 0;
    int toY = 0;
    int piece = Empty;
    int side = Red;
    bool again = false;
    bool decided = false;
    bool redWon = false;
};

void soundBeep();                 // a rejected press
void repaintSquare(int x, int y); // redraw one board square from the board at the next paint
void drawWinPicture();            // blue has lost: show the win picture over the board at once
void drawLosePicture();           // red has lost: show the lose picture over the board at once
void boardEvent(const BoardEvent& event); // what changed, in order, as it happens

// The board played from the keyboard: a cursor on one of the 64 squares, moved by the arrows,
// pressing where it stands. Enter or Space is a left press there, Escape or Backspace a right
// press. Each binding forwards its keys here; presses go to the turn controller, and what changes
// to the window layer, as a pointer's presses do.
#pragma once

#include "engine/types.h"
#include "ui/board_view.h"

#include <optional>

enum class BoardKey { Left, Right, Up, Down, Press, Cancel };

class BoardCursor {
public:
    // A key on the board; `repeated` when it is a held key's auto-repeat, which moves the cursor
    // again but presses nothing, so that holding Enter does not run the computer's moves on.
    void key(BoardKey key, bool repeated);
    // The keyboard brought the focus to the board (Tab): the cursor shows.
    void focusedByKeyboard();
    // A press of the pointer hides the cursor, as a window hides its focus cues after a click.
    void pointerPressed();

    // Where the painting draws the cursor's frame: nowhere until a key shows it, and nowhere once
    // the game is decided, when the result picture lies over the board.
    std::optional<BoardSquare> frame() const;

private:
    void show();
    void moveBy(int dx, int dy);
    void repaint() const;
    void tellCursor() const;

    BoardSquare at{FirstPlayingLine, LastPlayingLine};
    bool shown = false;
};

// What the turn controller needs of a window. The Windows program binds these to its main window;
// a build without a window (the headless driver, the tests) links definitions of its own.
#pragma once

#include "engine/types.h"

// A change a player sees on the board, told to those who cannot see it (ui/board_words.h puts it
// in words). Each kind is made by its own function, with what it carries; the other fields keep
// their defaults.
struct BoardEvent {
    enum class Kind { Cursor, Selected, LetGo, Moved, Captured, Crowned, Rejected, Turn, Result };

    // The keyboard's cursor stands on (x, y), which holds `piece`.
    static BoardEvent cursor(int x, int y, int piece) { return {Kind::Cursor, x, y, piece}; }
    // The piece on (x, y) selected.
    static BoardEvent selected(int x, int y, int piece) { return {Kind::Selected, x, y, piece}; }
    // The selection of the piece on (x, y) ended without a move.
    static BoardEvent letGo(int x, int y, int piece) { return {Kind::LetGo, x, y, piece}; }
    // The piece moved from (move.fromX, move.fromY) to (move.toX, move.toY).
    static BoardEvent moved(const Move& move, int piece) {
        BoardEvent event{Kind::Moved, move.fromX, move.fromY, piece};
        event.toX = move.toX;
        event.toY = move.toY;
        return event;
    }
    // The piece on (x, y) taken.
    static BoardEvent captured(int x, int y, int piece) { return {Kind::Captured, x, y, piece}; }
    // The man on (x, y) became a king.
    static BoardEvent crowned(int x, int y) { return {Kind::Crowned, x, y, Empty}; }
    // A press that plays nothing: the beep.
    static BoardEvent rejected() { return BoardEvent{Kind::Rejected}; }
    // `side` is to move; `again` when it has captured and captures again; `decided` when one side
    // has lost.
    static BoardEvent turn(int side, bool again, bool decided) {
        BoardEvent event{Kind::Turn};
        event.side = side;
        event.again = again;
        event.decided = decided;
        return event;
    }
    // The result picture shows.
    static BoardEvent result(bool redWon) {
        BoardEvent event{Kind::Result};
        event.redWon = redWon;
        return event;
    }

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

private:
    explicit BoardEvent(Kind kind) : kind(kind) {}
    BoardEvent(Kind kind, int x, int y, int piece) : kind(kind), x(x), y(y), piece(piece) {}
};

void soundBeep();                 // a rejected press
void repaintSquare(int x, int y); // redraw one board square from the board at the next paint
void drawWinPicture();            // blue has lost: show the win picture over the board at once
void drawLosePicture();           // red has lost: show the lose picture over the board at once
void boardEvent(const BoardEvent& event); // what changed, in order, as it happens

// One board as a program shows it to its player: the pixels the neutral painting draws, the
// keyboard's cursor over them and what changed, in words. Every program (Windows, the Linux
// desktop, the web page) forwards its presses, keys and focus here and shows the pixels; the turn
// controller's repaints, result pictures and events reach it through the program's window layer.
#pragma once

#include "ui/board_keys.h"
#include "ui/board_words.h"
#include "ui/pixel_screen.h"

#include <cstdint>
#include <string>

class BoardSession {
public:
    // Where the program keeps its pictures: the one with an id of ui/pictures.txt.
    using PictureSource = PixelPicture (*)(int pictureId);
    explicit BoardSession(PictureSource pictures);

    // A left press at device pixel (x, y) of the board shown at `scale`.
    void leftPress(unsigned x, unsigned y, int scale);
    void rightPress();
    void key(BoardKey key, bool repeated);
    // The keyboard (Tab) brought the focus to the board: the cursor shows.
    void focusedByKeyboard();
    // After the start and every command: the whole board painted anew, and whose turn it is told.
    void showWholeBoard();

    // The turn controller's requests, as the window layer hands them on.
    void repaintSquare(int x, int y);
    void showPicture(int pictureId); // over the board at once, until that part is painted again
    void tell(const BoardEvent& event) { telling.add(event); }

    // A part of the board's pixels to paint again, as a window uncovered.
    void markStale(const PixelRect& area) { screen.markStale(area); }
    // The pixels brought up to date: BoardPixels rows of BoardPixels, as PixelScreen holds them.
    const std::uint32_t* paint();
    // What was told since the last take, in words; empty when nothing was.
    std::string takeTold() { return telling.take(); }

private:
    PictureSource pictures;
    PixelScreen screen;
    BoardCursor cursor;
    BoardTelling telling;
};

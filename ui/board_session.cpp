#include "ui/board_session.h"

#include "ui/turn_controller.h"

namespace {

std::array<PixelPicture, SquarePictureCount> squarePictures(BoardSession::PictureSource pictures) {
    std::array<PixelPicture, SquarePictureCount> squares;
    for (int code = 0; code < SquarePictureCount; ++code) {
        squares[static_cast<std::size_t>(code)] = pictures(squarePictureFiles[code].id);
    }
    return squares;
}

} // namespace

BoardSession::BoardSession(PictureSource pictures)
    : pictures(pictures), screen(squarePictures(pictures)) {
    screen.markAllStale();
}

// A pointer's press hides the keyboard's cursor, as a window hides its focus cues after a click.
void BoardSession::leftPress(unsigned x, unsigned y, int scale) {
    cursor.pointerPressed();
    const BoardSquare square = squareAtPixel(x, y, scale);
    handleLeftPress(square.x, square.y);
}

void BoardSession::rightPress() {
    cursor.pointerPressed();
    handleRightPress();
}

void BoardSession::key(BoardKey key, bool repeated) {
    cursor.key(key, repeated);
}

void BoardSession::focusedByKeyboard() {
    cursor.focusedByKeyboard();
}

void BoardSession::showWholeBoard() {
    screen.markAllStale();
    telling.add(currentTurn());
}

void BoardSession::repaintSquare(int x, int y) {
    screen.markStale(cellOfSquare(x, y));
}

void BoardSession::showPicture(int pictureId) {
    screen.drawOver(pictures(pictureId));
}

const std::uint32_t* BoardSession::paint() {
    screen.paintStale(cursor.frame());
    return screen.pixels();
}

#include "ui/board_view.h"

#include "engine/game.h"

void drawGrid(DrawingSurface& surface) {
    constexpr int last = BoardPixels - 1;
    const PixelPoint frame[] = {{0, 0}, {last, 0}, {last, last}, {0, last}, {0, 0}};
    for (int i = 0; i + 1 < 5; ++i) {
        surface.drawLine(frame[i], frame[i + 1]);
    }
    for (int x = 0; x < BoardPixels; x += CellPixels) {
        surface.drawLine({x, 0}, {x, BoardPixels});
    }
    for (int y = 0; y < BoardPixels; y += CellPixels) {
        surface.drawLine({0, y}, {BoardPixels, y});
    }
}

void drawPieces(DrawingSurface& surface) {
    for (int top = 0; top < BoardPixels; top += CellPixels) {
        for (int left = 0; left < BoardPixels; left += CellPixels) {
            const int code = game.getSquare(FirstPlayingLine + left / CellPixels,
                                            FirstPlayingLine + top / CellPixels);
            // Only codes 0 to 8 have pictures; no other code stands on the playing area.
            const bool drawable = code >= 0 && code < SquarePictureCount;
            surface.copyPicture(drawable ? code : Empty, {left, top});
        }
    }
}

void paintBoard(DrawingSurface& surface) {
    drawGrid(surface);
    drawPieces(surface);
}

int centredPosition(int screenStart, int screenExtent, int windowExtent) {
    return screenStart + (screenExtent - windowExtent) / 2;
}

BoardSquare squareAtPixel(unsigned x, unsigned y) {
    return {static_cast<int>(x / CellPixels) + FirstPlayingLine,
            static_cast<int>(y / CellPixels) + FirstPlayingLine};
}

PixelRect cellOfSquare(int x, int y) {
    const int left = CellPixels * (x - FirstPlayingLine);
    const int top = CellPixels * (y - FirstPlayingLine);
    return {left, top, left + CellPixels, top + CellPixels};
}

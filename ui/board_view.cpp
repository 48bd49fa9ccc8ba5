#include "ui/board_view.h"

#include "engine/game.h"

#include <algorithm>
#include <cmath>

void drawGrid(DrawingSurface& surface) {
    constexpr int last = BoardPixels - 1;
    const PixelPoint frame[] = {{0, 0}, {last, 0}, {last, last}, {0, last}, {0, 0}};
    for (int i = 0; i + 1 < 5; ++i) {
        surface.drawLine(frame[i], frame[i + 1], LineColour::Black);
    }
    for (int x = 0; x < BoardPixels; x += CellPixels) {
        surface.drawLine({x, 0}, {x, BoardPixels}, LineColour::Black);
    }
    for (int y = 0; y < BoardPixels; y += CellPixels) {
        surface.drawLine({0, y}, {BoardPixels, y}, LineColour::Black);
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

void drawCursor(DrawingSurface& surface, BoardSquare square) {
    const PixelRect cell = cellOfSquare(square.x, square.y);
    constexpr LineColour rings[] = {LineColour::Black, LineColour::Black,
                                    LineColour::White}; // from the picture's edge in
    for (int inset = 1; inset <= 3; ++inset) {
        const int left = cell.left + inset;
        const int top = cell.top + inset;
        const int right = cell.left + PicturePixels - 1 - inset;
        const int bottom = cell.top + PicturePixels - 1 - inset;
        const LineColour colour = rings[inset - 1];
        surface.drawLine({left, top}, {right, top}, colour);
        surface.drawLine({right, top}, {right, bottom}, colour);
        surface.drawLine({right, bottom}, {left, bottom}, colour);
        surface.drawLine({left, bottom}, {left, top}, colour);
    }
}

int centredPosition(int screenStart, int screenExtent, int windowExtent) {
    return screenStart + (screenExtent - windowExtent) / 2;
}

BoardSquare squareAtPixel(unsigned x, unsigned y) {
    return {static_cast<int>(x / CellPixels) + FirstPlayingLine,
            static_cast<int>(y / CellPixels) + FirstPlayingLine};
}

int boardScale(double screenScale) {
    return std::max(1, static_cast<int>(std::floor(screenScale + 0.5)));
}

BoardSquare squareAtPixel(unsigned x, unsigned y, int scale) {
    const unsigned blocks = static_cast<unsigned>(std::max(scale, 1));
    return squareAtPixel(x / blocks, y / blocks);
}

PixelRect cellOfSquare(int x, int y) {
    const int left = CellPixels * (x - FirstPlayingLine);
    const int top = CellPixels * (y - FirstPlayingLine);
    return {left, top, left + CellPixels, top + CellPixels};
}

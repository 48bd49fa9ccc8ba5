// How the board looks in the window: a 264x264 client area of 8x8 cells of 33 pixels, each
// showing the 32x32 picture of its square in its top-left corner over a one-pixel grid. Painting
// goes to a DrawingSurface, so it runs the same on the window and on a picture in memory.
#pragma once

#include "ui/picture_files.h"

#include <iterator>

// The main window's title, UTF-8.
constexpr const char* GameTitle = "ヨルナミ";
// The board's name for a screen reader.
constexpr const char* BoardName = "盤";

constexpr int CellPixels = 33;
constexpr int PicturePixels = 32;
constexpr int BoardPixels = 8 * CellPixels; // the client area, both ways

// Each square code 0 to 8 has a 32x32 picture of its own: squarePictureFiles[code].
constexpr int SquarePictureCount = 9;
static_assert(std::size(squarePictureFiles) == SquarePictureCount);

struct PixelPoint {
    int x;
    int y;
};

struct PixelRect {
    int left;
    int top;
    int right; // exclusive
    int bottom;
};

// The grid is black; the keyboard's cursor is black and white.
enum class LineColour { Black, White };

// What painting needs of a surface. Erasing an invalidated area to white is the platform's part:
// it happens before every paint, with the window class's white brush.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // A one-pixel line from `from` up to, but not including, `to`.
    virtual void drawLine(PixelPoint from, PixelPoint to, LineColour colour) = 0;
    // The 32x32 picture of a square code, unchanged, with its top-left corner at `at`.
    virtual void copyPicture(int squareCode, PixelPoint at) = 0;
};

// The frame, then 8 vertical and 8 horizontal lines.
void drawGrid(DrawingSurface& surface);
// Each square's picture, row by row, read from the game's board.
void drawPieces(DrawingSurface& surface);
// A full paint: the grid, then the pieces over it.
void paintBoard(DrawingSurface& surface);

struct BoardSquare {
    int x;
    int y;
};

// The keyboard's cursor on a square: a frame inside its picture, two black rings round a white
// one, which shows on the white ground, on every disc and on both selected colours.
void drawCursor(DrawingSurface& surface, BoardSquare square);

// Where a window of the given extent starts when it is centred on a screen, along one axis: the
// screen's start plus half the room left, in signed division that truncates towards zero. A window
// 5 pixels wider than a screen at 0 starts at -2.
int centredPosition(int screenStart, int screenExtent, int windowExtent);

// The board square of a press at client pixel (x, y), each a 16-bit word taken as unsigned.
BoardSquare squareAtPixel(unsigned x, unsigned y);

// On a screen of this scale (dots per inch over 96 on Windows, the device pixel ratio elsewhere)
// each board pixel shows as a block of s x s device pixels: s is the whole number nearest the
// scale, halves rounded up, and at least 1 (125% gives 1, 150% and 200% give 2, 250% gives 3).
// The board is never resampled, so it stays crisp, with grid lines all of one width.
int boardScale(double screenScale);

// The board square of a press at device pixel (x, y) of a board shown at scale s.
BoardSquare squareAtPixel(unsigned x, unsigned y, int scale);

// The 33x33 cell of board square (x, y); a square off the board gives a cell off the client area.
PixelRect cellOfSquare(int x, int y);

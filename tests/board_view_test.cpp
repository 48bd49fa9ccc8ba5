// Painting the board into a picture in memory with the game's own square pictures, the press
// mapping, the repaint cells and the window's centring.
#include "engine/game.h"
#include "tests/support/boards.h"
#include "tests/support/pixel_canvas.h"
#include "ui/board_view.h"
#include "ui/pixel_screen.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

// The colour in a square's disc, above the crown, and in the middle where a crown would be.
struct SquareLook {
    Rgb disc;
    Rgb middle;
};

SquareLook lookOf(const PixelCanvas& canvas, int x, int y) {
    const PixelRect cell = cellOfSquare(x, y);
    return {canvas.at(cell.left + 16, cell.top + 6), canvas.at(cell.left + 16, cell.top + 18)};
}

bool operator==(SquareLook a, SquareLook b) {
    return a.disc == b.disc && a.middle == b.middle;
}

class BoardPainting : public testing::Test {
protected:
    void SetUp() override { startDefaultGame(game); }

    PixelCanvas paint() {
        PixelCanvas canvas;
        canvas.eraseToWhite();
        paintBoard(canvas);
        return canvas;
    }
};

TEST_F(BoardPainting, TheGridShowsBetweenThePicturesAndAlongTheLastColumnAndRow) {
    const PixelCanvas canvas = paint();
    for (int line = 32; line <= 230; line += 33) {
        for (int along = 0; along < BoardPixels - 1; ++along) {
            const Rgb expected = along % 33 == 0 ? BlackRgb : WhiteRgb;
            EXPECT_EQ(canvas.at(line, along), expected) << "column " << line << " row " << along;
            EXPECT_EQ(canvas.at(along, line), expected) << "row " << line << " column " << along;
        }
    }
    for (int along = 0; along < BoardPixels; ++along) {
        EXPECT_EQ(canvas.at(263, along), BlackRgb);
        EXPECT_EQ(canvas.at(along, 263), BlackRgb);
        EXPECT_EQ(canvas.at(0, along), BlackRgb); // each picture's black left column
        EXPECT_EQ(canvas.at(along, 0), BlackRgb);
    }
}

TEST_F(BoardPainting, EachSquareShowsThePictureOfItsCode) {
    placeBoard(game, R"(
        b.B.....
        ........
        ........
        ........
        ........
        ........
        ........
        .r.R....)",
               Red);
    game.setSquare(6, 4, BlueManSelected);
    game.setSquare(7, 7, RedKingSelected);
    game.setSquare(8, 8, RedManSelected);
    game.setSquare(9, 9, BlueKingSelected);
    const PixelCanvas canvas = paint();
    EXPECT_EQ(lookOf(canvas, 2, 2), (SquareLook{blue, blue}));
    EXPECT_EQ(lookOf(canvas, 4, 2), (SquareLook{blue, darkBlue}));
    EXPECT_EQ(lookOf(canvas, 3, 9), (SquareLook{red, red}));
    EXPECT_EQ(lookOf(canvas, 5, 9), (SquareLook{red, darkRed}));
    EXPECT_EQ(lookOf(canvas, 6, 4), (SquareLook{yellow, yellow}));
    EXPECT_EQ(lookOf(canvas, 9, 9), (SquareLook{yellow, blue}));
    EXPECT_EQ(lookOf(canvas, 8, 8), (SquareLook{cyan, cyan}));
    EXPECT_EQ(lookOf(canvas, 7, 7), (SquareLook{cyan, red}));
    EXPECT_EQ(lookOf(canvas, 5, 5), (SquareLook{WhiteRgb, WhiteRgb}));
}

TEST_F(BoardPainting, ASelectionShowsCyanAndThePlainPictureReturnsWhenItEnds) {
    game.setSquare(3, 7, RedManSelected);
    EXPECT_EQ(lookOf(paint(), 3, 7), (SquareLook{cyan, cyan}));
    game.setSquare(3, 7, RedMan);
    EXPECT_EQ(lookOf(paint(), 3, 7), (SquareLook{red, red}));
}

// The cost of a paint is fixed: 20 line segments and 64 picture copies, grid first.
class RecordingSurface : public DrawingSurface {
public:
    struct Copy {
        int code;
        int left;
        int top;
    };
    int lines = 0;
    int linesBeforeFirstCopy = -1;
    std::vector<Copy> copies;

    void drawLine(PixelPoint, PixelPoint, LineColour) override { ++lines; }
    void copyPicture(int squareCode, PixelPoint at) override {
        if (copies.empty()) {
            linesBeforeFirstCopy = lines;
        }
        copies.push_back({squareCode, at.x, at.y});
    }
};

TEST_F(BoardPainting, APaintIsTwentyLinesThenSixtyFourPicturesRowByRow) {
    game.setSquare(9, 2, Wall); // no code but 0 to 8 has a picture: drawn as empty
    RecordingSurface surface;
    paintBoard(surface);
    EXPECT_EQ(surface.lines, 20);
    EXPECT_EQ(surface.linesBeforeFirstCopy, 20);
    ASSERT_EQ(surface.copies.size(), 64u);
    for (int i = 0; i < 64; ++i) {
        const int x = 2 + i % 8;
        const int y = 2 + i / 8;
        const int expected = x == 9 && y == 2 ? Empty : game.getSquare(x, y);
        EXPECT_EQ(surface.copies[i].code, expected) << x << "," << y;
        EXPECT_EQ(surface.copies[i].left, 33 * (x - 2));
        EXPECT_EQ(surface.copies[i].top, 33 * (y - 2));
    }
}

// The pixels in memory the web page shows: what is stale is painted as a window paints it, and a
// result picture stays until a part of it is painted again.
TEST_F(BoardPainting, PixelsInMemoryAreTheWindowsAndKeepAResultPictureUntilRepainted) {
    const auto decoded = [](const char* file) {
        std::ifstream in(pictureFile(file), std::ios::binary);
        const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        return decodeBitmap(bytes.data(), bytes.size());
    };
    std::array<PixelPicture, SquarePictureCount> squares;
    for (int code = 0; code < SquarePictureCount; ++code) {
        squares[static_cast<std::size_t>(code)] = decoded(squarePictureFiles[code].file);
    }
    PixelScreen screen(squares);
    const auto shown = [&](int x, int y) {
        const std::uint32_t pixel = screen.pixels()[y * BoardPixels + x];
        return Rgb{static_cast<std::uint8_t>(pixel), static_cast<std::uint8_t>(pixel >> 8),
                   static_cast<std::uint8_t>(pixel >> 16)};
    };
    const auto differences = [&](const auto& expected) {
        int count = 0;
        for (int y = 0; y < BoardPixels; ++y) {
            for (int x = 0; x < BoardPixels; ++x) {
                count += shown(x, y) == expected(x, y) ? 0 : 1;
            }
        }
        return count;
    };
    screen.markAllStale();
    screen.paintStale();
    PixelCanvas start = paint();
    EXPECT_EQ(differences([&](int x, int y) { return start.at(x, y); }), 0);

    screen.drawOver(decoded(losePictureFile.file));
    const BitmapPicture lose = readBitmap(pictureFile(losePictureFile.file));
    EXPECT_EQ(differences([&](int x, int y) { return lose.at(x, y); }), 0);

    game.setSquare(3, 7, RedManSelected);
    const PixelRect cell = cellOfSquare(3, 7);
    screen.markStale(cell);
    screen.paintStale();
    const PixelCanvas selected = paint();
    EXPECT_EQ(differences([&](int x, int y) {
                  const bool inCell =
                      x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom;
                  return inCell ? selected.at(x, y) : lose.at(x, y);
              }),
              0);
    EXPECT_EQ(decodeBitmap(nullptr, 0).pixels.size(), 0u); // not a bitmap: no pixels
}

TEST(PressMapping, EveryPixelOfTheClientAreaFallsOnASquareOfTheBoard) {
    EXPECT_EQ(squareAtPixel(0, 0).x, 2);
    EXPECT_EQ(squareAtPixel(32, 32).y, 2);
    EXPECT_EQ(squareAtPixel(33, 0).x, 3);
    EXPECT_EQ(squareAtPixel(0, 65).y, 3);
    EXPECT_EQ(squareAtPixel(0, 66).y, 4);
    EXPECT_EQ(squareAtPixel(263, 263).x, 9);
    EXPECT_EQ(squareAtPixel(263, 263).y, 9);
}

TEST(RepaintCells, AreTheThirtyThreePixelCellOfTheSquare) {
    const PixelRect first = cellOfSquare(2, 2);
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(first.right, 33);
    EXPECT_EQ(first.bottom, 33);
    const PixelRect last = cellOfSquare(9, 8);
    EXPECT_EQ(last.left, 231);
    EXPECT_EQ(last.top, 198);
    EXPECT_EQ(last.right, 264);
    EXPECT_EQ(last.bottom, 231);
    // The destination left by window creation lies off the client area.
    EXPECT_EQ(cellOfSquare(0, 0).right, -33);
}

TEST(Centring, UsesSignedDivisionThatTruncatesFromTheScreensStart) {
    EXPECT_EQ(centredPosition(0, 1024, 270), 377);
    EXPECT_EQ(centredPosition(0, 768, 310), 229);
    EXPECT_EQ(centredPosition(0, 1024, 1029), -2);
    // A second screen, right of the first and lower.
    EXPECT_EQ(centredPosition(1920, 1280, 270), 2425);
    EXPECT_EQ(centredPosition(200, 1024, 310), 557);
}

} // namespace

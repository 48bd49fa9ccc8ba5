// A 264x264 picture in memory that painting can draw on, with the game's own square pictures:
// the window's client area without the window.
#pragma once

#include "ui/board_view.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr bool operator==(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The colours the pictures are drawn with.
constexpr Rgb BlackRgb{0, 0, 0};
constexpr Rgb WhiteRgb{255, 255, 255};
constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb cyan{0, 255, 255};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb darkRed{128, 0, 0};
constexpr Rgb darkBlue{0, 0, 128};

// A picture file of the game: 4 bits per pixel, uncompressed; rows top first.
struct BitmapPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

BitmapPicture readBitmap(const std::string& path);

// A committed picture file, in ui/pictures.
std::string pictureFile(const std::string& name);

class PixelCanvas : public DrawingSurface {
public:
    PixelCanvas();

    void drawLine(PixelPoint from, PixelPoint to, LineColour colour) override;
    void copyPicture(int squareCode, PixelPoint at) override;

    // What the platform does before painting an invalidated area.
    void eraseToWhite();
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * BoardPixels + x)]; }

private:
    void set(int x, int y, Rgb colour);

    std::array<BitmapPicture, SquarePictureCount> squares;
    std::vector<Rgb> pixels;
};

// A picture of palette indices with the few drawing operations the game's pictures need.
#pragma once

#include <cstdint>
#include <vector>

// The standard 16-colour system palette: the indices the pictures are drawn with.
enum PaletteIndex : std::uint8_t {
    Black = 0,
    DarkRed = 1,
    DarkBlue = 4,
    Red = 9,
    Yellow = 11,
    Blue = 12,
    Cyan = 14,
    White = 15,
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

extern const Rgb standardPalette[16];

struct Point {
    double x;
    double y;
};

class Raster {
public:
    Raster(int width, int height, std::uint8_t fill);

    int width() const { return w; }
    int height() const { return h; }
    std::uint8_t at(int x, int y) const { return pixels[y * w + x]; }
    void set(int x, int y, std::uint8_t index);

    // Fills every pixel whose centre lies inside the polygon (even-odd rule).
    void fillPolygon(const std::vector<Point>& corners, std::uint8_t index);
    // A one-pixel line between the pixels holding the two points, both ends included.
    void drawLine(Point from, Point to, std::uint8_t index);

private:
    int w;
    int h;
    std::vector<std::uint8_t> pixels;
};

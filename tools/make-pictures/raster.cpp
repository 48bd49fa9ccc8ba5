#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

const Rgb standardPalette[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

Raster::Raster(int width, int height, std::uint8_t fill)
    : w(width), h(height), pixels(static_cast<std::size_t>(width * height), fill) {}

void Raster::set(int x, int y, std::uint8_t index) {
    if (x >= 0 && x < w && y >= 0 && y < h) {
        pixels[y * w + x] = index;
    }
}

namespace {

bool inside(const std::vector<Point>& corners, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[i];
        const Point b = corners[j];
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y)) {
            in = !in;
        }
    }
    return in;
}

} // namespace

void Raster::fillPolygon(const std::vector<Point>& corners, std::uint8_t index) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (inside(corners, x + 0.5, y + 0.5)) {
                set(x, y, index);
            }
        }
    }
}

void Raster::drawLine(Point from, Point to, std::uint8_t index) {
    int x0 = static_cast<int>(std::floor(from.x));
    int y0 = static_cast<int>(std::floor(from.y));
    const int x1 = static_cast<int>(std::floor(to.x));
    const int y1 = static_cast<int>(std::floor(to.y));
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        set(x0, y0, index);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

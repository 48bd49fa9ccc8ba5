#include "ui/pixel_screen.h"

#include <algorithm>

namespace {

constexpr std::uint32_t White = 0xffffffffU;
constexpr std::uint32_t Black = 0xff000000U;

std::uint32_t littleEndian(const unsigned char* bytes, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

bool inside(const PixelRect& area, int x, int y) {
    return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

} // namespace

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::size_t PaletteSize = 16 * 4;

// The pixels of a 4-bit bitmap from its information header on; its pixels `bitsAt` bytes in.
PixelPicture decodeInfoAndBits(const unsigned char* info, std::size_t size, std::size_t bitsAt) {
    if (size < InfoHeaderSize + PaletteSize || littleEndian(info + 14, 2) != 4 ||
        littleEndian(info + 16, 4) != 0) {
        return {};
    }
    const int width = static_cast<int>(littleEndian(info + 4, 4));
    const int height = static_cast<int>(littleEndian(info + 8, 4)); // rows bottom first
    const std::size_t stride = static_cast<std::size_t>((width * 4 + 31) / 32 * 4);
    if (width <= 0 || height <= 0 || bitsAt + stride * static_cast<std::size_t>(height) > size) {
        return {};
    }
    PixelPicture picture{width, height, {}};
    picture.pixels.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        const unsigned char* row =
            info + bitsAt + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const unsigned index = x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 15U;
            const unsigned char* entry = info + InfoHeaderSize + 4 * index; // blue, green, red
            picture.pixels.push_back(Black | std::uint32_t{entry[0]} << 16 |
                                     std::uint32_t{entry[1]} << 8 | entry[2]);
        }
    }
    return picture;
}

} // namespace

PixelPicture decodeBitmap(const unsigned char* bytes, std::size_t size) {
    if (size < FileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return {};
    }
    const std::size_t bitsAt = littleEndian(bytes + 10, 4);
    if (bitsAt < FileHeaderSize) {
        return {};
    }
    return decodeInfoAndBits(bytes + FileHeaderSize, size - FileHeaderSize,
                             bitsAt - FileHeaderSize);
}

PixelPicture decodeBitmapResource(const unsigned char* bytes, std::size_t size) {
    return decodeInfoAndBits(bytes, size, InfoHeaderSize + PaletteSize);
}

// Painting into the pixels, only where they are stale.
class PixelScreen::Surface : public DrawingSurface {
public:
    explicit Surface(PixelScreen& screen) : screen(screen) {}

    // The painting draws only lines across or down; the end point is not drawn.
    void drawLine(PixelPoint from, PixelPoint to, LineColour colour) override {
        const int stepX = to.x > from.x ? 1 : to.x < from.x ? -1 : 0;
        const int stepY = to.y > from.y ? 1 : to.y < from.y ? -1 : 0;
        for (PixelPoint p = from; p.x != to.x || p.y != to.y; p.x += stepX, p.y += stepY) {
            set(p.x, p.y, colour == LineColour::Black ? Black : White);
        }
    }

    void copyPicture(int squareCode, PixelPoint at) override {
        const PixelPicture& picture = screen.squares[static_cast<std::size_t>(squareCode)];
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                set(at.x + x, at.y + y,
                    picture.pixels[static_cast<std::size_t>(y * picture.width + x)]);
            }
        }
    }

    void set(int x, int y, std::uint32_t pixel) {
        const bool stale = std::any_of(screen.stale.begin(), screen.stale.end(),
                                       [&](const PixelRect& area) { return inside(area, x, y); });
        if (stale) {
            screen.shown[static_cast<std::size_t>(y * BoardPixels + x)] = pixel;
        }
    }

private:
    PixelScreen& screen;
};

PixelScreen::PixelScreen(const std::array<PixelPicture, SquarePictureCount>& squarePictures)
    : squares(squarePictures), shown(static_cast<std::size_t>(BoardPixels * BoardPixels), White) {}

void PixelScreen::markStale(const PixelRect& area) {
    const PixelRect onBoard{std::max(area.left, 0), std::max(area.top, 0),
                            std::min(area.right, BoardPixels), std::min(area.bottom, BoardPixels)};
    if (onBoard.left < onBoard.right && onBoard.top < onBoard.bottom) {
        stale.push_back(onBoard);
    }
}

void PixelScreen::paintStale(std::optional<BoardSquare> cursor) {
    if (stale.empty()) {
        return;
    }
    Surface surface(*this);
    for (int y = 0; y < BoardPixels; ++y) {
        for (int x = 0; x < BoardPixels; ++x) {
            surface.set(x, y, White);
        }
    }
    paintBoard(surface);
    if (cursor) {
        drawCursor(surface, *cursor);
    }
    stale.clear();
}

void PixelScreen::drawOver(const PixelPicture& picture) {
    paintStale();
    for (int y = 0; y < std::min(picture.height, BoardPixels); ++y) {
        for (int x = 0; x < std::min(picture.width, BoardPixels); ++x) {
            shown[static_cast<std::size_t>(y * BoardPixels + x)] =
                picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
        }
    }
}

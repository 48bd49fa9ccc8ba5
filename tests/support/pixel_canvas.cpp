#include "tests/support/pixel_canvas.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

} // namespace

BitmapPicture readBitmap(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (bytes.size() < 118 || bytes.compare(0, 2, "BM") != 0 || little(bytes, 28, 2) != 4) {
        throw std::runtime_error("not a 4-bit bitmap: " + path);
    }
    BitmapPicture picture;
    picture.width = static_cast<int>(little(bytes, 18, 4));
    picture.height = static_cast<int>(little(bytes, 22, 4));
    const std::size_t offset = little(bytes, 10, 4);
    const std::size_t stride = static_cast<std::size_t>((picture.width * 4 + 31) / 32 * 4);
    for (int y = 0; y < picture.height; ++y) {
        const std::size_t row = offset + static_cast<std::size_t>(picture.height - 1 - y) * stride;
        for (int x = 0; x < picture.width; ++x) {
            const auto byte =
                static_cast<unsigned char>(bytes[row + static_cast<std::size_t>(x / 2)]);
            const unsigned index = x % 2 == 0 ? byte >> 4 : byte & 15u;
            const std::size_t entry = 54 + 4 * index;
            picture.pixels.push_back({static_cast<std::uint8_t>(bytes[entry + 2]),
                                      static_cast<std::uint8_t>(bytes[entry + 1]),
                                      static_cast<std::uint8_t>(bytes[entry])});
        }
    }
    return picture;
}

std::string pictureFile(const std::string& name) {
    return std::string(YORUNAMI_PICTURES) + "/" + name;
}

PixelCanvas::PixelCanvas() : pixels(static_cast<std::size_t>(BoardPixels * BoardPixels), WhiteRgb) {
    for (int code = 0; code < SquarePictureCount; ++code) {
        squares[static_cast<std::size_t>(code)] =
            readBitmap(pictureFile(squarePictureFiles[code].file));
    }
}

void PixelCanvas::set(int x, int y, Rgb colour) {
    if (x >= 0 && x < BoardPixels && y >= 0 && y < BoardPixels) {
        pixels[static_cast<std::size_t>(y * BoardPixels + x)] = colour;
    }
}

// The painting here draws only straight lines across or down.
void PixelCanvas::drawLine(PixelPoint from, PixelPoint to, LineColour colour) {
    if (from.x != to.x && from.y != to.y) {
        throw std::logic_error("a slanted line");
    }
    const int stepX = to.x > from.x ? 1 : to.x < from.x ? -1 : 0;
    const int stepY = to.y > from.y ? 1 : to.y < from.y ? -1 : 0;
    for (PixelPoint p = from; p.x != to.x || p.y != to.y; p.x += stepX, p.y += stepY) {
        set(p.x, p.y, colour == LineColour::Black ? BlackRgb : WhiteRgb);
    }
}

void PixelCanvas::copyPicture(int squareCode, PixelPoint at) {
    const BitmapPicture& picture = squares.at(static_cast<std::size_t>(squareCode));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            set(at.x + x, at.y + y, picture.at(x, y));
        }
    }
}

void PixelCanvas::eraseToWhite() {
    for (Rgb& pixel : pixels) {
        pixel = WhiteRgb;
    }
}

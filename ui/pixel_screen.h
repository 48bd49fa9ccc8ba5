// The board area as pixels in memory, for a front end that shows pixels itself (the web page).
// Repaint requests mark parts of it stale; painting them erases them to white and paints them
// from the board with the neutral painting, as the platform does for a window. A result picture
// is drawn over what is shown at once, and stays until that part is next painted.
#pragma once

#include "ui/board_view.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A picture's pixels, rows top first. Each pixel is the bytes red, green, blue and alpha in that
// order in memory, as a page's image data holds them.
struct PixelPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The pixels of an uncompressed bitmap file of 4 bits per pixel, as the game's pictures are
// stored; a picture of no pixels when the bytes are not such a file.
PixelPicture decodeBitmap(const unsigned char* bytes, std::size_t size);
// The same for a bitmap as a Windows program holds it in its resources: the file without its
// first 14 bytes, the pixels right after the palette.
PixelPicture decodeBitmapResource(const unsigned char* bytes, std::size_t size);

class PixelScreen {
public:
    explicit PixelScreen(const std::array<PixelPicture, SquarePictureCount>& squarePictures);

    void markStale(const PixelRect& area);
    void markAllStale() { markStale({0, 0, BoardPixels, BoardPixels}); }
    // The board where it is stale, with the keyboard's cursor where there is one.
    void paintStale(std::optional<BoardSquare> cursor = std::nullopt);
    // Drawn after what is stale has been painted, as a window paints what was asked first.
    void drawOver(const PixelPicture& picture);

    // BoardPixels rows of BoardPixels pixels.
    const std::uint32_t* pixels() const { return shown.data(); }

private:
    class Surface;

    std::array<PixelPicture, SquarePictureCount> squares;
    std::vector<std::uint32_t> shown;
    std::vector<PixelRect> stale;
};

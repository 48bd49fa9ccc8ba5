#include "bitmap_files.h"

#include <fstream>
#include <zlib.h>

namespace {

class Bytes {
public:
    void u8(unsigned value) { data.push_back(static_cast<char>(value & 0xff)); }
    void u16(unsigned value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(unsigned value) {
        u16(value & 0xffff);
        u16(value >> 16);
    }
    const std::string& text() const { return data; }
    std::size_t size() const { return data.size(); }

private:
    std::string data;
};

constexpr unsigned InfoHeaderSize = 40;
constexpr unsigned PaletteSize = 16 * 4;

unsigned rowBytes(int width, int bitsPerPixel) {
    return static_cast<unsigned>((width * bitsPerPixel + 31) / 32 * 4);
}

// BITMAPINFOHEADER; an icon image states twice its height, for the colour rows and the mask.
void infoHeader(Bytes& out, const Raster& picture, int statedHeight, unsigned imageBytes) {
    out.u32(InfoHeaderSize);
    out.u32(static_cast<unsigned>(picture.width()));
    out.u32(static_cast<unsigned>(statedHeight));
    out.u16(1); // planes
    out.u16(4); // bits per pixel
    out.u32(0); // BI_RGB: uncompressed
    out.u32(imageBytes);
    out.u32(0); // pixels per metre, x and y: not stated
    out.u32(0);
    out.u32(16); // colours used
    out.u32(0);  // all important
}

void palette(Bytes& out) {
    for (const Rgb& colour : standardPalette) {
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        out.u8(0);
    }
}

// Rows bottom up, two pixels a byte, the left one in the high half. Transparent pixels of an icon
// are black under their mask.

std::uint8_t colourAt(const Raster& picture, int x, int y, int transparent) {
    const std::uint8_t index = picture.at(x, y);
    return index == transparent ? std::uint8_t{Black} : index;
}

void colourRows(Bytes& out, const Raster& picture, int transparent) {
    const unsigned padded = rowBytes(picture.width(), 4);
    for (int y = picture.height() - 1; y >= 0; --y) {
        unsigned written = 0;
        for (int x = 0; x < picture.width(); x += 2) {
            const unsigned right =
                x + 1 < picture.width() ? colourAt(picture, x + 1, y, transparent) : 0;
            out.u8(static_cast<unsigned>(colourAt(picture, x, y, transparent)) << 4 | right);
            ++written;
        }
        for (; written < padded; ++written) {
            out.u8(0);
        }
    }
}

// The icon's AND mask: 1 where the picture is transparent.
void maskRows(Bytes& out, const Raster& picture, std::uint8_t transparent) {
    const unsigned padded = rowBytes(picture.width(), 1);
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (unsigned byte = 0; byte < padded; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(byte) * 8 + bit;
                const bool clear = x < picture.width() && picture.at(x, y) == transparent;
                bits |= (clear ? 1u : 0u) << (7 - bit);
            }
            out.u8(bits);
        }
    }
}

bool save(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes.text();
    return static_cast<bool>(file);
}

} // namespace

bool writeBitmapFile(const std::string& path, const Raster& picture) {
    const unsigned imageBytes =
        rowBytes(picture.width(), 4) * static_cast<unsigned>(picture.height());
    const unsigned offset = 14 + InfoHeaderSize + PaletteSize;
    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(offset + imageBytes);
    out.u32(0); // reserved
    out.u32(offset);
    infoHeader(out, picture, picture.height(), imageBytes);
    palette(out);
    colourRows(out, picture, NoTransparency);
    return save(path, out);
}

bool writeIconFile(const std::string& path, const std::vector<Raster>& images,
                   std::uint8_t transparent) {
    std::vector<Bytes> bodies(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Raster& image = images[i];
        const unsigned colourBytes =
            rowBytes(image.width(), 4) * static_cast<unsigned>(image.height());
        const unsigned maskBytes =
            rowBytes(image.width(), 1) * static_cast<unsigned>(image.height());
        infoHeader(bodies[i], image, 2 * image.height(), colourBytes + maskBytes);
        palette(bodies[i]);
        colourRows(bodies[i], image, transparent);
        maskRows(bodies[i], image, transparent);
    }
    Bytes out;
    out.u16(0); // reserved
    out.u16(1); // an icon
    out.u16(static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.u8(static_cast<unsigned>(images[i].width()));
        out.u8(static_cast<unsigned>(images[i].height()));
        out.u8(16); // colours
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(4); // bits per pixel
        out.u32(static_cast<unsigned>(bodies[i].size()));
        out.u32(offset);
        offset += static_cast<unsigned>(bodies[i].size());
    }
    std::string whole = out.text();
    for (const Bytes& body : bodies) {
        whole += body.text();
    }
    std::ofstream file(path, std::ios::binary);
    file << whole;
    return static_cast<bool>(file);
}

namespace {

// PNG numbers are four bytes, big-endian.
void appendBigEndian(std::string& out, unsigned value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>(value >> shift & 0xff));
    }
}

// A PNG chunk: length, type, data and the CRC of type and data.
void pngChunk(std::string& out, const char* type, const std::string& data) {
    const std::string typed = type + data;
    appendBigEndian(out, static_cast<unsigned>(data.size()));
    out += typed;
    appendBigEndian(out,
                    static_cast<unsigned>(crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                                static_cast<uInt>(typed.size()))));
}

} // namespace

bool writePngFile(const std::string& path, const Raster& picture, int transparent) {
    std::string header;
    appendBigEndian(header, static_cast<unsigned>(picture.width()));
    appendBigEndian(header, static_cast<unsigned>(picture.height()));
    header += std::string{8, 3, 0, 0, 0}; // 8-bit palette indices, no interlace
    std::string colours;
    std::string alphas;
    for (std::size_t index = 0; index < 16; ++index) {
        colours += {static_cast<char>(standardPalette[index].red),
                    static_cast<char>(standardPalette[index].green),
                    static_cast<char>(standardPalette[index].blue)};
        alphas.push_back(static_cast<char>(static_cast<int>(index) == transparent ? 0 : 255));
    }
    std::string rows; // each row starts with filter type 0: the bytes as they are
    for (int y = 0; y < picture.height(); ++y) {
        rows.push_back(0);
        for (int x = 0; x < picture.width(); ++x) {
            rows.push_back(static_cast<char>(picture.at(x, y)));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.data()), static_cast<uLong>(rows.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return false;
    }
    packed.resize(packedSize);

    std::string out = "\x89PNG\r\n\x1a\n";
    pngChunk(out, "IHDR", header);
    pngChunk(out, "PLTE", colours);
    if (transparent != NoTransparency) {
        pngChunk(out, "tRNS", alphas);
    }
    pngChunk(out, "IDAT", packed);
    pngChunk(out, "IEND", "");
    std::ofstream file(path, std::ios::binary);
    file << out;
    return static_cast<bool>(file);
}

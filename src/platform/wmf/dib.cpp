#include "platform/wmf/dib.h"

#include <QColor>
#include <cstdint>
#include <vector>

namespace wmf {

namespace {

// Page pictures hold small pictures at most; this keeps a hostile header from costing much memory.
constexpr std::int64_t MaxDibSide = 16384;
constexpr std::int64_t MaxDibPixels = 16 * 1024 * 1024;
// Header sizes: the old core header, and the info header (later versions are longer still).
constexpr std::uint32_t CoreHeaderBytes = 12, InfoHeaderBytes = 40;
constexpr std::uint32_t BI_RGB = 0, BI_BITFIELDS = 3;
constexpr std::size_t MaskBytes = 12; // red, green and blue masks after an info header
constexpr std::uint32_t MaxColourHint = 256;

std::uint32_t u32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}
std::uint16_t u16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

int maskShift(std::uint32_t mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int maskTo8(std::uint32_t value, std::uint32_t mask) {
    if (!mask) return 0;
    const std::uint32_t v = (value & mask) >> maskShift(mask);
    const std::uint32_t max = mask >> maskShift(mask);
    return static_cast<int>(v * 255 / max);
}

struct DibHeader {
    std::uint32_t size = 0;
    std::int64_t width = 0, height = 0;
    int bitCount = 0;
    std::uint32_t compression = BI_RGB, coloursUsed = 0;
    std::size_t paletteEntrySize = 4;
    bool topDown = false;
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F}; // red, green, blue of 16-bit pixels
};

DibResult readHeader(const unsigned char* data, std::size_t size, DibHeader* h) {
    if (size < CoreHeaderBytes) return DibResult::Malformed;
    h->size = u32(data);
    if (h->size == CoreHeaderBytes) {
        h->width = u16(data + 4);
        h->height = u16(data + 6);
        h->bitCount = u16(data + 10);
        h->paletteEntrySize = 3;
    } else if (h->size >= InfoHeaderBytes && h->size <= size) {
        h->width = static_cast<std::int32_t>(u32(data + 4));
        h->height = static_cast<std::int32_t>(u32(data + 8));
        h->bitCount = u16(data + 14);
        h->compression = u32(data + 16);
        h->coloursUsed = u32(data + 32);
    } else {
        return DibResult::Malformed;
    }
    h->topDown = h->height < 0;
    if (h->topDown) h->height = -h->height;
    if (h->width <= 0 || h->height <= 0 || h->width > MaxDibSide || h->height > MaxDibSide ||
        h->width * h->height > MaxDibPixels)
        return DibResult::Malformed;
    const int b = h->bitCount;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) return DibResult::Malformed;
    const bool bitfields = h->compression == BI_BITFIELDS && (b == 16 || b == 32);
    if (h->compression != BI_RGB && !bitfields) return DibResult::Unsupported;
    return DibResult::Ok;
}

// The masks of 16- and 32-bit pixels; returns where the colour table starts, or 0 when the
// masks are cut off.
std::size_t readMasks(const unsigned char* data, std::size_t size, DibHeader* h) {
    if (h->bitCount == 32) h->masks[0] = 0xFF0000, h->masks[1] = 0xFF00, h->masks[2] = 0xFF;
    if (h->compression != BI_BITFIELDS) return h->size;
    // Masks follow a plain info header; longer headers carry them inside.
    if (size < InfoHeaderBytes + MaskBytes) return 0;
    for (int i = 0; i < 3; ++i)
        h->masks[i] = u32(data + InfoHeaderBytes + 4 * i);
    return h->size == InfoHeaderBytes ? h->size + MaskBytes : h->size;
}

// Reads the colour table of a paletted bitmap (or skips the hint some true-colour ones carry);
// returns where the pixels start, or 0 when the table runs past the data.
std::size_t readPalette(const unsigned char* data, std::size_t size, std::size_t offset, const DibHeader& h,
                        std::vector<QRgb>* palette) {
    if (h.bitCount > 8) {
        const std::size_t hint = std::size_t(h.coloursUsed) * 4;
        const bool skip = h.coloursUsed && h.size != CoreHeaderBytes && h.coloursUsed <= MaxColourHint;
        return skip && offset + hint <= size ? offset + hint : offset;
    }
    const std::uint32_t maxEntries = 1u << h.bitCount;
    const std::uint32_t entries =
        h.coloursUsed == 0 || h.coloursUsed > maxEntries ? maxEntries : h.coloursUsed;
    if (offset + std::size_t(entries) * h.paletteEntrySize > size) return 0;
    for (std::uint32_t i = 0; i < entries; ++i) {
        const unsigned char* e = data + offset + i * h.paletteEntrySize;
        palette->push_back(qRgb(e[2], e[1], e[0]));
    }
    return offset + std::size_t(entries) * h.paletteEntrySize;
}

// ---- One row of each depth --------------------------------------------------------------------

void paletteRow(const unsigned char* src, QRgb* dst, const DibHeader& h, const std::vector<QRgb>& palette) {
    const int bits = h.bitCount;
    for (std::int64_t x = 0; x < h.width; ++x) {
        const std::int64_t bit = x * bits;
        const int shift = 8 - bits - static_cast<int>(bit % 8);
        const unsigned index = (src[bit / 8] >> shift) & ((1u << bits) - 1);
        dst[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
    }
}

template <int Bytes> void maskedRow(const unsigned char* src, QRgb* dst, const DibHeader& h) {
    for (std::int64_t x = 0; x < h.width; ++x) {
        const std::uint32_t v = Bytes == 2 ? u16(src + x * 2) : u32(src + x * 4);
        dst[x] = qRgb(maskTo8(v, h.masks[0]), maskTo8(v, h.masks[1]), maskTo8(v, h.masks[2]));
    }
}

void rgbRow(const unsigned char* src, QRgb* dst, const DibHeader& h) {
    for (std::int64_t x = 0; x < h.width; ++x)
        dst[x] = qRgb(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]);
}

void decodeRow(const unsigned char* src, QRgb* dst, const DibHeader& h, const std::vector<QRgb>& palette) {
    switch (h.bitCount) {
    case 16:
        maskedRow<2>(src, dst, h);
        break;
    case 24:
        rgbRow(src, dst, h);
        break;
    case 32:
        maskedRow<4>(src, dst, h);
        break;
    default:
        paletteRow(src, dst, h, palette);
    }
}

} // namespace

DibResult decodeDib(const unsigned char* data, std::size_t size, QImage* out) {
    DibHeader h;
    const DibResult header = readHeader(data, size, &h);
    if (header != DibResult::Ok) return header;
    std::vector<QRgb> palette;
    std::size_t offset = readMasks(data, size, &h);
    if (offset) offset = readPalette(data, size, offset, h, &palette);
    if (!offset) return DibResult::Malformed;

    const std::int64_t stride = ((h.width * h.bitCount + 31) / 32) * 4;
    if (offset > size || static_cast<std::int64_t>(size - offset) < stride * h.height)
        return DibResult::Malformed;
    QImage image(static_cast<int>(h.width), static_cast<int>(h.height), QImage::Format_RGB32);
    if (image.isNull()) return DibResult::Malformed;
    for (std::int64_t row = 0; row < h.height; ++row) {
        const int line = static_cast<int>(h.topDown ? row : h.height - 1 - row);
        decodeRow(data + offset + row * stride, reinterpret_cast<QRgb*>(image.scanLine(line)), h, palette);
    }
    *out = image;
    return DibResult::Ok;
}

} // namespace wmf

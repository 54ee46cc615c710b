#include "platform/wmf/dib.h"

#include <QColor>
#include <cstdint>
#include <vector>

namespace wmf {

namespace {

// Page pictures hold small pictures at most; this keeps a hostile header from costing much memory.
constexpr std::int64_t MaxDibSide = 16384;
constexpr std::int64_t MaxDibPixels = 16 * 1024 * 1024;

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

} // namespace

DibResult decodeDib(const unsigned char* data, std::size_t size, QImage* out) {
    if (size < 12) return DibResult::Malformed;
    const std::uint32_t headerSize = u32(data);
    std::int64_t width, height;
    int bitCount;
    std::uint32_t compression = 0, coloursUsed = 0;
    int paletteEntrySize = 4;
    if (headerSize == 12) {
        width = u16(data + 4);
        height = u16(data + 6);
        bitCount = u16(data + 10);
        paletteEntrySize = 3;
    } else if (headerSize >= 40 && headerSize <= size) {
        width = static_cast<std::int32_t>(u32(data + 4));
        height = static_cast<std::int32_t>(u32(data + 8));
        bitCount = u16(data + 14);
        compression = u32(data + 16);
        coloursUsed = u32(data + 32);
    } else {
        return DibResult::Malformed;
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > MaxDibSide || height > MaxDibSide ||
        width * height > MaxDibPixels)
        return DibResult::Malformed;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return DibResult::Malformed;
    const bool bitfields = compression == 3 && (bitCount == 16 || bitCount == 32);
    if (compression != 0 && !bitfields) return DibResult::Unsupported;

    std::size_t offset = headerSize;
    std::uint32_t rMask = 0x7C00, gMask = 0x03E0, bMask = 0x001F;
    if (bitCount == 32) rMask = 0xFF0000, gMask = 0xFF00, bMask = 0xFF;
    if (bitfields) {
        // Masks follow a plain 40-byte header; longer headers carry them inside.
        if (size < 52) return DibResult::Malformed;
        rMask = u32(data + 40);
        gMask = u32(data + 44);
        bMask = u32(data + 48);
        if (headerSize == 40) offset += 12;
    }

    std::vector<QRgb> palette;
    if (bitCount <= 8) {
        const std::uint32_t maxEntries = 1u << bitCount;
        const std::uint32_t entries = coloursUsed == 0 || coloursUsed > maxEntries ? maxEntries : coloursUsed;
        if (offset + std::size_t(entries) * paletteEntrySize > size) return DibResult::Malformed;
        for (std::uint32_t i = 0; i < entries; ++i) {
            const unsigned char* e = data + offset + i * paletteEntrySize;
            palette.push_back(qRgb(e[2], e[1], e[0]));
        }
        offset += std::size_t(entries) * paletteEntrySize;
    } else if (coloursUsed && headerSize != 12) {
        // A colour table may precede true-colour pixels as a hint; skip it when it is there.
        if (coloursUsed <= 256 && offset + std::size_t(coloursUsed) * 4 <= size)
            offset += std::size_t(coloursUsed) * 4;
    }

    const std::int64_t stride = ((width * bitCount + 31) / 32) * 4;
    if (offset > size || static_cast<std::int64_t>(size - offset) < stride * height)
        return DibResult::Malformed;

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) return DibResult::Malformed;
    const unsigned char* pixels = data + offset;
    for (std::int64_t row = 0; row < height; ++row) {
        const unsigned char* src = pixels + row * stride;
        auto* dst =
            reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(topDown ? row : height - 1 - row)));
        for (std::int64_t x = 0; x < width; ++x) {
            QRgb c = qRgb(0, 0, 0);
            switch (bitCount) {
            case 1:
            case 4:
            case 8: {
                const std::int64_t bit = x * bitCount;
                const int shift = 8 - bitCount - static_cast<int>(bit % 8);
                const unsigned index = (src[bit / 8] >> shift) & ((1u << bitCount) - 1);
                c = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
                break;
            }
            case 16: {
                const std::uint32_t v = u16(src + x * 2);
                c = qRgb(maskTo8(v, rMask), maskTo8(v, gMask), maskTo8(v, bMask));
                break;
            }
            case 24:
                c = qRgb(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]);
                break;
            case 32: {
                const std::uint32_t v = u32(src + x * 4);
                c = qRgb(maskTo8(v, rMask), maskTo8(v, gMask), maskTo8(v, bMask));
                break;
            }
            }
            dst[x] = c;
        }
    }
    *out = image;
    return DibResult::Ok;
}

} // namespace wmf

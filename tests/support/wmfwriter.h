#pragma once

#include <QByteArray>
#include <initializer_list>

// Little-endian 16-bit words, as metafiles store them.
inline QByteArray words(std::initializer_list<int> ws) {
    QByteArray b;
    for (int w : ws)
        b.append(char(w & 0xFF)).append(char((w >> 8) & 0xFF));
    return b;
}

// Writes small metafiles record by record.
struct WmfWriter {
    QByteArray bytes;
    explicit WmfWriter(int width = 1000, int height = 1000, int inch = 1000) {
        // Placeable header (key, handle, bounding box, units per inch, reserved, checksum), then the
        // standard one.
        bytes = words({0xCDD7, 0x9AC6, 0, 0, 0, width, height, inch, 0, 0, 0});
        bytes += words({1, 9, 0x300, 0, 0, 8, 0, 0, 0});
    }
    // A record head with any size, right or wrong.
    WmfWriter& head(quint32 size, int fn) {
        bytes += words({int(size & 0xFFFF), int(size >> 16), fn});
        return *this;
    }
    WmfWriter& raw(int fn, QByteArray params) {
        if (params.size() % 2) params += '\0';
        head(3 + params.size() / 2, fn).bytes += params;
        return *this;
    }
    WmfWriter& record(int fn, std::initializer_list<int> ws) { return raw(fn, words(ws)); }
    QByteArray finish(bool withEnd = true) { return withEnd ? record(0, {}).bytes : bytes; }
};

#pragma once

#include <QImage>
#include <cstddef>

namespace wmf {

enum class DibResult { Ok, Malformed, Unsupported };

// Decodes a device-independent bitmap (header, colour table, pixels) held in a metafile record.
// The header's sizes are checked against the bytes that are really there before anything is
// allocated; compressed bitmaps are left unsupported.
DibResult decodeDib(const unsigned char* data, std::size_t size, QImage* out);

} // namespace wmf

#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

// Decodes a colour or grey JPEG with libjpeg itself, as Qt's own JPEG plugin would, without
// going through the image plugins: finding and loading those is most of the cost of the first
// picture shown. Nothing (std::nullopt) for what it leaves to Qt: CMYK, or a file it cannot
// decode, whose fault Qt's reader then reports in its own words, and anything in a build without
// libjpeg. A side over maxSide is not
// decoded either, and the caller's own size check then refuses it.
std::optional<QImage> decodeJpeg(const QByteArray& bytes, int maxSide);

#include "platform/jpegdecoder.h"

#ifdef TELLWYN_HAVE_LIBJPEG

#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE without including it
#include <jpeglib.h>

namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void staySilent(j_common_ptr) {}

// The scanlines land straight in the image: libjpeg-turbo writes RGB32's byte order itself and
// sets the unused byte to 0xff. Kept free of C++ objects with destructors, as longjmp skips them.
bool decodeInto(jpeg_decompress_struct& info, ErrorJump& errors, const QByteArray& bytes, int maxSide,
                QImage& image) {
    if (setjmp(errors.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    const bool grey = info.num_components == 1;
    if (!grey && info.num_components != 3) return false;
    if (info.image_width > unsigned(maxSide) || info.image_height > unsigned(maxSide)) return false;
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull()) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

std::optional<QImage> decodeJpeg(const QByteArray& bytes, int maxSide) {
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOut;
    errors.manager.output_message = staySilent;
    QImage image;
    const bool decoded = decodeInto(info, errors, bytes, maxSide, image);
    jpeg_destroy_decompress(&info);
    if (!decoded) return std::nullopt;
    return image;
}

#else

std::optional<QImage> decodeJpeg(const QByteArray&, int) {
    return std::nullopt;
}

#endif

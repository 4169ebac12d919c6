#include "PngImage.h"

#include <png.h>

#include <cstring>

namespace jiaoyan::ui {

QImage decodePng(std::string_view bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return {};
    image.format = PNG_FORMAT_BGRA;
    // BGRA bytes in memory are QImage's ARGB32 on a little-endian machine.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    QImage out(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
    if (out.isNull() || !png_image_finish_read(&image, nullptr, out.bits(),
                                               static_cast<png_int_32>(out.bytesPerLine()), nullptr)) {
        png_image_free(&image);
        return {};
    }
    return out;
}

} // namespace jiaoyan::ui

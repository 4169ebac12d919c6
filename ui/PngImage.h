#pragma once
#include <QImage>
#include <string_view>

namespace jiaoyan::ui {

// Decodes a PNG held in memory into 8-bit blue, green, red and alpha pixels
// (a null image when the bytes are not a PNG).
QImage decodePng(std::string_view bytes);

} // namespace jiaoyan::ui

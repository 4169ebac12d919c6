// Draws the tool's two pictures and writes them as PNG files with an sRGB chunk:
//   dropArea.png   200 x 200: an arrow curving from the left down into an open square
//   appIcon-N.png  N x N: a rounded square split by a dashed line, chevrons either side
// Build with the `artwork` target and run it in resources/ to refresh the files.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <png.h>

#include <cstdio>
#include <vector>

namespace {

bool writePng(const QImage& argb, const char* path) {
    QImage image = argb.convertToFormat(QImage::Format_RGBA8888);
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()),
                 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

QImage dropArea() {
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor grey(138, 138, 138);
    QPen pen(grey, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    // The square, open at its top-left corner where the arrow comes in.
    QPainterPath square;
    square.moveTo(52, 122);
    square.lineTo(52, 182);
    square.lineTo(182, 182);
    square.lineTo(182, 58);
    square.lineTo(122, 58);
    p.drawPath(square);

    // The arrow's shaft curves from the left, over and down into the square.
    QPainterPath shaft;
    shaft.moveTo(16, 30);
    shaft.cubicTo(58, 20, 102, 30, 106, 104);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawPath(shaft);

    QPainterPath head;
    head.moveTo(80, 96);
    head.lineTo(132, 96);
    head.lineTo(106, 138);
    head.closeSubpath();
    p.setPen(QPen(grey, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(grey);
    p.drawPath(head);
    return image;
}

QImage appIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QColor grey(81, 81, 81);
    QPen pen(grey, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawRoundedRect(QRectF(2.1, 2.1, 27.8, 27.8), 5, 5);

    // The dashed line down the middle.
    pen.setCapStyle(Qt::FlatCap);
    pen.setWidthF(2.0);
    p.setPen(pen);
    for (double y = 6; y < 26; y += 4)
        p.drawLine(QPointF(16, y), QPointF(16, y + 2.2));

    // Chevrons pointing at the line from either side.
    pen.setCapStyle(Qt::RoundCap);
    pen.setWidthF(2.2);
    p.setPen(pen);
    p.drawPolyline(QPolygonF({{7, 11.5}, {11.5, 16}, {7, 20.5}}));
    p.drawPolyline(QPolygonF({{25, 11.5}, {20.5, 16}, {25, 20.5}}));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    bool ok = writePng(dropArea(), "dropArea.png");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        char name[32];
        std::snprintf(name, sizeof name, "appIcon-%d.png", size);
        ok = writePng(appIcon(size), name) && ok;
    }
    return ok ? 0 : 1;
}

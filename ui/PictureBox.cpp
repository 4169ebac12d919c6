#include "PictureBox.h"

#include <QPainter>

namespace jiaoyan::ui {

PictureBox::PictureBox(const QImage& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, depth() > 16);
    painter.drawImage(rect(), m_picture);
}

} // namespace jiaoyan::ui

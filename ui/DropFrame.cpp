#include "DropFrame.h"

#include "TransparentLabel.h"

#include <QPainter>

namespace jiaoyan::ui {

DropFrame::DropFrame(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DropFrame::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(QColor(192, 192, 192));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    TransparentLabel::paintLabelsOf(this);
}

} // namespace jiaoyan::ui

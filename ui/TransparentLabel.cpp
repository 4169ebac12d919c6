#include "TransparentLabel.h"

#include <QPainter>

namespace jiaoyan::ui {

TransparentLabel::TransparentLabel(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(text);
}

void TransparentLabel::paintLabelsOf(QWidget* parent) {
    QPainter painter(parent);
    painter.setPen(Qt::black);
    for (auto* label : parent->findChildren<TransparentLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isHidden())
            continue;
        QRect r = label->geometry();
        r.setWidth(parent->width()); // unclipped to the right
        painter.setFont(label->font());
        painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label->text());
    }
}

} // namespace jiaoyan::ui

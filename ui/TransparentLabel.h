#pragma once
#include <QWidget>

namespace jiaoyan::ui {

// A one-line caption with no background of its own. Its text is drawn by its
// parent (paintLabelsOf), so text longer than the label runs past its edge
// instead of being cut off, and siblings listed earlier still lie on top.
class TransparentLabel : public QWidget {
    Q_OBJECT
public:
    TransparentLabel(const QString& text, QWidget* parent);
    QString text() const { return m_text; }

    static void paintLabelsOf(QWidget* parent);

private:
    QString m_text;
};

} // namespace jiaoyan::ui

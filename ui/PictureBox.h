#pragma once
#include <QImage>
#include <QWidget>

namespace jiaoyan::ui {

// A borderless white box showing one picture stretched to fill it, smoothly.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QImage& picture, QWidget* parent);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage m_picture;
};

} // namespace jiaoyan::ui

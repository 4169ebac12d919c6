#pragma once
#include <QWidget>

namespace jiaoyan::ui {

// A drop area's panel: white, with a one-pixel light grey border along its edges.
class DropFrame : public QWidget {
    Q_OBJECT
public:
    explicit DropFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace jiaoyan::ui

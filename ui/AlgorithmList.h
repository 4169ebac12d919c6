#pragma once
#include <QComboBox>

namespace jiaoyan::ui {

// The drop-down list of the six digest names: no text field, never without a
// selection, rows one pixel taller than usual, 160 pixels high when opened.
class AlgorithmList : public QComboBox {
    Q_OBJECT
public:
    explicit AlgorithmList(QWidget* parent);
    static constexpr int kOpenedHeight = 160;
};

} // namespace jiaoyan::ui

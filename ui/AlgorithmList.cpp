#include "AlgorithmList.h"

#include "ControlLayout.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

namespace jiaoyan::ui {
namespace {

class TallerRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 1);
    }
};

} // namespace

AlgorithmList::AlgorithmList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : kAlgorithmItems)
        addItem(QString::fromLatin1(item));
    setCurrentIndex(1);
    setItemDelegate(new TallerRows(this));
    const int row = itemDelegate()->sizeHint(QStyleOptionViewItem(), model()->index(0, 0)).height();
    setMaxVisibleItems(std::max(1, (kOpenedHeight - 20) / std::max(1, row)));
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

} // namespace jiaoyan::ui

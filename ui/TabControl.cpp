#include "TabControl.h"

#include "TransparentLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace jiaoyan::ui {
namespace {

// A page: transparent, drawing the captions of its transparent labels.
class TabPage : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { TransparentLabel::paintLabelsOf(this); }
};

} // namespace

TabControl::TabControl(const QStringList& captions, QWidget* parent)
    : QWidget(parent), m_bar(new QTabBar(this)) {
    setFocusPolicy(Qt::NoFocus);
    for (const QString& caption : captions) {
        auto* page = new TabPage(this);
        page->installEventFilter(this);
        m_pages.append(page);
        m_bar->addTab(caption);
    }
    m_bar->setFocusPolicy(Qt::ClickFocus);
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->installEventFilter(this);
    m_bar->raise();
    connect(m_bar, &QTabBar::currentChanged, this, [this](int index) {
        showPage(index);
        emit currentChanged(index);
    });
    showPage(0);
}

void TabControl::showPage(int index) {
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
}

void TabControl::resizeEvent(QResizeEvent*) { layoutPages(); }

void TabControl::layoutPages() {
    m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height());
    for (QWidget* page : m_pages)
        page->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect pane = rect().adjusted(0, m_bar->height() - 1, -1, -1);
    painter.fillRect(pane, palette().color(QPalette::Window).lighter(103));
    painter.setPen(QColor(0xC8, 0xC8, 0xC8));
    painter.drawRect(pane);
}

bool TabControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (watched == m_bar || m_pages.contains(watched)))
        emit clicked();
    return QWidget::eventFilter(watched, event);
}

} // namespace jiaoyan::ui

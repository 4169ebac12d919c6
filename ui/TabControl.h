#pragma once
#include <QTabBar>
#include <QWidget>

namespace jiaoyan::ui {

// A tab control whose pages are laid out relative to its own top-left corner,
// tab strip included. Each page is a transparent widget covering the control;
// selecting a page shows its controls and hides the others'.
class TabControl : public QWidget {
    Q_OBJECT
public:
    TabControl(const QStringList& captions, QWidget* parent);

    QWidget* page(int index) const { return m_pages.value(index); }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    int currentIndex() const { return m_bar->currentIndex(); }
    void setCurrentIndex(int index) { m_bar->setCurrentIndex(index); }
    QTabBar* tabBar() const { return m_bar; }
    // Places the strip and the pages for the control's current size.
    void layoutPages();

signals:
    // Every left-button click on the control, also on the tab already shown;
    // never raised by a page change made from the keyboard.
    void clicked();
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage(int index);

    QTabBar* m_bar;
    QList<QWidget*> m_pages;
};

} // namespace jiaoyan::ui

#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

class QDropEvent;

namespace jiaoyan::ui {

// Receives files dropped on one frame. Bound to the frame's window by
// registerDropTarget; accepts only local file lists, and only while acceptFiles
// is on. It only reads the dropped paths, so it never answers move or link.
class DropObject : public QObject {
    Q_OBJECT
public:
    explicit DropObject(const QString& name, QObject* parent = nullptr);

    // False, changing nothing, when a window was recorded already; the window stays
    // recorded even when it cannot become a drop target.
    bool registerDropTarget(QWidget* window);
    QWidget* window() const { return m_window; }

    bool acceptText = false;
    bool acceptHtml = false;
    bool acceptLink = false;
    bool acceptFiles = false;

signals:
    // The path of the one dropped file, or every path followed by CRLF.
    void filesDropped(const QByteArray& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool acceptable(const QDropEvent* event) const;
    Qt::DropAction effectFor(const QDropEvent* event) const;

    bool m_recorded = false;
    QPointer<QWidget> m_window;
};

} // namespace jiaoyan::ui

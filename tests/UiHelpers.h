#pragma once
// Shared pieces of the widget tests: drags sent as Qt delivers them, and a
// message-box recorder.
#include "DropObject.h"
#include "MessageSink.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <memory>
#include <vector>

struct RecordedBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};

class MessageRecorder : public jiaoyan::ui::MessageSink {
public:
    MessageRecorder() { install(this); }
    ~MessageRecorder() override { install(nullptr); }
    void show(const QString& caption, const QString& text, QMessageBox::Icon icon) override {
        boxes.push_back({caption, text, icon});
    }
    QString lastText() const { return boxes.empty() ? QString() : boxes.back().text; }
    std::vector<RecordedBox> boxes;
};

inline std::unique_ptr<QMimeData> fileUrls(const std::vector<std::string>& paths) {
    auto data = std::make_unique<QMimeData>();
    QByteArray list;
    // Percent-encoded byte for byte, as file managers do, so names that are not UTF-8 survive.
    for (const std::string& p : paths)
        list += "file://" + QByteArray::fromStdString(p).toPercentEncoding("/") + "\r\n";
    data->setData("text/uri-list", list);
    return data;
}

struct DragAnswer {
    bool enterAccepted;
    bool dropAccepted;
    Qt::DropAction dropAction;
};

// Enter, move and drop on `target` at `pos`, each with the same data, as Qt delivers
// a drag to the widget that accepted its entry.
inline DragAnswer dragOnto(QWidget* target, const QMimeData* data, QPoint pos = {10, 10},
                           Qt::KeyboardModifiers mods = Qt::NoModifier,
                           Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) {
    QDragEnterEvent enter(pos, offered, data, Qt::LeftButton, mods);
    QApplication::sendEvent(target, &enter);
    DragAnswer answer{enter.isAccepted(), false, Qt::IgnoreAction};
    if (!answer.enterAccepted)
        return answer;
    QDragMoveEvent move(pos, offered, data, Qt::LeftButton, mods);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(pos), offered, data, Qt::LeftButton, mods);
    QApplication::sendEvent(target, &drop);
    answer.dropAccepted = drop.isAccepted();
    answer.dropAction = drop.dropAction();
    return answer;
}

// The widget that Qt hands a drag at `pos` of `window` to: the one under the
// pointer, or its nearest parent that accepts drops.
inline QWidget* dropTargetAt(QWidget* window, QPoint pos) {
    QWidget* w = window->childAt(pos);
    if (!w)
        w = window;
    while (w && !w->isWindow() && !w->acceptDrops())
        w = w->parentWidget();
    return w && w->acceptDrops() ? w : nullptr;
}

#include "DropObject.h"

#include "UriList.h"

#include <QDropEvent>
#include <QMimeData>

namespace jiaoyan::ui {
namespace {

std::optional<std::vector<std::string>> droppedPaths(const QMimeData* data) {
    if (!data || !data->hasFormat(QStringLiteral("text/uri-list")))
        return std::nullopt;
    const QByteArray list = data->data(QStringLiteral("text/uri-list"));
    return localPathsFromUriList(std::string_view(list.constData(), static_cast<std::size_t>(list.size())));
}

} // namespace

DropObject::DropObject(const QString& name, QObject* parent) : QObject(parent) { setObjectName(name); }

bool DropObject::registerDropTarget(QWidget* window) {
    if (m_recorded)
        return false;
    m_recorded = true;
    m_window = window;
    if (!window)
        return false;
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    return true;
}

bool DropObject::acceptable(const QDropEvent* event) const {
    return acceptFiles && droppedPaths(event->mimeData());
}

// Copy when the source offers it and no modifier is held, or with Ctrl alone;
// nothing with Ctrl and Shift together, and never move or link.
Qt::DropAction DropObject::effectFor(const QDropEvent* event) const {
    if (!acceptable(event))
        return Qt::IgnoreAction;
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (mods == Qt::ControlModifier)
        return Qt::CopyAction;
    if (mods == Qt::NoModifier && (event->possibleActions() & Qt::CopyAction))
        return Qt::CopyAction;
    return Qt::IgnoreAction;
}

bool DropObject::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (effectFor(drag) == Qt::CopyAction) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->setDropAction(Qt::IgnoreAction);
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave: return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (effectFor(drop) != Qt::CopyAction) {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
            return true;
        }
        const std::string text = droppedText(*droppedPaths(drop->mimeData()));
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        emit filesDropped(QByteArray::fromStdString(text));
        return true;
    }
    default: return false;
    }
}

} // namespace jiaoyan::ui

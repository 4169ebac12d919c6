#include "ResultBox.h"

#include <QScrollBar>

namespace jiaoyan::ui {

ResultBox::ResultBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    setAcceptDrops(false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::Text, Qt::black);
    }
    setPalette(p);
    showSelection(false);
}

QString ResultBox::forDisplay(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void ResultBox::setWholeText(const QString& text) {
    setPlainText(forDisplay(text));
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

void ResultBox::appendAtEnd(const QString& text) {
    moveCursor(QTextCursor::End);
    QTextCursor cursor = textCursor();
    cursor.insertText(forDisplay(text));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ResultBox::focusInEvent(QFocusEvent* e) {
    showSelection(true);
    QPlainTextEdit::focusInEvent(e);
}

void ResultBox::focusOutEvent(QFocusEvent* e) {
    showSelection(false);
    QPlainTextEdit::focusOutEvent(e);
}

// The selection is hidden while the box does not have the keyboard focus.
void ResultBox::showSelection(bool shown) {
    QPalette p = palette();
    const QPalette system;
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight,
                   shown ? system.color(QPalette::Active, QPalette::Highlight) : Qt::white);
        p.setColor(group, QPalette::HighlightedText,
                   shown ? system.color(QPalette::Active, QPalette::HighlightedText) : Qt::black);
    }
    setPalette(p);
}

} // namespace jiaoyan::ui

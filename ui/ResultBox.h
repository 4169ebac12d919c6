#pragma once
#include <QPlainTextEdit>

namespace jiaoyan::ui {

// The read-only, selectable result box. Texts keep their CRLF line breaks outside;
// inside, each CRLF is one line break.
class ResultBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent);

    // Replaces the whole text and shows its beginning.
    void setWholeText(const QString& text);
    // Inserts at the end, caret and view following; the insertion cannot be undone.
    void appendAtEnd(const QString& text);

    static QString forDisplay(const QString& text);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void showSelection(bool shown);
};

} // namespace jiaoyan::ui

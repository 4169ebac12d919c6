#pragma once
#include <QMessageBox>
#include <QString>

namespace jiaoyan::ui {

// Where message boxes go: the real, application-modal box without a parent, or a
// recorder that tests put in its place.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const QString& caption, const QString& text, QMessageBox::Icon icon) = 0;

    static MessageSink& current();
    // Null restores the real box.
    static void install(MessageSink* sink);
};

// Every verdict and the warning (UTF-8 text): caption "信息：", no icon, one OK.
void showInformation(const char* text);

} // namespace jiaoyan::ui

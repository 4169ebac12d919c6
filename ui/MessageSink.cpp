#include "MessageSink.h"

namespace jiaoyan::ui {
namespace {

class RealMessageBox : public MessageSink {
public:
    void show(const QString& caption, const QString& text, QMessageBox::Icon icon) override {
        QMessageBox box(icon, caption, text, QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
};

MessageSink* installed = nullptr;

} // namespace

MessageSink& MessageSink::current() {
    static RealMessageBox real;
    return installed ? *installed : real;
}

void MessageSink::install(MessageSink* sink) { installed = sink; }

void showInformation(const char* text) {
    MessageSink::current().show(QStringLiteral("信息："), QString::fromUtf8(text), QMessageBox::NoIcon);
}

} // namespace jiaoyan::ui

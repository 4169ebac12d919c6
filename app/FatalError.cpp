#include "FatalError.h"

#include "Application.h"
#include "MessageSink.h"

#include <QApplication>

#include <cstdlib>

namespace jiaoyan::app {

std::string fatalErrorText(const std::string& message, int code, int where1, int where2) {
    std::string text = "运行时出错!\r\n";
    if (code != 0)
        text += "\r\n错误代码：" + std::to_string(code) + "\r\n";
    if (!message.empty())
        text += "\r\n错误信息：" + message + "\r\n";
    text += "\r\n" + std::to_string(where1) + ", " + std::to_string(where2) + "\r\n";
    return text;
}

std::string allocationFailureMessage(std::size_t bytes) {
    return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

void reportFatalError(const std::string& message, int code, int where1, int where2) {
    static bool reporting = false;
    if (!reporting && QApplication::instance()) {
        reporting = true;
        const std::string text = fatalErrorText(message, code, where1, where2);
        ui::MessageSink::current().show(QStringLiteral("错误"), QString::fromUtf8(text.c_str()),
                                        QMessageBox::Critical);
    }
    dropExitRoutines();
    endApplication(-1);
    std::_Exit(-1);
}

} // namespace jiaoyan::app

#include "Application.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("jiaoyan"));
    QApplication::setDesktopFileName(QStringLiteral("jiaoyan"));
    // The desktop's GUI font at the size the layout's metrics were made for.
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
    const int code = jiaoyan::app::startApplication();
    jiaoyan::app::endApplication(code);
    return code;
}

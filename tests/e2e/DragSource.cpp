// The other end of a real drag: a small window at the top-left of the screen that
// starts a drag when pressed, offering copy, move and link as a file manager does.
//   drag-source --files PATH...   file URLs (with a text/plain copy beside them)
//   drag-source --text TEXT       plain text only
// Prints the action the target answered, then stays a moment: under XDND the
// target fetches the data after the release.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class Source : public QWidget {
public:
    explicit Source(QMimeData* (*make)(const QStringList&), QStringList args)
        : m_make(make), m_args(std::move(args)) {
        setWindowTitle(QStringLiteral("drag-source"));
        setGeometry(0, 0, 80, 80);
        setStyleSheet(QStringLiteral("background: #4080c0;"));
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        drag->setMimeData(m_make(m_args));
        Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        std::printf("action %d\n", static_cast<int>(action));
        std::fflush(stdout);
        QTimer::singleShot(1500, qApp, &QApplication::quit);
    }

private:
    QMimeData* (*m_make)(const QStringList&);
    QStringList m_args;
};

QMimeData* files(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    data->setUrls(urls);
    data->setText(paths.join('\n'));
    return data;
}

QMimeData* text(const QStringList& words) {
    auto* data = new QMimeData;
    data->setText(words.join(' '));
    return data;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 64;
    const QString mode = args.takeFirst();
    Source source(mode == QStringLiteral("--text") ? text : files, args);
    source.show();
    std::printf("ready\n");
    std::fflush(stdout);
    QTimer::singleShot(30000, &app, &QApplication::quit); // never outlive a broken test
    return app.exec();
}

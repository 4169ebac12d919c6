// Drop-to-report time of one file in the real window (offscreen platform), and the
// event loop's latency meanwhile: a 5 ms timer whose late firings are recorded.
//   window_bench FILE
#include "Application.h"
#include "ControlLayout.h"
#include "DropObject.h"
#include "MainWindow.h"
#include "PageHandlers.h"
#include "ResultBox.h"

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace jiaoyan;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_bench FILE\n");
        return 64;
    }
    ui::MainWindow window;
    DigestList file1, file2, check;
    ui::PageHandlers handlers(window, file1, file2, check);
    app::onMainWindowCreated(window);
    window.bindEvents(&handlers);
    window.show();

    QElapsedTimer clock;
    clock.start();
    std::vector<double> gapsMs;
    qint64 last = clock.nsecsElapsed();
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        gapsMs.push_back(static_cast<double>(now - last) / 1e6);
        last = now;
    });
    ticker.start(5);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1]))});
    QWidget* frame = window.control(ui::kSingleFrame);
    QDragEnterEvent enter({50, 50}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    const qint64 start = clock.nsecsElapsed();
    QApplication::sendEvent(frame, &drop);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // runs the handler to its end
    const double seconds = static_cast<double>(clock.nsecsElapsed() - start) / 1e9;
    ticker.stop();

    const bool shown = window.resultBox()->toPlainText().contains(QStringLiteral("CRC32："));
    std::sort(gapsMs.begin(), gapsMs.end());
    const double worst = gapsMs.empty() ? 0 : gapsMs.back();
    const double p99 = gapsMs.empty() ? 0 : gapsMs[gapsMs.size() * 99 / 100];
    std::printf("drop-to-report %.3f s; event-loop gaps over %zu ticks of 5 ms: max %.1f ms, p99 %.1f ms%s\n",
                seconds, gapsMs.size(), worst, p99, shown ? "" : " (no report shown!)");
    return shown ? 0 : 1;
}

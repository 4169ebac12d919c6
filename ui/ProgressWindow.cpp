#include "ProgressWindow.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace jiaoyan::ui {
namespace {

std::uint64_t sum(const std::vector<std::shared_ptr<DigestTask>>& tasks,
                  std::uint64_t (DigestTask::*of)() const) {
    std::uint64_t total = 0;
    for (const auto& t : tasks)
        total += (t.get()->*of)();
    return total;
}

bool allFinished(const std::vector<std::shared_ptr<DigestTask>>& tasks) {
    return std::all_of(tasks.begin(), tasks.end(), [](const auto& t) { return t->isFinished(); });
}

QString speedText(double bytesPerSecond) {
    const double mb = bytesPerSecond / (1024.0 * 1024.0);
    return mb >= 1 ? QStringLiteral("%1 MB/s").arg(mb, 0, 'f', 1)
                   : QStringLiteral("%1 KB/s").arg(bytesPerSecond / 1024.0, 0, 'f', 0);
}

} // namespace

ProgressWindow::ProgressWindow(std::vector<std::shared_ptr<DigestTask>> tasks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_tasks(std::move(tasks)), m_name(new QLabel(this)), m_bar(new QProgressBar(this)),
      m_speed(new QLabel(this)) {
    setObjectName(QStringLiteral("jiaoyanProgress"));
    setWindowTitle(QStringLiteral("正在读取文件"));
    setWindowModality(Qt::ApplicationModal);
    QStringList names;
    for (const auto& t : m_tasks)
        names << t->fileName();
    m_name->setText(names.join(QStringLiteral("\n")));
    m_name->setTextFormat(Qt::PlainText);
    m_name->setMaximumWidth(360);
    m_bar->setRange(0, 100);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &ProgressWindow::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_speed, 1);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_bar);
    layout->addLayout(bottom);
    setMinimumWidth(320);
    m_clock.start();
    m_startBytes = sum(m_tasks, &DigestTask::bytesDone);
    refresh();
}

void ProgressWindow::refresh() {
    const std::uint64_t done = sum(m_tasks, &DigestTask::bytesDone);
    const std::uint64_t total = sum(m_tasks, &DigestTask::bytesTotal);
    m_bar->setValue(total ? static_cast<int>(done * 100 / total) : 0);
    const double seconds = static_cast<double>(m_clock.elapsed()) / 1000.0;
    m_speed->setText(seconds > 0.05 ? speedText(static_cast<double>(done - m_startBytes) / seconds)
                                    : QString());
}

void ProgressWindow::reject() {
    emit cancelRequested();
    QDialog::reject();
}

bool waitModally(const std::vector<std::shared_ptr<DigestTask>>& tasks, int delayMs) {
    if (allFinished(tasks))
        return true;
    QEventLoop loop;
    QObject::connect(DigestTask::events(), &TaskEvents::finished, &loop, [&] {
        if (allFinished(tasks))
            loop.quit();
    });
    if (allFinished(tasks))
        return true;
    // A quick file: the window only holds input back, no progress window flashes up.
    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &loop, &QEventLoop::quit);
    delay.start(delayMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (allFinished(tasks))
        return true;

    ProgressWindow window(tasks);
    bool cancelled = false;
    QObject::connect(&window, &ProgressWindow::cancelRequested, &loop, [&] {
        cancelled = true;
        loop.quit();
    });
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &window, &ProgressWindow::refresh);
    ticker.start(100);
    window.show();
    if (!allFinished(tasks))
        loop.exec();
    return !cancelled && allFinished(tasks);
}

} // namespace jiaoyan::ui

#pragma once
#include "DigestTask.h"

#include <QDialog>

#include <QElapsedTimer>
#include <vector>

class QLabel;
class QProgressBar;

namespace jiaoyan::ui {

// A small modal window over the tool while files are read: the file names, the
// percentage, the speed, and Cancel.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(std::vector<std::shared_ptr<DigestTask>> tasks, QWidget* parent = nullptr);
    void refresh();

signals:
    void cancelRequested();

protected:
    void reject() override;

private:
    std::vector<std::shared_ptr<DigestTask>> m_tasks;
    QLabel* m_name;
    QProgressBar* m_bar;
    QLabel* m_speed;
    QElapsedTimer m_clock;
    std::uint64_t m_startBytes = 0;
};

// Waits until every task has finished while the window waits with it: user input
// is held back, and after `delayMs` the progress window appears. Returns false when
// the user cancelled the wait; the tasks themselves go on until their owner cancels them.
bool waitModally(const std::vector<std::shared_ptr<DigestTask>>& tasks, int delayMs = 300);

} // namespace jiaoyan::ui

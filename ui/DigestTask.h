#pragma once
#include "FileReport.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace jiaoyan::ui {

// The object behind DigestTask::events(). Workers only write to its eventfd; the
// window's thread reads it and raises `finished`.
class TaskEvents : public QObject {
    Q_OBJECT
public:
    TaskEvents();
    // Called on a worker thread.
    void notify();

signals:
    void finished();

private:
    int m_fd;
};

// A file's report and digests, made on a worker thread of its own. Long work never
// runs on the window's thread; a task can be cancelled at any chunk, and every task
// still running can be cancelled at once when the tool ends. The result is handed
// over under a lock, so the window's thread only ever sees a finished result.
class DigestTask {
public:
    static std::shared_ptr<DigestTask> start(const std::string& path, DigestSet digests,
                                             std::optional<FileIdentity> expected = std::nullopt);

    void cancel() { m_cancel = true; }
    bool isCancelled() const { return m_cancel; }
    bool isFinished() const;
    // Only once finished.
    FileReport result() const;

    QString fileName() const { return QString::fromUtf8(m_fileName.c_str()); }
    std::uint64_t bytesDone() const { return m_done; }
    std::uint64_t bytesTotal() const { return m_total; }

    // Raises `finished` on the window's thread each time any task ends.
    static TaskEvents* events();

    // Cancels every running task; waits at most `ms` for them to end.
    static bool cancelAllAndWait(int ms);
    // Test seam: runs before every chunk any task reads (a slow or stalled medium).
    static void setBeforeChunk(std::function<void(DigestSet digests, std::uint64_t offset)> hook);

private:
    DigestTask() = default;
    static void run(const std::shared_ptr<DigestTask>& task, const std::string& path, DigestJob job);

    std::atomic<bool> m_cancel{false};
    std::atomic<std::uint64_t> m_done{0};
    std::atomic<std::uint64_t> m_total{0};
    std::string m_fileName; // no Qt object is ever touched off the window's thread
    mutable std::mutex m_mutex;
    bool m_finished = false;
    FileReport m_result;
};

} // namespace jiaoyan::ui

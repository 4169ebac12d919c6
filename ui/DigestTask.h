#pragma once
#include "FileReport.h"

#include <QFuture>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

namespace jiaoyan::ui {

// A file's report and digests, made on a worker thread of the tool's own pool.
// Long work never runs on the window's thread; a task can be cancelled at any
// chunk, and every task still running can be cancelled at once when the tool ends.
class DigestTask {
  public:
    static std::shared_ptr<DigestTask> start(const std::string& path, DigestSet digests,
                                             std::optional<FileIdentity> expected = std::nullopt);

    void cancel() { m_cancel = true; }
    bool isFinished() const { return m_future.isFinished(); }
    QFuture<FileReport> future() const { return m_future; }
    // Only once finished.
    FileReport result() const { return m_future.result(); }

    QString fileName() const { return m_fileName; }
    std::uint64_t bytesDone() const { return m_done; }
    std::uint64_t bytesTotal() const { return m_total; }

    // Cancels every running task; waits at most `ms` for them to end.
    static bool cancelAllAndWait(int ms);
    bool isCancelled() const { return m_cancel; }

    // Test seam: runs before every chunk any task reads (a slow or stalled medium).
    static void setBeforeChunk(std::function<void(DigestSet digests, std::uint64_t offset)> hook);

  private:
    DigestTask() = default;

    std::atomic<bool> m_cancel{false};
    std::atomic<std::uint64_t> m_done{0};
    std::atomic<std::uint64_t> m_total{0};
    QString m_fileName;
    QFuture<FileReport> m_future;
};

} // namespace jiaoyan::ui

#include "DigestTask.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <mutex>
#include <set>

namespace jiaoyan::ui {
namespace {

// Tasks wait on files, not on the processor, so the pool is not capped at the core
// count: a background MD2 must never keep a new drop's report waiting.
QThreadPool& pool() {
    static QThreadPool* p = [] {
        auto* created = new QThreadPool;
        created->setMaxThreadCount(64);
        created->setExpiryTimeout(5000);
        return created;
    }();
    return *p;
}

std::mutex registryMutex;
std::set<std::weak_ptr<DigestTask>, std::owner_less<std::weak_ptr<DigestTask>>> registry;
std::function<void(DigestSet, std::uint64_t)> beforeChunkHook;

} // namespace

std::shared_ptr<DigestTask> DigestTask::start(const std::string& path, DigestSet digests,
                                              std::optional<FileIdentity> expected) {
    std::shared_ptr<DigestTask> task(new DigestTask);
    task->m_fileName = QString::fromUtf8(fileNameOf(path).c_str());
    {
        std::lock_guard lock(registryMutex);
        std::erase_if(registry, [](const auto& weak) { return weak.expired(); });
        registry.insert(task);
    }
    DigestJob job;
    job.digests = digests;
    job.expected = expected;
    if (beforeChunkHook)
        job.beforeChunk = [hook = beforeChunkHook, digests](std::uint64_t offset) { hook(digests, offset); };
    // The worker holds the task alive until it is done.
    task->m_future = QtConcurrent::run(&pool(), [task, path, job]() mutable {
        job.cancel = &task->m_cancel;
        job.progress = [&task](std::uint64_t done, std::uint64_t total) {
            task->m_total = total;
            task->m_done = done;
        };
        return makeFileReport(path, job);
    });
    return task;
}

bool DigestTask::cancelAllAndWait(int ms) {
    {
        std::lock_guard lock(registryMutex);
        for (const auto& weak : registry)
            if (auto task = weak.lock())
                task->cancel();
    }
    return pool().waitForDone(ms);
}

void DigestTask::setBeforeChunk(std::function<void(DigestSet, std::uint64_t)> hook) {
    beforeChunkHook = std::move(hook);
}

} // namespace jiaoyan::ui

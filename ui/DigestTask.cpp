#include "DigestTask.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/eventfd.h>

#include <chrono>
#include <condition_variable>
#include <set>
#include <thread>

namespace jiaoyan::ui {
namespace {

// Every task that has started and not yet ended, for the end of the tool.
struct Registry {
    std::mutex mutex;
    std::condition_variable ended;
    std::set<std::shared_ptr<DigestTask>> running;
    std::function<void(DigestSet, std::uint64_t)> beforeChunk;
};

Registry& registry() {
    static auto* r = new Registry; // outlives detached workers at exit
    return *r;
}

TaskEvents* taskEvents() {
    static auto* events = new TaskEvents; // made on the window's thread by the first task
    return events;
}

} // namespace

TaskEvents::TaskEvents() : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    auto* notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        eventfd_t count = 0;
        ::eventfd_read(m_fd, &count);
        emit finished();
    });
}

void TaskEvents::notify() { ::eventfd_write(m_fd, 1); }

TaskEvents* DigestTask::events() { return taskEvents(); }

std::shared_ptr<DigestTask> DigestTask::start(const std::string& path, DigestSet digests,
                                              std::optional<FileIdentity> expected) {
    std::shared_ptr<DigestTask> task(new DigestTask);
    task->m_fileName = fileNameOf(path);
    taskEvents();
    DigestJob job;
    job.digests = digests;
    job.expected = expected;
    Registry& r = registry();
    {
        std::lock_guard lock(r.mutex);
        if (auto hook = r.beforeChunk)
            job.beforeChunk = [hook, digests](std::uint64_t offset) { hook(digests, offset); };
        r.running.insert(task);
    }
    try {
        std::thread([task, path, job]() mutable { run(task, path, std::move(job)); }).detach();
    } catch (const std::system_error&) {
        run(task, path, std::move(job)); // no thread to be had: the work is done here
    }
    return task;
}

void DigestTask::run(const std::shared_ptr<DigestTask>& task, const std::string& path, DigestJob job) {
    job.cancel = &task->m_cancel;
    job.progress = [&task](std::uint64_t done, std::uint64_t total) {
        task->m_total = total;
        task->m_done = done;
    };
    FileReport report = makeFileReport(path, job);
    {
        std::lock_guard lock(task->m_mutex);
        task->m_result = std::move(report);
        task->m_finished = true;
    }
    taskEvents()->notify();
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.running.erase(task);
    r.ended.notify_all();
}

bool DigestTask::isFinished() const {
    std::lock_guard lock(m_mutex);
    return m_finished;
}

FileReport DigestTask::result() const {
    std::lock_guard lock(m_mutex);
    return m_result;
}

bool DigestTask::cancelAllAndWait(int ms) {
    Registry& r = registry();
    std::unique_lock lock(r.mutex);
    for (const auto& task : r.running)
        task->cancel();
    return r.ended.wait_for(lock, std::chrono::milliseconds(ms), [&] { return r.running.empty(); });
}

void DigestTask::setBeforeChunk(std::function<void(DigestSet, std::uint64_t)> hook) {
    std::lock_guard lock(registry().mutex);
    registry().beforeChunk = std::move(hook);
}

} // namespace jiaoyan::ui

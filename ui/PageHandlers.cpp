#include "PageHandlers.h"

#include "MainWindow.h"
#include "MessageSink.h"
#include "ProgressWindow.h"
#include "Verdicts.h"

namespace jiaoyan::ui {
namespace {

constexpr const char* kFile1Heading = "文件1文件信息：\r\n";
constexpr const char* kFile2Heading = "==============================\r\n文件2文件信息：\r\n";

} // namespace

PageHandlers::PageHandlers(MainWindow& window, DigestList& file1, DigestList& file2, DigestList& check,
                           QObject* parent)
    : WindowEvents(parent), m_window(window), m_file1(file1), m_file2(file2), m_check(check) {}

void PageHandlers::inOrder(std::function<void()> work) {
    m_queue.push_back(std::move(work));
    if (m_busy)
        return;
    m_busy = true;
    while (!m_queue.empty()) {
        std::function<void()> next = std::move(m_queue.front());
        m_queue.pop_front();
        next();
    }
    m_busy = false;
}

std::optional<FileReport> PageHandlers::reportOf(const std::string& path) {
    auto task = DigestTask::start(path, DigestSet::report());
    if (!waitModally({task})) {
        task->cancel();
        return std::nullopt;
    }
    FileReport report = task->result();
    if (report.status == DigestOutcome::Status::Cancelled)
        return std::nullopt;
    return report;
}

void PageHandlers::clearOnOuterTabClick() {
    inOrder([=, this] { m_window.setResultText({}); });
}

// The single-file page keeps no digests, so it never makes an MD2.
void PageHandlers::showSingleFile(const QByteArray& dropped) {
    inOrder([=, this] {
        if (auto report = reportOf(dropped.toStdString()))
            m_window.setResultText(QByteArray::fromStdString(report->text));
    });
}

void PageHandlers::takeComparisonFile(DigestSlot& slot, const QByteArray& dropped, const char* heading) {
    const std::string path = dropped.toStdString();
    auto report = reportOf(path);
    if (!report)
        return;
    m_window.appendResultText(QByteArray(heading) + QByteArray::fromStdString(report->text));
    slot.take(*report, path);
}

void PageHandlers::takeFile1(const QByteArray& dropped) {
    inOrder([=, this] { takeComparisonFile(m_file1, dropped, kFile1Heading); });
}
void PageHandlers::takeFile2(const QByteArray& dropped) {
    inOrder([=, this] { takeComparisonFile(m_file2, dropped, kFile2Heading); });
}

bool PageHandlers::waitForMd2(std::initializer_list<DigestSlot*> waiting) {
    std::vector<std::shared_ptr<DigestTask>> pending;
    for (DigestSlot* s : waiting)
        if (s->md2Pending())
            pending.push_back(s->md2Task());
    if (!waitModally(pending))
        return false;
    for (DigestSlot* s : waiting)
        s->collectMd2();
    return true;
}

void PageHandlers::verifyComparison() {
    inOrder([=, this] {
        DigestList& a = m_file1.list();
        DigestList& b = m_file2.list();
        if (compareDigestLists(a, b) == Verdict::NeedFiles) {
            showInformation(kDropFirst);
            return;
        }
        // The entries that are ready first: any difference is the verdict without MD2.
        for (std::size_t i = 1; i < kDigestCount; ++i) {
            if (a[i] != b[i]) {
                showInformation(kFilesDiffer);
                return;
            }
        }
        if (!waitForMd2({&m_file1, &m_file2}))
            return;
        showInformation(compareText(compareDigestLists(m_file1.list(), m_file2.list())));
    });
}

void PageHandlers::resetComparison() {
    inOrder([=, this] {
        m_file1.clear();
        m_file2.clear();
        m_window.setResultText({});
    });
}

void PageHandlers::takeCheckFile(const QByteArray& dropped) {
    inOrder([=, this] {
        const std::string path = dropped.toStdString();
        auto report = reportOf(path);
        if (!report)
            return;
        m_window.setResultText(QByteArray::fromStdString(report->text));
        m_check.take(*report, path);
    });
}

void PageHandlers::verifyKnownValue() {
    inOrder([=, this] {
        const DigestList& list = m_check.list();
        if (list.empty() || list.size() > kDigestCount) {
            showInformation(kDropFirst);
            return;
        }
        const int index = m_window.selectedAlgorithm();
        if (index == static_cast<int>(DigestKind::Md2) && !waitForMd2({&m_check}))
            return;
        const Verdict v = checkKnownValue(m_check.list(), index, m_window.knownValueText().toStdString());
        showInformation(checkText(v));
    });
}

void PageHandlers::resetKnownValue() {
    inOrder([=, this] {
        m_check.clear();
        m_window.setResultText({});
    });
}

void PageHandlers::cancelAll() {
    for (DigestSlot* s : {&m_file1, &m_file2, &m_check})
        s->cancelBackground();
    DigestTask::cancelAllAndWait(0);
}

std::shared_ptr<DigestTask> PageHandlers::pendingMd2(Slot slot) const {
    const DigestSlot& s = slot == Slot::File1 ? m_file1 : slot == Slot::File2 ? m_file2 : m_check;
    return s.md2Task();
}

} // namespace jiaoyan::ui

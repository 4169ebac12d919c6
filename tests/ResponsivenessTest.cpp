// Work off the window's thread: the progress window, Cancel, and MD2 in the
// background, made deterministic by a gate in the reading seam.
#include "DigestTask.h"
#include "PageFixture.h"
#include "ProgressWindow.h"
#include "Verdicts.h"

#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <mutex>
#include <thread>

using namespace jiaoyan;
using namespace jiaoyan::ui;

namespace {

// Holds back every chunk of the tasks it applies to while closed (ten seconds at most).
class ReadGate {
public:
    explicit ReadGate(bool md2Only) : m_md2Only(md2Only) {
        DigestTask::setBeforeChunk([this](DigestSet digests, std::uint64_t) {
            {
                std::lock_guard lock(m_mutex);
                m_seen.push_back(digests);
            }
            if (m_md2Only != digests.has(DigestKind::Md2))
                return;
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (m_closed && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        });
    }
    ~ReadGate() {
        open();
        DigestTask::cancelAllAndWait(10000);
        DigestTask::setBeforeChunk(nullptr);
    }
    void close() { m_closed = true; }
    void open() { m_closed = false; }
    bool sawMd2() {
        std::lock_guard lock(m_mutex);
        return std::any_of(m_seen.begin(), m_seen.end(), [](DigestSet d) { return d.has(DigestKind::Md2); });
    }

private:
    bool m_md2Only;
    std::atomic<bool> m_closed{false};
    std::mutex m_mutex;
    std::vector<DigestSet> m_seen;
};

// Watches for the progress window while a handler waits, and acts on it once.
class ProgressWatcher {
public:
    enum class Act { Nothing, Cancel, Run };
    explicit ProgressWatcher(Act act, std::function<void()> run = {}) : m_act(act), m_run(std::move(run)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    bool seen() const { return m_seen; }

private:
    void poll() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<ProgressWindow*>(w);
            if (!progress || !progress->isVisible() || m_seen)
                continue;
            m_seen = true;
            EXPECT_TRUE(progress->isModal());
            if (m_act == Act::Cancel)
                QTest::mouseClick(progress->findChild<QPushButton*>("cancel"), Qt::LeftButton);
            else if (m_act == Act::Run)
                m_run();
        }
    }
    Act m_act;
    std::function<void()> m_run;
    QTimer m_timer;
    bool m_seen = false;
};

class Responsiveness : public PageFixture {
protected:
    std::string a = dir.write("a.bin", std::string(300000, 'a'));
    std::string aCopy = dir.write("a-copy.bin", std::string(300000, 'a'));
    std::string b = dir.write("b.bin", std::string(300000, 'b'));
};

TEST_F(Responsiveness, QuickFilesShowNoProgressWindowAndTheSinglePageMakesNoMd2) {
    ReadGate gate(false);
    const std::string tiny = dir.write("tiny", "abc");
    ProgressWatcher watcher(ProgressWatcher::Act::Nothing);
    drop(kSingleFrame, {tiny});
    EXPECT_EQ(resultText(), shown(reportOf(tiny)));
    EXPECT_FALSE(watcher.seen());
    DigestTask::cancelAllAndWait(10000);
    EXPECT_FALSE(gate.sawMd2()) << "the single-file page throws its list away, so MD2 is never made";
}

TEST_F(Responsiveness, CancelLeavesThePageAsBeforeTheDrop) {
    ReadGate gate(false);
    drop(kCheckFrame, {a});
    const QString before = resultText();
    const DigestList digestsBefore = check;
    ASSERT_EQ(digestsBefore.size(), 6u);

    gate.close();
    ProgressWatcher watcher(ProgressWatcher::Act::Cancel);
    drop(kCheckFrame, {b});
    EXPECT_TRUE(watcher.seen());
    EXPECT_EQ(resultText(), before);
    EXPECT_EQ(check.size(), 6u);
    EXPECT_EQ(check[1], digestsBefore[1]);

    // The same on the comparison page: nothing appended, the slot kept.
    gate.open();
    drop(kFile1Frame, {a});
    const QString compareBefore = resultText();
    gate.close();
    ProgressWatcher again(ProgressWatcher::Act::Cancel);
    drop(kFile1Frame, {b});
    EXPECT_TRUE(again.seen());
    EXPECT_EQ(resultText(), compareBefore);
    EXPECT_EQ(file1[1], digestsBefore[1]);
}

TEST_F(Responsiveness, VerifyWaitsForAPendingMd2ThenGivesTheVerdict) {
    ReadGate gate(true);
    gate.close();
    drop(kFile1Frame, {a});
    drop(kFile2Frame, {aCopy});
    ASSERT_TRUE(handlers.pendingMd2(PageHandlers::Slot::File1));
    EXPECT_FALSE(handlers.pendingMd2(PageHandlers::Slot::File1)->isFinished());

    // Cancel abandons the verify: no box, and the MD2 goes on.
    {
        ProgressWatcher cancel(ProgressWatcher::Act::Cancel);
        click(kCompareVerifyButton);
        EXPECT_TRUE(cancel.seen());
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_FALSE(handlers.pendingMd2(PageHandlers::Slot::File1)->isCancelled());
    }
    ProgressWatcher opener(ProgressWatcher::Act::Run, [&] { gate.open(); });
    click(kCompareVerifyButton);
    EXPECT_TRUE(opener.seen());
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kFilesSame));
    EXPECT_EQ(file1[0], file2[0]);
    EXPECT_EQ(file1[0].size(), 32u);
}

TEST_F(Responsiveness, ADifferenceFoundWithoutMd2GivesTheVerdictAtOnce) {
    ReadGate gate(true);
    gate.close();
    drop(kFile1Frame, {a});
    drop(kFile2Frame, {b});
    ProgressWatcher watcher(ProgressWatcher::Act::Nothing);
    click(kCompareVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kFilesDiffer));
    EXPECT_FALSE(watcher.seen());
    EXPECT_FALSE(handlers.pendingMd2(PageHandlers::Slot::File2)->isFinished());
}

TEST_F(Responsiveness, ANewDropOrResetCancelsTheSlotsMd2) {
    ReadGate gate(true);
    gate.close();
    drop(kFile1Frame, {a});
    auto first = handlers.pendingMd2(PageHandlers::Slot::File1);
    drop(kFile1Frame, {b});
    EXPECT_TRUE(first->isCancelled());
    auto second = handlers.pendingMd2(PageHandlers::Slot::File1);
    EXPECT_NE(second, first);
    EXPECT_FALSE(second->isCancelled());
    click(kCompareResetButton);
    EXPECT_TRUE(second->isCancelled());
    EXPECT_EQ(handlers.pendingMd2(PageHandlers::Slot::File1), nullptr);

    drop(kCheckFrame, {a});
    auto check = handlers.pendingMd2(PageHandlers::Slot::Check);
    click(kCheckResetButton);
    EXPECT_TRUE(check->isCancelled());
}

TEST_F(Responsiveness, KnownValueWaitsOnlyWhenMd2IsSelected) {
    ReadGate gate(true);
    gate.close();
    drop(kCheckFrame, {a});
    ProgressWatcher none(ProgressWatcher::Act::Nothing);
    typeKnownValue(QString::fromStdString(check[1]));
    click(kCheckVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kCheckPassed));
    EXPECT_FALSE(none.seen());

    window.algorithmList()->setCurrentIndex(0);
    ProgressWatcher opener(ProgressWatcher::Act::Run, [&] { gate.open(); });
    typeKnownValue("not the md2");
    click(kCheckVerifyButton);
    EXPECT_TRUE(opener.seen());
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kCheckFailed));
    EXPECT_EQ(check[0].size(), 32u);
}

// The MD2 reads the file again: a file changed since its report gets no MD2.
TEST_F(Responsiveness, AFileChangedBeforeItsMd2HasNone) {
    ReadGate gate(true);
    gate.close();
    drop(kCheckFrame, {a});
    dir.write("a.bin", std::string(300000, 'z'));
    struct timespec times[2] = {{0, UTIME_OMIT}, {1000, 0}};
    ::utimensat(AT_FDCWD, a.c_str(), times, 0);
    gate.open();
    window.algorithmList()->setCurrentIndex(0);
    typeKnownValue("x");
    click(kCheckVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kCheckFailed));
    EXPECT_EQ(check[0], "");
    EXPECT_EQ(check[1].size(), 32u) << "the report's digests stay those of the version it read";
}

// A drop that arrives while another drop's file is being read runs after it, not
// inside it: the reports land in the order the files were dropped.
TEST_F(Responsiveness, DropsArrivingDuringAReportRunInOrder) {
    ReadGate gate(false);
    gate.close();
    window.outerTabs()->setCurrentIndex(1);
    auto second = fileUrls({b});
    QTimer::singleShot(50, [&] {
        dragOnto(window.control(kFile2Frame), second.get(), {100, 40});
        QTimer::singleShot(50, [&] { gate.open(); });
    });
    drop(kFile1Frame, {a});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(resultText(), shown("文件1文件信息：\r\n" + reportOf(a) +
                                  "==============================\r\n文件2文件信息：\r\n" + reportOf(b)));
    EXPECT_NE(file1[1], file2[1]);
}

} // namespace

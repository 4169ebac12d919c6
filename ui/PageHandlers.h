#pragma once
#include "DigestSlot.h"
#include "WindowEvents.h"

#include <deque>
#include <functional>

namespace jiaoyan::ui {

class MainWindow;

// The three pages' handlers: single-file information, two-file comparison and
// the known-value check. The lists are the application's; the handlers fill,
// compare and empty them.
class PageHandlers : public WindowEvents {
    Q_OBJECT
public:
    PageHandlers(MainWindow& window, DigestList& file1, DigestList& file2, DigestList& check,
                 QObject* parent = nullptr);

public slots:
    void clearOnOuterTabClick() override;
    void showSingleFile(const QByteArray& dropped) override;
    void takeFile1(const QByteArray& dropped) override;
    void takeFile2(const QByteArray& dropped) override;
    void verifyComparison() override;
    void resetComparison() override;
    void takeCheckFile(const QByteArray& dropped) override;
    void verifyKnownValue() override;
    void resetKnownValue() override;

    // Stops all background work (the window is closing).
    void cancelAll();

public:
    enum class Slot { File1, File2, Check };
    // The background MD2 of a slot, for tests; null when none is pending.
    std::shared_ptr<DigestTask> pendingMd2(Slot slot) const;

private:
    // Runs handlers one after another: a drop that arrives while another handler
    // waits for its file runs once that handler has finished, never inside it.
    void inOrder(std::function<void()> work);

    // The report of a dropped file, made while the window waits; nothing when cancelled.
    std::optional<FileReport> reportOf(const std::string& path);
    void takeComparisonFile(DigestSlot& slot, const QByteArray& dropped, const char* heading);
    bool waitForMd2(std::initializer_list<DigestSlot*> waiting);

    MainWindow& m_window;
    DigestSlot m_file1;
    DigestSlot m_file2;
    DigestSlot m_check;
    std::deque<std::function<void()>> m_queue;
    bool m_busy = false;
};

} // namespace jiaoyan::ui

#include "Application.h"

#include "ControlLayout.h"
#include "DigestTask.h"
#include "DropObject.h"
#include "MainWindow.h"
#include "PageHandlers.h"
#include "Resources.h"

#include <QApplication>

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace jiaoyan::app {

DigestList* file1Digests = nullptr;
DigestList* file2Digests = nullptr;
DigestList* checkDigests = nullptr;

namespace {

std::vector<ExitRoutine>& exitRoutines() {
    static std::vector<ExitRoutine> routines;
    return routines;
}

bool ending = false;

// Work still running when the window has closed gets this long to notice its
// cancellation; a read stuck on a stalled medium does not hold the end up longer.
constexpr int kEndGraceMs = 1500;

struct DropArea {
    const char* dropObject;
    const char* frame;
};
constexpr DropArea kDropAreas[] = {
    {ui::kSingleDrop, ui::kSingleFrame},
    {ui::kFile1Drop, ui::kFile1Frame},
    {ui::kFile2Drop, ui::kFile2Frame},
    {ui::kCheckDrop, ui::kCheckFrame},
};

} // namespace

std::string runDirectory() {
    std::string exe(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size() - 1);
    if (n <= 0)
        return {};
    exe.resize(static_cast<std::size_t>(n));
    std::size_t slash = exe.rfind('/');
    return slash == 0 ? std::string("/") : exe.substr(0, slash);
}

void initGlobals() {
    file1Digests = new DigestList;
    file2Digests = new DigestList;
    checkDigests = new DigestList;
}

void releaseGlobals() {
    for (DigestList** list : {&file1Digests, &file2Digests, &checkDigests}) {
        delete *list;
        *list = nullptr;
    }
}

void registerExitRoutine(ExitRoutine routine) {
    auto& routines = exitRoutines();
    if (std::find(routines.begin(), routines.end(), routine) == routines.end())
        routines.push_back(routine);
}

void dropExitRoutines() { exitRoutines().clear(); }
int exitRoutineCount() { return static_cast<int>(exitRoutines().size()); }

void endApplication(int) {
    ending = true;
    std::vector<ExitRoutine> routines;
    routines.swap(exitRoutines());
    for (ExitRoutine routine : routines)
        routine();
}

void attachSkin(std::string_view skin) {
    if (auto* app = qobject_cast<QApplication*>(QApplication::instance()))
        app->setStyleSheet(QString::fromUtf8(skin.data(), static_cast<qsizetype>(skin.size())));
}

void onMainWindowCreated(ui::MainWindow& window) {
    attachSkin(resources::skinData);
    for (const DropArea& area : kDropAreas) {
        ui::DropObject* drop = window.dropObject(area.dropObject);
        drop->registerDropTarget(window.control(area.frame));
        drop->acceptFiles = true;
    }
}

int startApplication(const StartupObserver& observer) {
    auto step = [&](const char* name, ui::MainWindow* window) {
        if (observer.step)
            observer.step(name, window);
    };
    const std::string dir = runDirectory();
    if (!dir.empty() && ::chdir(dir.c_str()) == 0)
        step("runDirectory", nullptr);
    initGlobals();
    step("initGlobals", nullptr);
    registerExitRoutine(releaseGlobals);
    step("registerExitRoutine", nullptr);

    auto* window = new ui::MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* handlers = new ui::PageHandlers(*window, *file1Digests, *file2Digests, *checkDigests, window);
    window->bindEvents(handlers);
    QObject::connect(window, &ui::MainWindow::closing, handlers, &ui::PageHandlers::cancelAll);
    step("windowCreated", window);

    onMainWindowCreated(*window);
    step("created", window);

    window->centreOnPrimaryScreen();
    window->show();
    step("shown", window);
    if (!observer.runLoop)
        return 0;

    QApplication::exec();
    step("loopEnded", window);
    const bool workEnded = ui::DigestTask::cancelAllAndWait(kEndGraceMs);
    delete window;
    if (!workEnded) {
        endApplication(0);
        std::_Exit(0); // a worker is stuck in a read; do not wait for it
    }
    return 0;
}

} // namespace jiaoyan::app

#pragma once
// The life of the process: start-up, the three global digest lists, the exit
// routines, the window-created step and the orderly end.
#include "DigestList.h"

#include <functional>
#include <string>

namespace jiaoyan::ui {
class MainWindow;
}

namespace jiaoyan::app {

extern DigestList* file1Digests;
extern DigestList* file2Digests;
extern DigestList* checkDigests;

// The directory of the program file, without its last "/".
std::string runDirectory();

void initGlobals();
void releaseGlobals();

using ExitRoutine = void (*)();
// Lists the routine unless it is listed already.
void registerExitRoutine(ExitRoutine routine);
void dropExitRoutines();
int exitRoutineCount();

// Runs the exit routines first registered first, empties the list, then lets
// what is left of the process go.
void endApplication(int exitCode);

// The window-created step: the skin first, then the four drop areas in order.
void onMainWindowCreated(ui::MainWindow& window);
void attachSkin(std::string_view skin);

struct StartupObserver {
    // Called with each step's name as it happens (tests follow the order).
    std::function<void(const char* step, ui::MainWindow* window)> step;
    // False: return once the window is shown instead of running the loop.
    bool runLoop = true;
};

// Start-up, the window and the message loop; returns 0 after the window closed.
int startApplication(const StartupObserver& observer = {});

} // namespace jiaoyan::app

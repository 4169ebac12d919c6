#include "Application.h"
#include "DropObject.h"
#include "FatalError.h"
#include "MainWindow.h"
#include "UiHelpers.h"

#include <QDir>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace jiaoyan;

namespace {

TEST(Startup, StepsInOrderAndTheWindowShownOnlyAfterTheCreatedStep) {
    std::vector<std::string> steps;
    ui::MainWindow* window = nullptr;
    app::StartupObserver observer;
    observer.runLoop = false;
    observer.step = [&](const char* step, ui::MainWindow* w) {
        steps.push_back(step);
        if (!w)
            return;
        window = w;
        const bool created = steps.back() == "created" || steps.back() == "shown";
        EXPECT_EQ(w->isVisible(), steps.back() == "shown") << step;
        for (const char* drop : {ui::kSingleDrop, ui::kFile1Drop, ui::kFile2Drop, ui::kCheckDrop}) {
            EXPECT_EQ(w->dropObject(drop)->acceptFiles, created) << step << " " << drop;
            EXPECT_EQ(w->dropObject(drop)->window() != nullptr, created) << step << " " << drop;
        }
        EXPECT_EQ(!qApp->styleSheet().isEmpty(), created) << "the skin is attached in the created step";
    };
    EXPECT_EQ(app::startApplication(observer), 0);
    EXPECT_EQ(steps, (std::vector<std::string>{"runDirectory", "initGlobals", "registerExitRoutine",
                                               "windowCreated", "created", "shown"}));
    EXPECT_EQ(QDir::currentPath().toStdString(), app::runDirectory());
    ASSERT_NE(app::file1Digests, nullptr);
    EXPECT_TRUE(app::file1Digests->empty() && app::file2Digests->empty() && app::checkDigests->empty());
    EXPECT_EQ(app::exitRoutineCount(), 1);

    app::endApplication(0);
    EXPECT_EQ(app::file1Digests, nullptr) << "releaseGlobals ran";
    EXPECT_EQ(app::exitRoutineCount(), 0);
    delete window;
    qApp->setStyleSheet({});
}

std::vector<int> order;
void first() { order.push_back(1); }
void second() { order.push_back(2); }

TEST(Startup, ExitRoutinesListedOnceRunFirstRegisteredFirst) {
    order.clear();
    app::registerExitRoutine(first);
    app::registerExitRoutine(second);
    app::registerExitRoutine(first);
    EXPECT_EQ(app::exitRoutineCount(), 2);
    app::endApplication(0);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(app::exitRoutineCount(), 0);
    app::endApplication(0);
    EXPECT_EQ(order.size(), 2u);
}

TEST(FatalError, TextFromItsFourPieces) {
    EXPECT_EQ(app::fatalErrorText("无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_Attach”", 0, 0, 0),
              "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_"
              "Attach”\r\n\r\n0, 0\r\n");
    EXPECT_EQ(app::fatalErrorText("m", -5, 3, 4),
              "运行时出错!\r\n\r\n错误代码：-5\r\n\r\n错误信息：m\r\n\r\n3, 4\r\n");
    EXPECT_EQ(app::fatalErrorText("", 7, 1, 2), "运行时出错!\r\n\r\n错误代码：7\r\n\r\n1, 2\r\n");
    EXPECT_EQ(app::allocationFailureMessage(1024), "分配 1024 字节内存失败!");
}

// In a child process: the box is shown, the exit routines are dropped uncalled, exit code -1.
TEST(FatalError, ShowsTheBoxAndEndsWithMinusOneWithoutExitRoutines) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    using ::testing::AllOf;
    using ::testing::HasSubstr;
    using ::testing::Not;
    EXPECT_EXIT(
        {
            struct Echo : ui::MessageSink {
                void show(const QString& caption, const QString& text, QMessageBox::Icon icon) override {
                    std::fprintf(stderr, "[%s|%d|%s]", caption.toUtf8().constData(), int(icon),
                                 text.toUtf8().constData());
                }
            } echo;
            ui::MessageSink::install(&echo);
            app::registerExitRoutine([] { std::fputs("exit routine ran\n", stderr); });
            app::reportFatalError("boom", 3, 1, 2);
        },
        ::testing::ExitedWithCode(255),
        AllOf(HasSubstr("[错误|3|运行时出错!\r\n\r\n错误代码：3\r\n\r\n错误信息：boom\r\n\r\n1, 2\r\n]"),
              Not(HasSubstr("exit routine ran"))));
}

#ifdef JIAOYAN_ALLOCATION_HOOK
TEST(FatalError, FailedAllocationReachesTheReport) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            struct Echo : ui::MessageSink {
                void show(const QString& caption, const QString& text, QMessageBox::Icon) override {
                    std::fprintf(stderr, "[%s|%s]", caption.toUtf8().constData(), text.toUtf8().constData());
                }
            } echo;
            ui::MessageSink::install(&echo);
            volatile std::size_t huge = std::size_t(1) << 46;
            char* p = new char[huge];
            p[0] = 1;
        },
        ::testing::ExitedWithCode(255),
        ::testing::HasSubstr("[错误|运行时出错!\r\n\r\n错误信息：分配 70368744177664 字节内存失败!"));
}
#endif

} // namespace

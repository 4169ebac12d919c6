#pragma once
// A live window with its page handlers, driven as a user would: drops on the
// frames, clicks on the buttons and tabs; message boxes recorded.
#include "AlgorithmList.h"
#include "Application.h"
#include "ControlLayout.h"
#include "FileReport.h"
#include "MainWindow.h"
#include "PageHandlers.h"
#include "ResultBox.h"
#include "TabControl.h"
#include "TempDir.h"
#include "UiHelpers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

class PageFixture : public ::testing::Test {
protected:
    PageFixture() : handlers(window, file1, file2, check) {
        jiaoyan::app::onMainWindowCreated(window);
        window.bindEvents(&handlers);
        window.show();
    }

    // Shows the page of `frame` the way a user would reach it, drops the paths on it,
    // and lets the handler run to its end.
    void drop(const char* frame, const std::vector<std::string>& paths) {
        using namespace jiaoyan::ui;
        const bool single = std::string_view(frame) == kSingleFrame;
        window.outerTabs()->setCurrentIndex(single ? 0 : 1);
        if (!single)
            window.innerTabs()->setCurrentIndex(std::string_view(frame) == kCheckFrame ? 1 : 0);
        auto data = fileUrls(paths);
        DragAnswer answer = dragOnto(window.control(frame), data.get(), {100, 40});
        ASSERT_TRUE(answer.dropAccepted);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }

    void click(const char* button) {
        QTest::mouseClick(static_cast<QPushButton*>(window.control(button)), Qt::LeftButton);
    }
    void clickOuterTab(int index) {
        QTabBar* bar = window.outerTabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void typeKnownValue(const QString& text) {
        static_cast<QLineEdit*>(window.control(jiaoyan::ui::kKnownValueInput))->setText(text);
    }
    QString resultText() const { return window.resultBox()->toPlainText(); }
    static QString shown(const std::string& text) {
        return jiaoyan::ui::ResultBox::forDisplay(QString::fromUtf8(text.c_str()));
    }
    static std::string reportOf(const std::string& path) {
        jiaoyan::DigestJob job;
        job.digests = jiaoyan::DigestSet::report();
        return jiaoyan::makeFileReport(path, job).text;
    }

    TempDir dir;
    MessageRecorder boxes;
    jiaoyan::ui::MainWindow window;
    jiaoyan::DigestList file1, file2, check;
    jiaoyan::ui::PageHandlers handlers;
};

#include "AlgorithmList.h"
#include "ControlLayout.h"
#include "DropFrame.h"
#include "DropObject.h"
#include "MainWindow.h"
#include "PictureBox.h"
#include "PngImage.h"
#include "Resources.h"
#include "ResultBox.h"
#include "TabControl.h"
#include "TransparentLabel.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace jiaoyan::ui;

namespace {

bool isKind(QWidget* w, ControlKind kind) {
    switch (kind) {
    case ControlKind::ResultBox: return qobject_cast<ResultBox*>(w);
    case ControlKind::Button: return qobject_cast<QPushButton*>(w);
    case ControlKind::InputBox: return qobject_cast<QLineEdit*>(w);
    case ControlKind::AlgorithmList: return qobject_cast<AlgorithmList*>(w);
    case ControlKind::TransparentLabel: return qobject_cast<TransparentLabel*>(w);
    case ControlKind::Frame: return qobject_cast<DropFrame*>(w);
    case ControlKind::PictureBox: return qobject_cast<PictureBox*>(w);
    case ControlKind::TabControl: return qobject_cast<TabControl*>(w);
    case ControlKind::DropObject: return false;
    }
    return false;
}

QString textOf(QWidget* w) {
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<TransparentLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* r = qobject_cast<ResultBox*>(w))
        return r->toPlainText();
    return {};
}

TEST(MainWindow, EveryControlAsTheTableSays) {
    MainWindow window;
    for (const ControlSpec& row : kControls) {
        SCOPED_TRACE(row.number);
        if (row.kind == ControlKind::DropObject) {
            ASSERT_NE(window.dropObject(row.name), nullptr);
            EXPECT_EQ(window.dropObject(row.name)->objectName(), QString::fromUtf8(row.name));
            EXPECT_EQ(window.dropObject(row.name)->window(), nullptr);
            EXPECT_FALSE(window.dropObject(row.name)->acceptFiles);
            continue;
        }
        QWidget* w = window.control(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), QString::fromUtf8(row.name));
        EXPECT_TRUE(isKind(w, row.kind));
        EXPECT_EQ(w->geometry(), QRect(row.left, row.top, row.width, row.height));
        QWidget* parent = &window;
        if (row.parent) {
            parent = window.control(row.parent);
            if (auto* tabs = qobject_cast<TabControl*>(parent))
                parent = tabs->page(row.page - 1);
        }
        EXPECT_EQ(w->parentWidget(), parent);
        // A page widget covers its tab control, so places on it are relative to the tab control's corner.
        if (row.page) {
            EXPECT_EQ(parent->geometry(), QRect(QPoint(0, 0), parent->parentWidget()->size()));
        }
        EXPECT_EQ(textOf(w), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(window.outerTabs()->tabBar()->tabText(0), "取文件信息");
    EXPECT_EQ(window.outerTabs()->tabBar()->tabText(1), "校验文件");
    EXPECT_EQ(window.innerTabs()->tabBar()->tabText(0), "拖入文件对比校验");
    EXPECT_EQ(window.innerTabs()->tabBar()->tabText(1), "输入文件信息比对校验");
    EXPECT_EQ(window.outerTabs()->currentIndex(), 0);
    EXPECT_EQ(window.innerTabs()->currentIndex(), 0);
}

TEST(MainWindow, EarlierRowsLieOnTopOfLaterSiblings) {
    MainWindow window;
    for (const ControlSpec& upper : kControls)
        for (const ControlSpec& lower : kControls) {
            QWidget* a = window.control(upper.name);
            QWidget* b = window.control(lower.name);
            if (upper.number >= lower.number || !a || !b || a->parentWidget() != b->parentWidget())
                continue;
            const QObjectList& siblings = a->parentWidget()->children();
            EXPECT_GT(siblings.indexOf(a), siblings.indexOf(b)) << upper.number << " over " << lower.number;
        }
}

TEST(MainWindow, WindowSettings) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle().left(9), "文件校验工具   ");
    EXPECT_TRUE(window.windowTitle().endsWith("   By: Vek"));
    EXPECT_EQ(window.minimumSize(), QSize(564, 276));
    EXPECT_EQ(window.maximumSize(), QSize(564, 276));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    for (const char* name :
         {kCheckVerifyButton, kCheckResetButton, kCompareVerifyButton, kCompareResetButton}) {
        auto* b = static_cast<QPushButton*>(window.control(name));
        EXPECT_FALSE(b->isDefault());
        EXPECT_FALSE(b->autoDefault());
    }
}

// Enter presses no button, also the focused one; Space clicks it.
TEST(MainWindow, EnterPressesNoButton) {
    MainWindow window;
    window.show();
    window.outerTabs()->setCurrentIndex(1);
    auto* verify = static_cast<QPushButton*>(window.control(kCompareVerifyButton));
    QSignalSpy clicks(verify, &QPushButton::clicked);
    verify->setFocus();
    QTest::keyClick(verify, Qt::Key_Return);
    QTest::keyClick(verify, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyClick(verify, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(MainWindow, ResultBoxIsReadOnlyButCopies) {
    MainWindow window;
    window.show();
    ResultBox* box = window.resultBox();
    window.setResultText("文件名：a\r\n第二行\r\n");
    EXPECT_EQ(box->toPlainText(), "文件名：a\n第二行\n");
    box->setFocus();
    QTest::keyClicks(box, "typed");
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->toPlainText(), "文件名：a\n第二行\n");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "文件名：a\n第二行\n");

    window.appendResultText("more");
    EXPECT_EQ(box->toPlainText(), "文件名：a\n第二行\nmore");
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
    EXPECT_FALSE(box->document()->isUndoAvailable());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    window.setResultText({});
    EXPECT_EQ(box->toPlainText(), "");
}

TEST(MainWindow, EscapeClosesFromAnyFocus) {
    for (const char* focus : {kKnownValueInput, kResultBox}) {
        MainWindow window;
        window.show();
        window.outerTabs()->setCurrentIndex(1);
        window.innerTabs()->setCurrentIndex(1);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.control(focus)->setFocus();
        QTest::keyClick(window.control(focus), Qt::Key_Escape, Qt::ShiftModifier);
        EXPECT_TRUE(window.isVisible()) << "Shift+Esc is not Esc";
        QTest::keyClick(window.control(focus), Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible()) << focus;
    }
}

TEST(MainWindow, AlgorithmListCannotBeClearedOrTypedInto) {
    MainWindow window;
    window.show();
    AlgorithmList* list = window.algorithmList();
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->lineEdit(), nullptr);
    ASSERT_EQ(list->count(), 6);
    const char* items[] = {"MD2", "MD5", "SHA1", "SHA256", "SHA512", "CRC32"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list->itemText(i), items[i]);
    EXPECT_EQ(window.selectedAlgorithm(), 1);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QTest::keyClick(list, Qt::Key_Backspace);
    QTest::keyClicks(list, "xyz");
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(window.selectedAlgorithm(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window.selectedAlgorithm(), 2);
}

QStringList tabRing(MainWindow& window, Qt::KeyboardModifiers mods, int steps) {
    QStringList seen;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, mods);
        seen << QApplication::focusWidget()->objectName();
    }
    Q_UNUSED(window);
    return seen;
}

TEST(MainWindow, TabRingsOfTheThreePages) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.resultBox()->setFocus();
    EXPECT_EQ(tabRing(window, Qt::NoModifier, 2), QStringList({kResultBox, kResultBox}));

    window.outerTabs()->setCurrentIndex(1);
    window.resultBox()->setFocus();
    EXPECT_EQ(tabRing(window, Qt::NoModifier, 4),
              QStringList({kCompareResetButton, kCompareVerifyButton, kResultBox, kCompareResetButton}));
    EXPECT_EQ(tabRing(window, Qt::ShiftModifier, 3),
              QStringList({kResultBox, kCompareVerifyButton, kCompareResetButton}));

    window.innerTabs()->setCurrentIndex(1);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), kCheckVerifyButton) << "page change focuses 校验";
    window.resultBox()->setFocus();
    EXPECT_EQ(tabRing(window, Qt::NoModifier, 6),
              QStringList({kAlgorithmList, kKnownValueInput, kCheckResetButton, kCheckVerifyButton,
                           kResultBox, kAlgorithmList}));
    EXPECT_EQ(tabRing(window, Qt::ShiftModifier, 2), QStringList({kResultBox, kCheckVerifyButton}));
    window.innerTabs()->setCurrentIndex(0);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), kCompareVerifyButton);
}

TEST(MainWindow, OuterTabClickSignalsOnMouseOnly) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TabControl* tabs = window.outerTabs();
    QSignalSpy clicks(tabs, &TabControl::clicked);
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(clicks.count(), 1) << "a click on the tab already shown";
    EXPECT_EQ(tabs->currentIndex(), 0);
    QTest::mouseClick(bar, Qt::RightButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(clicks.count(), 1) << "right button";
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(window.innerTabs()->isVisible());
    EXPECT_FALSE(window.control(kSingleFrame)->isVisible());

    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(window.control(kSingleFrame)->isVisible());
    EXPECT_EQ(clicks.count(), 2) << "a keyboard page change is no click";
}

TEST(MainWindow, DropAreaPictureDecodesThroughLibpng) {
    const std::string_view png = jiaoyan::resources::dropAreaPng;
    EXPECT_NE(png.find("sRGB"), std::string_view::npos);
    QImage picture = MainWindow::dropAreaPicture();
    ASSERT_EQ(picture.size(), QSize(200, 200));
    EXPECT_EQ(picture.format(), QImage::Format_ARGB32);
    const QRgb grey = qRgba(138, 138, 138, 255);
    EXPECT_EQ(picture.pixel(120, 182), grey) << "bottom edge of the square";
    EXPECT_EQ(picture.pixel(182, 120), grey) << "right edge of the square";
    EXPECT_EQ(picture.pixel(106, 118), grey) << "arrow head";
    EXPECT_EQ(picture.pixel(52, 150), grey) << "left edge";
    for (QPoint transparent :
         {QPoint(0, 0), QPoint(199, 0), QPoint(0, 199), QPoint(199, 199), QPoint(60, 62)})
        EXPECT_EQ(qAlpha(picture.pixel(transparent)), 0) << transparent.x() << "," << transparent.y();
    EXPECT_TRUE(jiaoyan::ui::decodePng("not a png").isNull());
}

} // namespace

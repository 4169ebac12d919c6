#include "Application.h"
#include "ControlLayout.h"
#include "MainWindow.h"
#include "TabControl.h"
#include "TempDir.h"
#include "UiHelpers.h"
#include "UriList.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace jiaoyan;
using namespace jiaoyan::ui;

namespace {

TEST(DropObject, RegistersOneWindowOnce) {
    QWidget frame, other;
    DropObject drop("d");
    EXPECT_TRUE(drop.registerDropTarget(&frame));
    EXPECT_TRUE(frame.acceptDrops());
    EXPECT_FALSE(drop.registerDropTarget(&other));
    EXPECT_EQ(drop.window(), &frame);
    EXPECT_FALSE(other.acceptDrops());

    // A failed registration still records the window: the next call is refused too.
    DropObject failed("f");
    EXPECT_FALSE(failed.registerDropTarget(nullptr));
    EXPECT_FALSE(failed.registerDropTarget(&other));
    EXPECT_FALSE(other.acceptDrops());
}

struct DragCase {
    const char* what;
    std::function<std::unique_ptr<QMimeData>()> data;
    Qt::KeyboardModifiers mods;
    Qt::DropActions offered;
    bool accepted;
    QByteArray text;
};

TEST(DropObject, AcceptsLocalFileListsOnlyAndOnlyCopies) {
    TempDir dir;
    const std::string a = dir.write("a.bin", "a"), b = dir.write("b 空格.bin", "b"),
                      c = dir.write("c%.bin", "c");
    const QByteArray three = QByteArray::fromStdString(a + "\r\n" + b + "\r\n" + c + "\r\n");
    auto withText = [&] {
        auto d = fileUrls({a});
        d->setText("some text");
        return d;
    };
    auto rawList = [](const char* list) {
        return [list] {
            auto d = std::make_unique<QMimeData>();
            d->setData("text/uri-list", list);
            return d;
        };
    };
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    const DragCase cases[] = {
        {"one file", [&] { return fileUrls({a}); }, Qt::NoModifier, all, true, QByteArray::fromStdString(a)},
        {"three files in order",
         [&] {
             return fileUrls({a, b, c});
         },
         Qt::NoModifier, all, true, three},
        {"files with text beside", withText, Qt::NoModifier, all, true, QByteArray::fromStdString(a)},
        {"Ctrl alone copies", [&] { return fileUrls({a}); }, Qt::ControlModifier, all, true,
         QByteArray::fromStdString(a)},
        {"Ctrl and Shift: no effect",
         [&] { return fileUrls({a}); },
         Qt::ControlModifier | Qt::ShiftModifier,
         all,
         false,
         {}},
        {"Shift alone: never move", [&] { return fileUrls({a}); }, Qt::ShiftModifier, all, false, {}},
        {"source offers move only", [&] { return fileUrls({a}); }, Qt::NoModifier, Qt::MoveAction, false, {}},
        {"plain text",
         [] {
             auto d = std::make_unique<QMimeData>();
             d->setText("/etc/hostname");
             return d;
         },
         Qt::NoModifier,
         all,
         false,
         {}},
        {"HTML",
         [] {
             auto d = std::make_unique<QMimeData>();
             d->setHtml("<a href='file:///etc/hostname'>x</a>");
             return d;
         },
         Qt::NoModifier,
         all,
         false,
         {}},
        {"remote URL", rawList("https://example.org/file.iso\r\n"), Qt::NoModifier, all, false, {}},
        {"file on another host",
         rawList("file://elsewhere.invalid/etc/hostname\r\n"),
         Qt::NoModifier,
         all,
         false,
         {}},
        {"mix of local and remote",
         rawList("file:///etc/hostname\r\nhttps://example.org/x\r\n"),
         Qt::NoModifier,
         all,
         false,
         {}},
        {"name that is not UTF-8", rawList("# comment\r\nfile:///tmp/caf%E9%FF.bin\r\n"), Qt::NoModifier, all,
         true, QByteArray("/tmp/caf\xE9\xFF.bin")},
        {"localhost form", rawList("file://localhost/tmp/x.bin\n"), Qt::NoModifier, all, true, "/tmp/x.bin"},
    };

    MainWindow window;
    app::onMainWindowCreated(window);
    window.show();
    QWidget* frame = window.control(kSingleFrame);
    DropObject* drop = window.dropObject(kSingleDrop);
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.what);
        QSignalSpy dropped(drop, &DropObject::filesDropped);
        auto data = c.data();
        DragAnswer answer = dragOnto(frame, data.get(), {100, 100}, c.mods, c.offered);
        EXPECT_EQ(answer.enterAccepted, c.accepted);
        EXPECT_EQ(answer.dropAccepted, c.accepted);
        EXPECT_NE(answer.dropAction, Qt::MoveAction);
        EXPECT_NE(answer.dropAction, Qt::LinkAction);
        if (c.accepted) {
            EXPECT_EQ(answer.dropAction, Qt::CopyAction);
            ASSERT_EQ(dropped.count(), 1);
            EXPECT_EQ(dropped.at(0).at(0).toByteArray(), c.text);
        } else {
            EXPECT_EQ(dropped.count(), 0);
        }
    }
    // The dropped files are only read: all three are still there.
    for (const std::string& p : {a, b, c})
        EXPECT_TRUE(std::filesystem::exists(p));
}

TEST(DropObject, NothingIsAcceptedUntilFilesAreSwitchedOn) {
    MainWindow window;
    DropObject* drop = window.dropObject(kFile1Drop);
    drop->registerDropTarget(window.control(kFile1Frame));
    auto data = fileUrls({"/etc/hostname"});
    EXPECT_FALSE(dragOnto(window.control(kFile1Frame), data.get()).enterAccepted);
    drop->acceptFiles = true;
    EXPECT_TRUE(dragOnto(window.control(kFile1Frame), data.get()).enterAccepted);
}

// Where Qt hands a drag: the frame under the pointer, also over its label or
// picture; nothing outside the frames, nothing on a page not shown.
TEST(DropObject, EachFrameIsWholeTheDropAreaOfItsPageOnly) {
    MainWindow window;
    app::onMainWindowCreated(window);
    window.show();
    QWidget* single = window.control(kSingleFrame);
    auto at = [&](const char* name, QPoint inside = {5, 5}) {
        return window.control(name)->mapTo(&window, inside);
    };
    EXPECT_EQ(dropTargetAt(&window, at(kSingleFrame)), single);
    EXPECT_EQ(dropTargetAt(&window, at("透明标签1", {20, 28})), single);
    EXPECT_EQ(dropTargetAt(&window, at("图片框1", {20, 20})), single);
    EXPECT_EQ(dropTargetAt(&window, at(kResultBox, {50, 50})), nullptr);
    EXPECT_EQ(dropTargetAt(&window, at(kOuterTabs, {3, 30})), nullptr);
    // The comparison frames lie on the hidden page: a drop there reaches the visible page.
    EXPECT_EQ(dropTargetAt(&window, at(kFile2Frame, {50, 50})), single);

    window.outerTabs()->setCurrentIndex(1);
    EXPECT_EQ(dropTargetAt(&window, at(kFile1Frame, {50, 50})), window.control(kFile1Frame));
    EXPECT_EQ(dropTargetAt(&window, at("图片框2", {1, 1})), window.control(kFile2Frame));
    EXPECT_EQ(dropTargetAt(&window, at(kCompareVerifyButton, {5, 5})), nullptr);
    window.innerTabs()->setCurrentIndex(1);
    EXPECT_EQ(dropTargetAt(&window, at(kCheckFrame, {200, 70})), window.control(kCheckFrame));
    EXPECT_EQ(dropTargetAt(&window, at(kKnownValueInput, {5, 5})), nullptr);
}

TEST(UriList, ParsesAndJoins) {
    EXPECT_EQ(localPathsFromUriList(""), std::nullopt);
    EXPECT_EQ(localPathsFromUriList("# only a comment\r\n"), std::nullopt);
    EXPECT_EQ(localPathsFromUriList("file:///a%00b"), std::nullopt) << "no NUL in a path";
    EXPECT_EQ(localPathsFromUriList("FILE:///a\nfile:///b%2"), (std::vector<std::string>{"/a", "/b%2"}));
    EXPECT_EQ(localPathsFromUriList("file:relative"), std::nullopt);
    EXPECT_EQ(droppedText({"/a"}), "/a");
    EXPECT_EQ(droppedText({"/a", "/b"}), "/a\r\n/b\r\n");
}

} // namespace

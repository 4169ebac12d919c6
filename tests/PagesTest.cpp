#include "PageFixture.h"
#include "Verdicts.h"

using namespace jiaoyan;
using namespace jiaoyan::ui;

namespace {

const std::string kAbcMd5 = "900150983cd24fb0d6963f7d28e17f72";

class SingleFilePage : public PageFixture {};

TEST_F(SingleFilePage, DropReplacesTheReportAndTabClicksClear) {
    const std::string a = dir.write("a.txt", "abc"), b = dir.write("b.txt", "abd");
    drop(kSingleFrame, {a});
    EXPECT_EQ(resultText(), shown(reportOf(a)));
    drop(kSingleFrame, {b});
    EXPECT_EQ(resultText(), shown(reportOf(b)));
    EXPECT_EQ(resultText().count("文件名："), 1) << "reports are never accumulated here";
    EXPECT_TRUE(boxes.boxes.empty());

    // Any left click on the outer tab control clears the box, also on the tab shown.
    clickOuterTab(0);
    EXPECT_EQ(resultText(), "");
    drop(kSingleFrame, {a});
    window.outerTabs()->tabBar()->setFocus();
    QTest::keyClick(window.outerTabs()->tabBar(), Qt::Key_Right);
    EXPECT_EQ(window.outerTabs()->currentIndex(), 1);
    EXPECT_EQ(resultText(), shown(reportOf(a))) << "a keyboard page change clears nothing";
}

TEST_F(SingleFilePage, SeveralFilesAtOnceAreOneUnreadableText) {
    const std::string a = dir.write("a", "1"), b = dir.write("b", "2");
    drop(kSingleFrame, {a, b});
    const std::string text = a + "\r\n" + b + "\r\n";
    EXPECT_EQ(resultText(), shown(reportOf(text)));
    EXPECT_TRUE(resultText().contains("文件大小：-1KB"));
    EXPECT_TRUE(resultText().endsWith(QString::fromUtf8("无法读取文件内容\n")));
}

class ComparisonPage : public PageFixture {
protected:
    void verify() { click(kCompareVerifyButton); }
};

TEST_F(ComparisonPage, VerdictsOverRealFiles) {
    const std::string data(5000, 'q');
    const std::string same1 = dir.write("same1", data), same2 = dir.write("same2", data);
    const std::string lastByte = dir.write("last", data.substr(0, 4999) + "r");
    const std::string empty1 = dir.write("empty1", ""), empty2 = dir.write("empty2", "");
    const std::string missing = dir / "missing";
    struct Case {
        const char* what;
        std::string one, two;
        const char* verdict;
    } cases[] = {
        {"the same contents twice", same1, same2, kFilesSame},
        {"the same file twice", same1, same1, kFilesSame},
        {"differing in the last byte", same1, lastByte, kFilesDiffer},
        {"two different empty files", empty1, empty2, kFilesSame},
        {"two unreadable drops", missing, dir.path(), kDropFirst},
        {"one unreadable drop", same1, missing, kDropFirst},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        click(kCompareResetButton);
        drop(kFile1Frame, {c.one});
        drop(kFile2Frame, {c.two});
        verify();
        ASSERT_FALSE(boxes.boxes.empty());
        EXPECT_EQ(boxes.lastText(), QString::fromUtf8(c.verdict));
        EXPECT_EQ(boxes.boxes.back().caption, "信息：");
        EXPECT_EQ(boxes.boxes.back().icon, QMessageBox::NoIcon);
    }
}

TEST_F(ComparisonPage, SlotsListsAndTheGrowingResultBox) {
    const std::string a = dir.write("a", "abc"), b = dir.write("b", "abc"), c = dir.write("c", "xyz");
    verify();
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst)) << "before any drop";
    drop(kFile1Frame, {a});
    verify();
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst)) << "one slot filled";
    drop(kFile2Frame, {b});
    EXPECT_EQ(resultText(), shown("文件1文件信息：\r\n" + reportOf(a) +
                                  "==============================\r\n文件2文件信息：\r\n" + reportOf(b)));
    verify();
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kFilesSame));

    // A new file 1 without reset: appended, and compared with the current file 2.
    drop(kFile1Frame, {c});
    EXPECT_TRUE(resultText().endsWith(shown("文件1文件信息：\r\n" + reportOf(c))));
    EXPECT_EQ(resultText().count("文件名："), 3);
    verify();
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kFilesDiffer));

    // A tab click clears the box but keeps the digests.
    clickOuterTab(1);
    EXPECT_EQ(resultText(), "");
    drop(kFile1Frame, {a});
    verify();
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kFilesSame));
    EXPECT_EQ(file1.size(), 6u);
    EXPECT_EQ(file1[1], kAbcMd5);

    // An unreadable drop empties its slot rather than keeping the earlier file's digests.
    drop(kFile1Frame, {dir / "gone"});
    EXPECT_TRUE(file1.empty());
    verify();
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst));

    drop(kFile1Frame, {a});
    click(kCompareResetButton);
    EXPECT_EQ(resultText(), "");
    EXPECT_TRUE(file1.empty() && file2.empty());
    verify();
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst)) << "after reset";
}

class KnownValuePage : public PageFixture {};

TEST_F(KnownValuePage, VerdictTable) {
    const std::string abc = dir.write("abc", "abc"), empty = dir.write("empty", "");
    const std::string lowCrc = dir.write("lowcrc", "x31"); // CRC-32 001685F0
    const QString md5 = QString::fromStdString(kAbcMd5);
    struct Case {
        const char* what;
        std::string file; // empty: no drop before this verify
        int algorithm;
        QString input;
        const char* verdict;
    } cases[] = {
        {"MD2 right", abc, 0, "da853b0d3f88d99b30283a69e6ded6bb", kCheckPassed},
        {"MD2 wrong", abc, 0, "da853b0d3f88d99b30283a69e6ded6bc", kCheckFailed},
        {"MD5 right", abc, 1, md5, kCheckPassed},
        {"MD5 wrong", abc, 1, "900150983cd24fb0d6963f7d28e17f73", kCheckFailed},
        {"SHA1 right", abc, 2, "a9993e364706816aba3e25717850c26c9cd0d89d", kCheckPassed},
        {"SHA1 wrong", abc, 2, md5, kCheckFailed},
        {"SHA256 right", abc, 3, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad",
         kCheckPassed},
        {"SHA256 wrong", abc, 3, "ba7816bf", kCheckFailed},
        {"SHA512 right", abc, 4,
         "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454"
         "d4423643ce80"
         "e2a9ac94fa54ca49f",
         kCheckPassed},
        {"SHA512 wrong", abc, 4, "", kCheckFailed},
        {"CRC32 right", abc, 5, "352441C2", kCheckPassed},
        {"CRC32 wrong", abc, 5, "352441C3", kCheckFailed},
        {"upper case", abc, 1, md5.toUpper(), kCheckPassed},
        {"CRC32 in lower case", abc, 5, "352441c2", kCheckPassed},
        {"surrounding white space", abc, 1, " \t" + md5 + "\r\n", kCheckPassed},
        {"an inner blank", abc, 1, md5.left(16) + " " + md5.mid(16), kCheckFailed},
        {"empty input", abc, 1, "", kCheckFailed},
        {"CRC32 with its leading zeros", lowCrc, 5, "001685F0", kCheckPassed},
        {"CRC32 unpadded", lowCrc, 5, "1685F0", kCheckFailed},
        {"empty input against an empty file's CRC32", empty, 5, "", kCheckPassed},
        {"unreadable drop", dir / "missing", 1, md5, kDropFirst},
        {"a directory", dir.path(), 1, "d41d8cd98f00b204e9800998ecf8427e", kDropFirst},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        drop(kCheckFrame, {c.file});
        EXPECT_EQ(resultText(), shown(reportOf(c.file)));
        window.algorithmList()->setCurrentIndex(c.algorithm);
        typeKnownValue(c.input);
        click(kCheckVerifyButton);
        EXPECT_EQ(boxes.lastText(), QString::fromUtf8(c.verdict));
    }
}

TEST_F(KnownValuePage, BeforeAnyDropAndAfterReset) {
    typeKnownValue(QString::fromStdString(kAbcMd5));
    click(kCheckVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst));
    drop(kCheckFrame, {dir.write("abc", "abc")});
    click(kCheckVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kCheckPassed));
    window.algorithmList()->setCurrentIndex(3);
    click(kCheckResetButton);
    EXPECT_EQ(resultText(), "");
    EXPECT_TRUE(check.empty());
    EXPECT_EQ(static_cast<QLineEdit*>(window.control(kKnownValueInput))->text(),
              QString::fromStdString(kAbcMd5));
    EXPECT_EQ(window.selectedAlgorithm(), 3) << "reset keeps the input and the selection";
    click(kCheckVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst));
    EXPECT_EQ(boxes.boxes.size(), 3u);
}

// One test that the real box is what appears: caption, text, no icon, one OK.
TEST_F(KnownValuePage, RealMessageBox) {
    MessageSink::install(nullptr);
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    int buttons = 0;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* parent = &window;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        modality = box->windowModality();
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    click(kCheckVerifyButton);
    EXPECT_EQ(caption, "信息：");
    EXPECT_EQ(text, QString::fromUtf8(kDropFirst));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(parent, nullptr);
}

} // namespace

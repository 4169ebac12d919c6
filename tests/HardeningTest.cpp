// Unusual and hostile inputs through the real pages: a clear result, no crash, no
// hang, no verdict from unreadable contents, and the user's files never touched.
#include "DigestTask.h"
#include "PageFixture.h"
#include "Verdicts.h"

#include <fcntl.h>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace jiaoyan;
using namespace jiaoyan::ui;

namespace {

struct Snapshot {
    std::string bytes;
    std::int64_t mtimeNs;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshotOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    return {bytes, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
}

std::string longPath(const TempDir& dir) {
    std::string path = dir.path();
    while (path.size() < 3700) {
        path += "/" + std::string(200, 'd');
        ::mkdir(path.c_str(), 0700);
    }
    path += "/" + std::string(4000 - path.size() - 1, 'f');
    std::ofstream(path) << "long";
    return path;
}

class Hardening : public PageFixture {
protected:
    // Drops the path on every page, verifies each, and checks the result.
    void everyPage(const std::string& path, bool readable) {
        const std::string report = reportOf(path);
        EXPECT_EQ(report.find(kUnreadableLine) == std::string::npos, readable);

        drop(kSingleFrame, {path});
        EXPECT_EQ(resultText(), shown(report));

        click(kCompareResetButton);
        drop(kFile1Frame, {path});
        drop(kFile2Frame, {path});
        click(kCompareVerifyButton);
        EXPECT_EQ(boxes.lastText(), QString::fromUtf8(readable ? kFilesSame : kDropFirst));

        drop(kCheckFrame, {path});
        EXPECT_EQ(resultText(), shown(report));
        window.algorithmList()->setCurrentIndex(1);
        typeKnownValue(readable ? QString::fromStdString(check[1])
                                : QString("d41d8cd98f00b204e9800998ecf8427e"));
        click(kCheckVerifyButton);
        EXPECT_EQ(boxes.lastText(), QString::fromUtf8(readable ? kCheckPassed : kDropFirst));
    }
};

TEST_F(Hardening, UnusualPathsGiveAClearResultOnEveryPage) {
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = dir / "sock";
    int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    const std::string dangling = dir / "dangling", loop1 = dir / "loop1", loop2 = dir / "loop2";
    ::symlink((dir / "nowhere").c_str(), dangling.c_str());
    ::symlink(loop2.c_str(), loop1.c_str());
    ::symlink(loop1.c_str(), loop2.c_str());

    const struct {
        const char* what;
        std::string path;
        bool readable;
    } cases[] = {
        {"a FIFO (never opened)", fifo, false},
        {"a character device", "/dev/zero", false},
        {"a socket", socketPath, false},
        {"a dangling link", dangling, false},
        {"a link loop", loop1, false},
        {"a directory", dir.path(), false},
        {"a path with a newline", dir.write("line\nbreak.txt", "nl"), true},
        {"a path with CRLF", dir.write("crlf\r\n.txt", "crlf"), true},
        {"a path of 4,000 bytes", longPath(dir), true},
        {"a name that is not UTF-8", dir.write("bad\xC3\x28\xFF.bin", "x"), true},
        {"an empty file", dir.write("empty", ""), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        everyPage(c.path, c.readable);
    }
    ::close(sock);
}

TEST_F(Hardening, SeveralPathsAtOnceAreUnreadable) {
    const std::string a = dir.write("a", "1"), b = dir.write("b", "1");
    drop(kFile1Frame, {a, b});
    drop(kFile2Frame, {a, b});
    click(kCompareVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst));
    drop(kCheckFrame, {a, b});
    click(kCheckVerifyButton);
    EXPECT_EQ(boxes.lastText(), QString::fromUtf8(kDropFirst));
}

// The file changes between two chunks of its one read: no digest mixes two versions.
TEST_F(Hardening, FilesChangedWhileReadAreUnreadable) {
    const std::string path = dir.write("changing.bin", std::string(100000, 'c'));
    const struct {
        const char* what;
        std::function<void()> change;
        bool readable;
    } cases[] = {
        {"grown", [&] { std::ofstream(path, std::ios::app) << "more"; }, false},
        {"truncated", [&] { ::truncate(path.c_str(), 10); }, false},
        // A deleted file stays readable through the open descriptor: its digests are
        // those of the complete version that was opened.
        {"deleted", [&] { ::unlink(path.c_str()); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("changing.bin", std::string(100000, 'c'));
        DigestTask::setBeforeChunk([&](DigestSet digests, std::uint64_t offset) {
            if (offset > 0 && !digests.has(DigestKind::Md2))
                c.change();
        });
        drop(kCheckFrame, {path});
        DigestTask::setBeforeChunk(nullptr);
        EXPECT_EQ(resultText().contains(QString::fromUtf8("无法读取文件内容")), !c.readable);
        EXPECT_EQ(check.empty(), !c.readable);
    }
    DigestTask::cancelAllAndWait(10000);
}

TEST_F(Hardening, NothingIsTouched) {
    const std::string a = dir.write("a.iso", std::string(200000, 'a')), b = dir.write("b.iso", "b");
    struct timespec old[2] = {{1000000, 0}, {1000000, 0}};
    ::utimensat(AT_FDCWD, a.c_str(), old, 0);
    const Snapshot beforeA = snapshotOf(a), beforeB = snapshotOf(b);
    for (const char* frame : {kSingleFrame, kFile1Frame, kFile2Frame, kCheckFrame}) {
        drop(frame, {a});
        drop(frame, {a, b});
    }
    for (const char* button :
         {kCompareVerifyButton, kCompareResetButton, kCheckVerifyButton, kCheckResetButton})
        click(button);
    clickOuterTab(0);
    DigestTask::cancelAllAndWait(10000);
    EXPECT_EQ(snapshotOf(a), beforeA);
    EXPECT_EQ(snapshotOf(b), beforeB);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.path()) != std::filesystem::directory_iterator(), true);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2u) << "no file is made beside the dropped ones";
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// A thousand drops on each page, with verifies and resets between: results stay
// right and resident memory stays flat. (Memory is judged in the optimised build;
// the sanitizers keep freed memory and shadow memory of their own.)
TEST_F(Hardening, AThousandDropsOnEachPage) {
    const std::string a = dir.write("a", std::string(4096, 'a')),
                      a2 = dir.write("a2", std::string(4096, 'a'));
    const std::string b = dir.write("b", std::string(4096, 'b'));
    DigestList digestsOfA, digestsOfB;
    buildFileReport(a, digestsOfA);
    buildFileReport(b, digestsOfB);
    long warm = 0;
    for (int i = 0; i < 1000; ++i) {
        if (i == 100) {
            DigestTask::cancelAllAndWait(10000);
            warm = residentKb();
        }
        drop(kSingleFrame, {i % 2 ? a : b});
        drop(kFile1Frame, {a});
        drop(kFile2Frame, {i % 3 ? a2 : b});
        click(kCompareVerifyButton);
        ASSERT_EQ(boxes.lastText(), QString::fromUtf8(i % 3 ? kFilesSame : kFilesDiffer)) << i;
        if (i % 10 == 0)
            click(kCompareResetButton);
        drop(kCheckFrame, {i % 2 ? a : b});
        window.algorithmList()->setCurrentIndex(i % 6);
        const DigestList& known = i % 2 ? digestsOfA : digestsOfB;
        typeKnownValue(QString::fromStdString(known[static_cast<std::size_t>(i % 6)]));
        click(kCheckVerifyButton);
        ASSERT_EQ(boxes.lastText(), QString::fromUtf8(kCheckPassed)) << i;
        if (i % 7 == 0)
            click(kCheckResetButton);
        boxes.boxes.clear();
    }
    DigestTask::cancelAllAndWait(10000);
    const long growth = residentKb() - warm;
    std::printf("resident memory after 100 rounds %ld KB, after 1000: %+ld KB\n", warm, growth);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    EXPECT_LT(growth, 4096) << "KB";
#endif
}

} // namespace

#include "Crc32.h"
#include "FileReport.h"
#include "ProviderDigests.h"
#include "TempDir.h"

#include "TestData.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace jiaoyan;

namespace {

DigestList oneShotList(const std::string& contents) {
    ByteView b = asBytes(contents);
    return {md2Hex(b), md5Hex(b), sha1Hex(b), sha256Hex(b), sha512Hex(b), crc32Text(b)};
}

TEST(FileReport, ExactTextOfAReadableFile) {
    TempDir dir;
    std::string path = dir.write("abc.txt", "abc");
    DigestList list{"kept"};
    std::string text = buildFileReport(path, list);
    EXPECT_EQ(
        text,
        "文件名：abc.txt\r\n文件路径：" + path +
            "\r\n文件大小：1KB\r\n32位MD5：900150983cd24fb0d6963f7d28e17f72\r\n\r\n"
            "SHA1：a9993e364706816aba3e25717850c26c9cd0d89d\r\n\r\n"
            "SHA256：ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\r\n\r\n"
            "SHA512：ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c"
            "23a3feebbd454d4423643ce80e2a9ac94fa54ca49f\r\n\r\nCRC32：352441C2\r\n");
    // The six entries are appended after what the list held, MD2 first.
    DigestList want{"kept"};
    for (const std::string& d : oneShotList("abc"))
        want.push_back(d);
    EXPECT_EQ(list, want);
}

struct ReportCase {
    const char* what;
    std::string path;
    std::string name;
    std::int64_t sizeKb;
    bool readable;
};

TEST(FileReport, NamesSizesAndUnreadablePaths) {
    TempDir dir;
    std::string nonUtf8 = std::string("caf\xE9") + "\xFF.bin";
    std::string fifo = dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string socketPath = dir / "sock";
    int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    std::string link = dir / "link";
    ASSERT_EQ(::symlink(dir.write("target.dat", std::string(2048, 'x')).c_str(), link.c_str()), 0);
    std::string dangling = dir / "dangling";
    ASSERT_EQ(::symlink((dir / "nowhere").c_str(), dangling.c_str()), 0);

    const ReportCase cases[] = {
        {"1,025 bytes round up", dir.write("k1025", std::string(1025, 'a')), "k1025", 2, true},
        {"1,024 bytes", dir.write("k1024", std::string(1024, 'a')), "k1024", 1, true},
        {"empty file", dir.write("empty", ""), "empty", 0, true},
        {"several dots", dir.write("a.tar.gz.part", "x"), "a.tar.gz.part", 1, true},
        {"Chinese name", dir.write("下载 文件.iso", "x"), "下载 文件.iso", 1, true},
        {"not UTF-8", dir.write(nonUtf8, "x"), nonUtf8, 1, true},
        {"link followed", link, "link", 2, true},
        {"not found", dir / "missing.bin", "missing.bin", -1, false},
        {"ends in slash", dir.path() + "/", "", -1, false},
        {"directory", dir.path(), fileNameOf(dir.path()), 0, false},
        {"fifo", fifo, "pipe", 0, false},
        {"socket", socketPath, "sock", 0, false},
        {"character device", "/dev/zero", "zero", 0, false},
        {"dangling link", dangling, "dangling", -1, false},
        {"empty path", "", "", -1, false},
        {"several paths", dir / "k1024\r\n" + dir / "empty\r\n", "empty\r\n", -1, false},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.what);
        DigestList list;
        std::string text = buildFileReport(c.path, list);
        EXPECT_EQ(fileNameOf(c.path), c.name);
        EXPECT_EQ(fileSizeKb(c.path), c.sizeKb);
        std::string head = "文件名：" + c.name + "\r\n文件路径：" + c.path + "\r\n文件大小：" +
                           std::to_string(c.sizeKb) + "KB\r\n32位MD5：";
        EXPECT_EQ(text.substr(0, head.size()), head);
        if (c.readable) {
            EXPECT_EQ(list.size(), 6u);
            EXPECT_EQ(text.find(kUnreadableLine), std::string::npos);
        } else {
            EXPECT_TRUE(list.empty());
            EXPECT_EQ(text, head + "\r\n\r\nSHA1：\r\n\r\nSHA256：\r\n\r\nSHA512：\r\n\r\nCRC32：\r\n" +
                                kUnreadableLine);
        }
    }
    ::close(sock);
}

TEST(FileReport, EmptyFileHasEmptyMessageDigestsAndNoCrc) {
    TempDir dir;
    DigestList list;
    std::string text = buildFileReport(dir.write("e", ""), list);
    EXPECT_EQ(list, oneShotList(""));
    EXPECT_EQ(list[5], "");
    EXPECT_NE(text.find("\r\n\r\nCRC32：\r\n"), std::string::npos);
    EXPECT_EQ(text.find(kUnreadableLine), std::string::npos);
}

// As root the check runs in a child that has given up root for nobody's rights.
TEST(FileReport, UnreadableForLackOfPermission) {
    TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    std::string path = dir.write("secret", "abc");
    ::chmod(path.c_str(), 0);
    auto check = [&] {
        DigestList list;
        std::string text = buildFileReport(path, list);
        return list.empty() && text.find("文件大小：1KB") != std::string::npos &&
               text.find(kUnreadableLine) != std::string::npos;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(DigestEngine, StreamedEqualsOneShotAcrossChunkBoundaries) {
    TempDir dir;
    EngineTuning small;
    small.chunkSize = 4096;
    small.ringSlots = 3;
    const std::string data = randomBytes(3 * 4096 + 17, 9);
    for (std::size_t size : {0ul, 1ul, 63ul, 4095ul, 4096ul, 4097ul, 8192ul, 12288ul, 3ul * 4096 + 17}) {
        std::string contents = data.substr(0, size);
        std::string path = dir.write("f" + std::to_string(size), contents);
        DigestList want = oneShotList(contents);
        for (unsigned workers : {1u, 2u, 3u}) {
            small.workers = workers;
            DigestOutcome out = digestFile(path, DigestJob{}, small);
            ASSERT_TRUE(out.ok());
            EXPECT_EQ(DigestList(out.texts.begin(), out.texts.end()), want) << size << " bytes, " << workers;
        }
        // The default tuning reads such files in one piece on the calling thread.
        DigestOutcome whole = digestFile(path, DigestJob{});
        EXPECT_EQ(DigestList(whole.texts.begin(), whole.texts.end()), want) << size;
    }
}

TEST(DigestEngine, OnlyTheAskedDigestsAreMade) {
    TempDir dir;
    std::string path = dir.write("f", "abc");
    DigestJob job;
    job.digests = DigestSet::report();
    DigestOutcome out = digestFile(path, job);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.text(DigestKind::Md2), "");
    EXPECT_EQ(out.text(DigestKind::Md5), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(out.text(DigestKind::Crc32), "352441C2");
}

// Writes to the file from the engine's seam, so the change lands between two chunks.
TEST(DigestEngine, FileChangedWhileReadIsUnreadable) {
    TempDir dir;
    EngineTuning tuning;
    tuning.chunkSize = 4096;
    const std::string data = randomBytes(5 * 4096, 4);
    struct Change {
        const char* what;
        std::function<void(const std::string&)> apply;
    };
    const Change changes[] = {
        {"grown", [](const std::string& p) { std::ofstream(p, std::ios::app) << "more"; }},
        {"truncated", [](const std::string& p) { ::truncate(p.c_str(), 100); }},
        {"rewritten in place",
         [&](const std::string& p) {
             int fd = ::open(p.c_str(), O_WRONLY);
             ::pwrite(fd, "zz", 2, 0);
             struct timespec times[2] = {{0, UTIME_OMIT}, {12345, 0}};
             ::futimens(fd, times);
             ::close(fd);
         }},
        {"deleted", [](const std::string& p) { ::unlink(p.c_str()); }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        std::string path = dir.write("changing", data);
        DigestJob job;
        job.beforeChunk = [&](std::uint64_t offset) {
            if (offset == 2 * 4096)
                c.apply(path);
        };
        DigestOutcome out = digestFile(path, job, tuning);
        // A deleted file is still the same open version: its digests are those of what was opened.
        if (std::string(c.what) == "deleted")
            EXPECT_TRUE(out.ok());
        else
            EXPECT_EQ(out.status, DigestOutcome::Status::Unreadable);
    }
}

TEST(DigestEngine, CancelStopsEarlyAndGivesNoDigests) {
    TempDir dir;
    EngineTuning tuning;
    tuning.chunkSize = 4096;
    std::string path = dir.write("big", randomBytes(64 * 4096, 5));
    std::atomic<bool> cancel{false};
    std::uint64_t lastProgress = 0;
    DigestJob job;
    job.cancel = &cancel;
    job.progress = [&](std::uint64_t done, std::uint64_t total) {
        lastProgress = done;
        EXPECT_EQ(total, 64u * 4096);
        if (done >= 8 * 4096)
            cancel = true;
    };
    DigestOutcome out = digestFile(path, job, tuning);
    EXPECT_EQ(out.status, DigestOutcome::Status::Cancelled);
    EXPECT_EQ(out.texts, (std::array<std::string, 6>{}));
    EXPECT_LT(lastProgress, 16u * 4096);
}

TEST(DigestEngine, ExpectedVersionMustStillHold) {
    TempDir dir;
    std::string path = dir.write("f", "abc");
    DigestOutcome first = digestFile(path, DigestJob{});
    ASSERT_TRUE(first.ok());
    DigestJob again;
    again.expected = first.identity;
    EXPECT_TRUE(digestFile(path, again).ok());
    dir.write("f", "abd");
    struct timespec times[2] = {{0, UTIME_OMIT}, {first.identity.mtimeSec + 5, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    EXPECT_EQ(digestFile(path, again).status, DigestOutcome::Status::Unreadable);
}

// Slow: a sparse file past 4 GiB is read whole (page-cache zeros, about four seconds).
TEST(DigestEngineSlow, SparseFileOverFourGiB) {
    TempDir dir;
    std::string path = dir / "sparse.img";
    const std::int64_t size = (std::int64_t(4) << 30) + 1000;
    int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, "end", 3, size - 3), 3);
    ::close(fd);
    EXPECT_EQ(fileSizeKb(path), (size + 1023) / 1024);
    DigestJob job;
    job.digests = {DigestKind::Md5, DigestKind::Crc32};
    DigestOutcome out = digestFile(path, job);
    ASSERT_TRUE(out.ok());
    // Reference values computed with Python's hashlib and zlib over the same bytes.
    EXPECT_EQ(out.text(DigestKind::Md5), "10802c2ffb9d63939979a79fa0aeceae");
    EXPECT_EQ(out.text(DigestKind::Crc32), "C0018D19");
}

} // namespace

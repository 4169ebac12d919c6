// jiaoyan-cli as a script sees it: its output bytes and exit codes.
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace {

struct CliRun {
    int code;
    std::string out;
};

CliRun cli(const std::string& args) {
    std::string command = std::string(JIAOYAN_CLI) + " " + args + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    CliRun run{-1, {}};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

TEST(Cli, CommandsVerdictsAndExitCodes) {
    TempDir dir;
    std::string abc = quoted(dir.write("abc", "abc"));
    std::string abc2 = quoted(dir.write("abc2", "abc"));
    std::string abd = quoted(dir.write("abd", "abd"));
    std::string missing = quoted(dir / "missing");

    CliRun report = cli("report " + abc);
    EXPECT_EQ(report.code, 0);
    EXPECT_EQ(report.out.rfind("文件名：abc\r\n", 0), 0u);
    EXPECT_NE(report.out.find("CRC32：352441C2\r\n"), std::string::npos);
    EXPECT_EQ(cli("report " + missing).code, 2);

    CliRun list = cli("list " + abc);
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out,
              "da853b0d3f88d99b30283a69e6ded6bb\n900150983cd24fb0d6963f7d28e17f72\n"
              "a9993e364706816aba3e25717850c26c9cd0d89d\n"
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\n"
              "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3"
              "feebbd454d4423643ce80e2a9ac94fa54ca49f\n352441C2\n");

    const struct {
        std::string args;
        int code;
        std::string out;
    } cases[] = {
        {"check MD5 900150983cd24fb0d6963f7d28e17f72 " + abc, 0, "校验成功! 文件信息与已知内容相同!\n"},
        {"check CRC32 352441c2 " + abc, 0, "校验成功! 文件信息与已知内容相同!\n"},
        {"check SHA1 a9993e " + abc, 1, "校验失败! 文件信息与已知内容不相同!\n"},
        {"check MD5 x " + missing, 2, "请先拖入文件!\n"},
        {"compare " + abc + " " + abc2, 0, "文件1和文件2的文件校验信息相同! \n"},
        {"compare " + abc + " " + abd, 1, "文件1和文件2的文件校验信息不同! 谨防假冒文件!\n"},
        {"compare " + missing + " " + missing, 2, "请先拖入文件!\n"},
        {"check MD4 x " + abc, 64, ""},
        {"report", 64, ""},
        {"compare " + abc, 64, ""},
        {"frobnicate", 64, ""},
    };
    for (const auto& c : cases) {
        CliRun r = cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

} // namespace

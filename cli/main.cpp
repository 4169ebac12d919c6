// jiaoyan-cli: the window's engine and texts from a terminal.
#include "FileReport.h"
#include "Verdicts.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace jiaoyan;

namespace {

constexpr int kExitUsage = 64;
constexpr int kExitNoDigests = 2;

const char* const kUsage =
    "usage: jiaoyan-cli report FILE...          the report of each file, as the window shows it\n"
    "       jiaoyan-cli list FILE               the six digests, one a line: MD2 MD5 SHA1 SHA256 SHA512 "
    "CRC32\n"
    "       jiaoyan-cli check ALGO VALUE FILE   the known-value verdict; ALGO is MD2 MD5 SHA1 SHA256 SHA512 "
    "CRC32\n"
    "       jiaoyan-cli compare FILE1 FILE2     the two-file verdict\n"
    "exit codes: 0 success or same, 1 failure or different, 2 no digests could be made, 64 bad usage\n";

int usage() {
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

void write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

DigestList digestsOf(const std::string& path) {
    DigestList list;
    buildFileReport(path, list);
    return list;
}

int exitCodeOf(Verdict v) {
    switch (v) {
    case Verdict::Match: return 0;
    case Verdict::Mismatch: return 1;
    case Verdict::NeedFiles: return kExitNoDigests;
    }
    return kExitNoDigests;
}

int report(const std::vector<std::string>& files) {
    int code = 0;
    for (const std::string& path : files) {
        DigestJob job;
        job.digests = DigestSet::report();
        FileReport r = makeFileReport(path, job);
        write(r.text);
        if (r.digests.empty())
            code = kExitNoDigests;
    }
    return code;
}

int list(const std::string& path) {
    DigestList digests = digestsOf(path);
    for (const std::string& d : digests)
        write(d + "\n");
    return digests.empty() ? kExitNoDigests : 0;
}

int check(const std::string& algorithm, const std::string& value, const std::string& path) {
    int index = -1;
    for (std::size_t i = 0; i < kDigestCount; ++i)
        if (algorithm == kDigestNames[i])
            index = static_cast<int>(i);
    if (index < 0)
        return usage();
    Verdict v = checkKnownValue(digestsOf(path), index, value);
    write(std::string(checkText(v)) + "\n");
    return exitCodeOf(v);
}

int compare(const std::string& file1, const std::string& file2) {
    Verdict v = compareDigestLists(digestsOf(file1), digestsOf(file2));
    write(std::string(compareText(v)) + "\n");
    return exitCodeOf(v);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usage();
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "report" && !args.empty())
        return report(args);
    if (command == "list" && args.size() == 1)
        return list(args[0]);
    if (command == "check" && args.size() == 3)
        return check(args[0], args[1], args[2]);
    if (command == "compare" && args.size() == 2)
        return compare(args[0], args[1]);
    return usage();
}

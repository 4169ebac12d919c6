// A report from arbitrary path bytes: never a crash, always the report's shape, and
// digests only for what could be read as a regular file.
#include "FileReport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    jiaoyan::DigestList list;
    const std::string report = jiaoyan::buildFileReport(path, list);
    const std::string head =
        "文件名：" + jiaoyan::fileNameOf(path) + "\r\n文件路径：" + path + "\r\n文件大小：";
    if (report.compare(0, head.size(), head) != 0)
        std::abort();
    const bool unreadable =
        report.size() >= 26 && report.compare(report.size() - 26, 26, jiaoyan::kUnreadableLine) == 0;
    if (list.size() != (unreadable ? 0u : 6u))
        std::abort();
    return 0;
}

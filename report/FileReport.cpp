#include "FileReport.h"

#include <sys/stat.h>

namespace jiaoyan {

std::string fileNameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::int64_t fileSizeKb(const std::string& path) {
    struct stat st {};
    if (path.empty() || path.back() == '/' || path.find('\0') != std::string::npos ||
        ::stat(path.c_str(), &st) != 0)
        return -1;
    if (S_ISDIR(st.st_mode))
        return 0;
    const auto bytes = static_cast<std::int64_t>(st.st_size);
    return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
}

std::string reportText(const std::string& path, std::int64_t sizeKb, const DigestOutcome& outcome) {
    const bool read = outcome.ok();
    auto digest = [&](DigestKind k) { return read ? outcome.text(k) : std::string(); };
    std::string text;
    text.reserve(path.size() * 2 + 400);
    text += "文件名：";
    text += fileNameOf(path);
    text += "\r\n文件路径：";
    text += path;
    text += "\r\n文件大小：";
    text += std::to_string(sizeKb);
    text += "KB\r\n32位MD5：";
    text += digest(DigestKind::Md5);
    text += "\r\n\r\nSHA1：";
    text += digest(DigestKind::Sha1);
    text += "\r\n\r\nSHA256：";
    text += digest(DigestKind::Sha256);
    text += "\r\n\r\nSHA512：";
    text += digest(DigestKind::Sha512);
    text += "\r\n\r\nCRC32：";
    text += digest(DigestKind::Crc32);
    text += "\r\n";
    if (!read)
        text += kUnreadableLine;
    return text;
}

FileReport makeFileReport(const std::string& path, const DigestJob& job) {
    FileReport report;
    DigestOutcome outcome = digestFile(path, job);
    report.status = outcome.status;
    if (outcome.status == DigestOutcome::Status::Cancelled)
        return report;
    report.text = reportText(path, fileSizeKb(path), outcome);
    report.identity = outcome.identity;
    if (outcome.ok())
        report.digests.assign(outcome.texts.begin(), outcome.texts.end());
    return report;
}

std::string buildFileReport(const std::string& path, DigestList& list) {
    FileReport report = makeFileReport(path, DigestJob{});
    list.insert(list.end(), report.digests.begin(), report.digests.end());
    return report.text;
}

} // namespace jiaoyan

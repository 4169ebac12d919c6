#pragma once
// The report of one file: its name, path, size in KB and digests, as the result
// box shows it (CRLF line breaks, full-width colons), with its digest list.
#include "DigestEngine.h"
#include "DigestList.h"

#include <cstdint>
#include <string>

namespace jiaoyan {

// The part after the last "/", or the whole text when there is none.
std::string fileNameOf(const std::string& path);

// Size in KB rounded up; -1 when nothing is found (or the path ends in "/"); 0 for a directory.
std::int64_t fileSizeKb(const std::string& path);

// The line appended to the report of a file whose contents could not be read.
inline constexpr const char* kUnreadableLine = "无法读取文件内容\r\n";

// The report text. With `outcome` not ok, every digest value is empty and the
// unreadable line follows.
std::string reportText(const std::string& path, std::int64_t sizeKb, const DigestOutcome& outcome);

struct FileReport {
    DigestOutcome::Status status = DigestOutcome::Status::Unreadable;
    std::string text;   // empty when cancelled
    DigestList digests; // six entries when read (kinds not asked for are empty texts); empty otherwise
    FileIdentity identity;
};

// Reads the file once and makes its report and digest list.
FileReport makeFileReport(const std::string& path, const DigestJob& job);

// Makes the report of the file at `path`, appending its six digests to `list`
// when its contents could be read.
std::string buildFileReport(const std::string& path, DigestList& list);

} // namespace jiaoyan

#pragma once
#include "FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace jiaoyan {

// A regular file opened read-only for one streamed pass. FIFOs, sockets and
// devices are refused before anything is opened, so no read can block forever.
// The file is never written, locked, renamed or deleted.
class FileSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource();
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    const FileIdentity& identity() const { return m_identity; }

    // Fills buffer as far as the file allows; returns the bytes read, or -1 on a read error.
    std::ptrdiff_t read(std::uint8_t* buffer, std::size_t capacity);

    // True when the file still is the version that was opened: same size and
    // modification time as at the start, and exactly that many bytes were read.
    bool unchangedAfter(std::uint64_t bytesRead) const;

private:
    int m_fd = -1;
    FileIdentity m_identity;
};

} // namespace jiaoyan

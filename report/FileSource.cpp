#include "FileSource.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace jiaoyan {

FileSource::FileSource(const std::string& path) {
    struct stat before {};
    if (path.empty() || path.find('\0') != std::string::npos || ::stat(path.c_str(), &before) != 0 ||
        !S_ISREG(before.st_mode))
        return;
    // O_NONBLOCK: should a FIFO be swapped in after the check, opening it cannot hang.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
        !FileIdentity::of(opened).sameFile(FileIdentity::of(before))) {
        ::close(fd);
        return;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    m_fd = fd;
    m_identity = FileIdentity::of(opened);
}

FileSource::~FileSource() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::ptrdiff_t FileSource::read(std::uint8_t* buffer, std::size_t capacity) {
    std::size_t filled = 0;
    while (filled < capacity) {
        ssize_t n = ::read(m_fd, buffer + filled, capacity - filled);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        filled += static_cast<std::size_t>(n);
    }
    return static_cast<std::ptrdiff_t>(filled);
}

bool FileSource::unchangedAfter(std::uint64_t bytesRead) const {
    struct stat now {};
    return m_fd >= 0 && ::fstat(m_fd, &now) == 0 && FileIdentity::of(now) == m_identity &&
           bytesRead == static_cast<std::uint64_t>(m_identity.size);
}

} // namespace jiaoyan

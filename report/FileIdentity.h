#pragma once
#include <cstdint>
#include <sys/stat.h>

namespace jiaoyan {

// What tells one version of a file from another: the inode, the size and the
// modification time. A digest made from two versions would mix them.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t mtimeSec = 0;
    std::int64_t mtimeNsec = 0;

    static FileIdentity of(const struct stat& st) {
        return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                static_cast<std::int64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
                static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
    }
    bool sameFile(const FileIdentity& o) const { return device == o.device && inode == o.inode; }
    bool operator==(const FileIdentity&) const = default;
};

} // namespace jiaoyan

#pragma once
// One read-only pass over a file feeds every requested digest, chunk by chunk.
// Digests are spread over worker threads; memory stays bounded by a small ring
// of chunk buffers whatever the file's size. Errors come back as values.
#include "DigestList.h"
#include "FileIdentity.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace jiaoyan {

struct DigestJob {
    DigestSet digests = DigestSet::all();
    // Bytes read so far of the file's size; called on the reading thread after each chunk.
    std::function<void(std::uint64_t done, std::uint64_t total)> progress;
    // Checked before every chunk; a cancelled job returns no digests.
    const std::atomic<bool>* cancel = nullptr;
    // When set, the file must still be this version, or the job counts as unreadable.
    std::optional<FileIdentity> expected;
    // Test seam: runs before each chunk is read (a slow or stalled medium).
    std::function<void(std::uint64_t offset)> beforeChunk;
};

struct DigestOutcome {
    enum class Status { Ok, Unreadable, Cancelled };
    Status status = Status::Unreadable;
    std::array<std::string, kDigestCount> texts; // the requested kinds; others empty
    FileIdentity identity;                       // the version that was read

    bool ok() const { return status == Status::Ok; }
    const std::string& text(DigestKind k) const { return texts[static_cast<std::size_t>(k)]; }
};

DigestOutcome digestFile(const std::string& path, const DigestJob& job);

// Engine tuning, exposed for benchmarks and tests.
struct EngineTuning {
    std::size_t chunkSize = 1u << 20;
    std::size_t ringSlots = 8;
    unsigned workers = 0; // 0: one a core
};
DigestOutcome digestFile(const std::string& path, const DigestJob& job, const EngineTuning& tuning);

} // namespace jiaoyan

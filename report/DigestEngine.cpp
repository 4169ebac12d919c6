#include "DigestEngine.h"

#include "DigestAccumulator.h"
#include "FileSource.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace jiaoyan {
namespace {

using Group = std::vector<std::unique_ptr<DigestAccumulator>>;

// Relative cost a byte, measured on this project's machines (MD2's chain is serial).
double costOf(DigestKind kind) {
    switch (kind) {
    case DigestKind::Md2: return 90.0;
    case DigestKind::Md5: return 1.32;
    case DigestKind::Sha1: return 0.53;
    case DigestKind::Sha256: return 0.56;
    case DigestKind::Sha512: return 0.97;
    case DigestKind::Crc32: return 0.05;
    }
    return 1.0;
}

// Longest-first assignment of the requested digests to at most `workers` groups.
std::vector<Group> splitIntoGroups(DigestSet set, unsigned workers) {
    std::vector<DigestKind> kinds;
    for (std::size_t i = 0; i < kDigestCount; ++i)
        if (set.has(static_cast<DigestKind>(i)))
            kinds.push_back(static_cast<DigestKind>(i));
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](DigestKind a, DigestKind b) { return costOf(a) > costOf(b); });
    std::size_t count = std::clamp<std::size_t>(workers, 1, std::max<std::size_t>(kinds.size(), 1));
    std::vector<Group> groups(count);
    std::vector<double> load(count, 0.0);
    for (DigestKind k : kinds) {
        std::size_t least =
            static_cast<std::size_t>(std::min_element(load.begin(), load.end()) - load.begin());
        groups[least].push_back(std::make_unique<DigestAccumulator>(k));
        load[least] += costOf(k);
    }
    std::erase_if(groups, [](const Group& g) { return g.empty(); });
    return groups;
}

void feed(Group& group, ByteView data) {
    for (auto& a : group)
        a->add(data);
}

bool cancelled(const DigestJob& job) { return job.cancel && job.cancel->load(std::memory_order_relaxed); }

// The chunks handed from the reading thread to the workers: each slot is reused
// once every worker has finished with it.
class ChunkRing {
public:
    ChunkRing(std::size_t slots, std::size_t chunkSize, std::size_t consumers)
        : m_slots(slots), m_consumers(consumers) {
        for (Slot& s : m_slots)
            s.data.resize(chunkSize);
    }

    // Reader: a free slot's buffer for chunk `seq`, or null when the ring was stopped.
    std::vector<std::uint8_t>* acquire(std::uint64_t seq) {
        std::unique_lock lock(m_mutex);
        Slot& s = slotOf(seq);
        m_changed.wait(lock, [&] { return s.pending == 0 || m_stopped; });
        return m_stopped ? nullptr : &s.data;
    }
    void publish(std::uint64_t seq, std::size_t size) {
        std::lock_guard lock(m_mutex);
        Slot& s = slotOf(seq);
        s.size = size;
        s.pending = m_consumers;
        m_published = seq + 1;
        m_changed.notify_all();
    }
    void finish() {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_changed.notify_all();
    }
    void stop() {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_changed.notify_all();
    }
    // Worker: the data of chunk `seq`, or an empty view when there is no such chunk.
    ByteView take(std::uint64_t seq) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_published > seq || m_finished || m_stopped; });
        if (m_stopped || m_published <= seq)
            return {};
        Slot& s = slotOf(seq);
        return {s.data.data(), s.size};
    }
    void release(std::uint64_t seq) {
        std::lock_guard lock(m_mutex);
        if (--slotOf(seq).pending == 0)
            m_changed.notify_all();
    }

private:
    struct Slot {
        std::vector<std::uint8_t> data;
        std::size_t size = 0;
        std::size_t pending = 0;
    };
    Slot& slotOf(std::uint64_t seq) { return m_slots[seq % m_slots.size()]; }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Slot> m_slots;
    std::size_t m_consumers;
    std::uint64_t m_published = 0;
    bool m_finished = false;
    bool m_stopped = false;
};

enum class ReadEnd { Done, Failed, Cancelled };

// Reads the file chunk by chunk, handing each to `consume`; stops early once the
// file has grown past its size, since that read has failed already.
template <typename Acquire, typename Consume>
ReadEnd readChunks(FileSource& source, const DigestJob& job, std::uint64_t& bytesRead, Acquire acquire,
                   Consume consume) {
    const auto total = static_cast<std::uint64_t>(source.identity().size);
    for (std::uint64_t seq = 0;; ++seq) {
        if (job.beforeChunk)
            job.beforeChunk(bytesRead);
        if (cancelled(job))
            return ReadEnd::Cancelled;
        std::vector<std::uint8_t>* buffer = acquire(seq);
        if (!buffer)
            return ReadEnd::Cancelled;
        std::ptrdiff_t n = source.read(buffer->data(), buffer->size());
        if (n < 0)
            return ReadEnd::Failed;
        if (n == 0)
            return ReadEnd::Done;
        bytesRead += static_cast<std::uint64_t>(n);
        consume(seq, static_cast<std::size_t>(n));
        if (job.progress)
            job.progress(std::min(bytesRead, total), total);
        if (bytesRead > total)
            return ReadEnd::Failed;
    }
}

ReadEnd readInline(FileSource& source, const DigestJob& job, std::vector<Group>& groups,
                   std::size_t chunkSize, std::uint64_t& bytesRead) {
    std::vector<std::uint8_t> buffer(chunkSize);
    return readChunks(
        source, job, bytesRead, [&](std::uint64_t) { return &buffer; },
        [&](std::uint64_t, std::size_t n) {
            for (Group& g : groups)
                feed(g, {buffer.data(), n});
        });
}

ReadEnd readThreaded(FileSource& source, const DigestJob& job, std::vector<Group>& groups,
                     const EngineTuning& tuning, std::uint64_t& bytesRead) {
    ChunkRing ring(tuning.ringSlots, tuning.chunkSize, groups.size());
    std::vector<std::jthread> workers;
    try {
        for (Group& group : groups)
            workers.emplace_back([&ring, &group] {
                for (std::uint64_t seq = 0;; ++seq) {
                    ByteView chunk = ring.take(seq);
                    if (chunk.empty())
                        return;
                    feed(group, chunk);
                    ring.release(seq);
                }
            });
    } catch (const std::system_error&) {
        ring.stop();
        workers.clear();
        return readInline(source, job, groups, tuning.chunkSize, bytesRead);
    }
    ReadEnd end = readChunks(
        source, job, bytesRead, [&](std::uint64_t seq) { return ring.acquire(seq); },
        [&](std::uint64_t seq, std::size_t n) { ring.publish(seq, n); });
    if (end == ReadEnd::Done)
        ring.finish();
    else
        ring.stop();
    workers.clear(); // joins
    return end;
}

} // namespace

DigestOutcome digestFile(const std::string& path, const DigestJob& job) { return digestFile(path, job, {}); }

DigestOutcome digestFile(const std::string& path, const DigestJob& job, const EngineTuning& tuning) {
    DigestOutcome outcome;
    if (cancelled(job)) {
        outcome.status = DigestOutcome::Status::Cancelled;
        return outcome;
    }
    FileSource source(path);
    if (!source.isOpen() || (job.expected && !(*job.expected == source.identity())))
        return outcome;
    outcome.identity = source.identity();

    unsigned workers = tuning.workers ? tuning.workers : std::max(1u, std::thread::hardware_concurrency());
    std::vector<Group> groups = splitIntoGroups(job.digests, workers);
    std::uint64_t bytesRead = 0;
    const bool small = static_cast<std::uint64_t>(source.identity().size) < tuning.chunkSize;
    ReadEnd end = small ? readInline(source, job, groups,
                                     static_cast<std::size_t>(source.identity().size) + 1, bytesRead)
                        : readThreaded(source, job, groups, tuning, bytesRead);

    if (end == ReadEnd::Cancelled) {
        outcome.status = DigestOutcome::Status::Cancelled;
        return outcome;
    }
    if (end == ReadEnd::Failed || !source.unchangedAfter(bytesRead))
        return outcome;
    outcome.status = DigestOutcome::Status::Ok;
    for (const Group& g : groups)
        for (const auto& a : g)
            outcome.texts[static_cast<std::size_t>(a->kind())] = a->text();
    return outcome;
}

} // namespace jiaoyan

#pragma once
#include "Bytes.h"
#include "Crc32.h"
#include "DigestList.h"
#include "ScopedHash.h"
#include "ScopedProvider.h"

#include <optional>

namespace jiaoyan {

// One running digest of a kind, through the provider layer (CRC-32 through its own code).
class DigestAccumulator {
public:
    explicit DigestAccumulator(DigestKind kind);
    DigestKind kind() const { return m_kind; }
    void add(ByteView data);
    // The digest text; empty when a provider step failed.
    std::string text() const;

private:
    DigestKind m_kind;
    std::optional<crypto::ScopedProvider> m_provider;
    std::optional<crypto::ScopedHash> m_hash;
    Crc32 m_crc;
    bool m_failed = false;
};

} // namespace jiaoyan

#pragma once
#include "CryptoProvider.h"

#include <span>
#include <vector>

namespace jiaoyan::crypto {

// Owns a hash handle created on a provider; destroyed on every path.
class ScopedHash {
public:
    ScopedHash(ProviderHandle provider, std::uint32_t algorithm) {
        if (!provider || !createHash(provider, algorithm, 0, 0, &m_handle))
            m_handle = 0;
    }
    ~ScopedHash() {
        if (m_handle)
            destroyHash(m_handle);
    }
    ScopedHash(const ScopedHash&) = delete;
    ScopedHash& operator=(const ScopedHash&) = delete;
    ScopedHash(ScopedHash&& other) noexcept : m_handle(other.m_handle) { other.m_handle = 0; }

    explicit operator bool() const { return m_handle != 0; }
    HashHandle handle() const { return m_handle; }

    bool add(std::span<const std::uint8_t> data) {
        return m_handle && hashData(m_handle, data.data(), data.size(), 0);
    }

    // The digest value asked in two steps (size, then value); empty on failure.
    std::vector<std::uint8_t> value() const {
        std::uint32_t size = 0;
        if (!m_handle || !getHashParam(m_handle, HP_HASHVAL, nullptr, &size, 0))
            return {};
        std::vector<std::uint8_t> bytes(size, 0);
        if (!getHashParam(m_handle, HP_HASHVAL, bytes.data(), &size, 0))
            return {};
        bytes.resize(size);
        return bytes;
    }

private:
    HashHandle m_handle = 0;
};

} // namespace jiaoyan::crypto

#pragma once
#include "CryptoProvider.h"

namespace jiaoyan::crypto {

// Owns a provider handle; acquires with the verify-context flag first and, when
// that fails, once more without it.
class ScopedProvider {
public:
    explicit ScopedProvider(std::uint32_t providerType) {
        if (!acquireContext(&m_handle, "", "", providerType, CRYPT_VERIFYCONTEXT) &&
            !acquireContext(&m_handle, "", "", providerType, 0))
            m_handle = 0;
    }
    ~ScopedProvider() {
        if (m_handle)
            releaseContext(m_handle, 0);
    }
    ScopedProvider(const ScopedProvider&) = delete;
    ScopedProvider& operator=(const ScopedProvider&) = delete;

    explicit operator bool() const { return m_handle != 0; }
    ProviderHandle handle() const { return m_handle; }

private:
    ProviderHandle m_handle = 0;
};

} // namespace jiaoyan::crypto

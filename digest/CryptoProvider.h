#pragma once
// A small cryptographic provider layer with the operations of a classic provider
// API: acquire a provider of a type, create a hash, feed data in any number of
// calls, read the value (a null buffer asks its size), destroy, release.
// Every failure is a false result; nothing throws.

#include <cstddef>
#include <cstdint>

namespace jiaoyan::crypto {

using ProviderHandle = std::uintptr_t;
using HashHandle = std::uintptr_t;

inline constexpr std::uint32_t PROV_RSA_FULL = 1;
inline constexpr std::uint32_t PROV_RSA_AES = 24;
inline constexpr std::uint32_t CRYPT_VERIFYCONTEXT = 0xF0000000u;
inline constexpr std::uint32_t HP_HASHVAL = 2;

inline constexpr std::uint32_t CALG_MD2 = 0x8001;
inline constexpr std::uint32_t CALG_MD5 = 0x8003;
inline constexpr std::uint32_t CALG_SHA1 = 0x8004;
inline constexpr std::uint32_t CALG_SHA_256 = 0x800C;
inline constexpr std::uint32_t CALG_SHA_512 = 0x800E;

bool acquireContext(ProviderHandle* provider, const char* container, const char* providerName,
                    std::uint32_t providerType, std::uint32_t flags);
bool createHash(ProviderHandle provider, std::uint32_t algorithm, std::uintptr_t key, std::uint32_t flags,
                HashHandle* hash);
bool hashData(HashHandle hash, const std::uint8_t* data, std::size_t length, std::uint32_t flags);
bool getHashParam(HashHandle hash, std::uint32_t param, std::uint8_t* buffer, std::uint32_t* length,
                  std::uint32_t flags);
void destroyHash(HashHandle hash);
void releaseContext(ProviderHandle provider, std::uint32_t flags);

// Test seam: make a provider type, one algorithm, or the verify-context flag unavailable.
void setProviderTypeAvailable(std::uint32_t providerType, bool available);
void setAlgorithmAvailable(std::uint32_t algorithm, bool available);
void setVerifyContextAvailable(bool available);
void resetAvailability();

} // namespace jiaoyan::crypto

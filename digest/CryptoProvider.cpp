// The only file that includes the crypto libraries: OpenSSL EVP for MD5, SHA-1,
// SHA-256 and SHA-512, Nettle for MD2 (Debian's OpenSSL is built without it).
#include "CryptoProvider.h"

#include <nettle/md2.h>
#include <openssl/evp.h>

#include <array>
#include <atomic>
#include <cstring>
#include <new>
#include <vector>

namespace jiaoyan::crypto {
namespace {

struct Availability {
    std::atomic<bool> rsaFull{true};
    std::atomic<bool> rsaAes{true};
    std::atomic<bool> verifyContext{true};
    std::array<std::atomic<bool>, 5> algorithms{true, true, true, true, true};
};
Availability& availability() {
    static Availability a;
    return a;
}

int algorithmIndex(std::uint32_t algorithm) {
    switch (algorithm) {
    case CALG_MD2: return 0;
    case CALG_MD5: return 1;
    case CALG_SHA1: return 2;
    case CALG_SHA_256: return 3;
    case CALG_SHA_512: return 4;
    default: return -1;
    }
}

std::uint32_t providerTypeOf(std::uint32_t algorithm) {
    return algorithmIndex(algorithm) >= 3 ? PROV_RSA_AES : PROV_RSA_FULL;
}

const EVP_MD* evpDigest(std::uint32_t algorithm) {
    // Fetched once: an implicit fetch on every init would cost more than hashing 4 KiB.
    static const std::array<EVP_MD*, 5> digests{
        nullptr, EVP_MD_fetch(nullptr, "MD5", nullptr), EVP_MD_fetch(nullptr, "SHA1", nullptr),
        EVP_MD_fetch(nullptr, "SHA256", nullptr), EVP_MD_fetch(nullptr, "SHA512", nullptr)};
    int index = algorithmIndex(algorithm);
    return index > 0 ? digests[static_cast<std::size_t>(index)] : nullptr;
}

struct Provider {
    std::uint32_t type;
};

// Providers hold nothing but their type: a handle points at one of these.
Provider rsaFullProvider{PROV_RSA_FULL};
Provider rsaAesProvider{PROV_RSA_AES};

struct Hash {
    std::uint32_t algorithm = 0;
    EVP_MD_CTX* evp = nullptr;
    md2_ctx md2{};
    bool finished = false;
    std::array<std::uint8_t, 64> value{};
    std::uint32_t valueSize = 0;

    ~Hash() { EVP_MD_CTX_free(evp); }

    std::uint32_t size() const {
        return algorithm == CALG_MD2 ? MD2_DIGEST_SIZE
                                     : static_cast<std::uint32_t>(EVP_MD_get_size(evpDigest(algorithm)));
    }

    bool finish() {
        if (finished)
            return true;
        if (algorithm == CALG_MD2) {
            md2_digest(&md2, MD2_DIGEST_SIZE, value.data());
            valueSize = MD2_DIGEST_SIZE;
        } else {
            unsigned int n = 0;
            if (EVP_DigestFinal_ex(evp, value.data(), &n) != 1)
                return false;
            valueSize = n;
        }
        finished = true;
        return true;
    }
};

Hash* hashOf(HashHandle handle) { return reinterpret_cast<Hash*>(handle); }

// Destroyed hashes keep their digest context for the next hash made on the same
// thread: a small hash then costs no more than calling the library directly.
class HashCache {
public:
    ~HashCache() {
        for (Hash* h : m_free)
            delete h;
    }
    Hash* take() {
        if (m_free.empty())
            return new (std::nothrow) Hash;
        Hash* h = m_free.back();
        m_free.pop_back();
        return h;
    }
    void give(Hash* h) {
        if (m_free.size() >= kKept) {
            delete h;
            return;
        }
        h->finished = false;
        h->valueSize = 0;
        if (h->evp)
            EVP_MD_CTX_reset(h->evp);
        m_free.push_back(h);
    }

private:
    static constexpr std::size_t kKept = 8;
    std::vector<Hash*> m_free;
};

HashCache& hashCache() {
    static thread_local HashCache cache;
    return cache;
}

} // namespace

bool acquireContext(ProviderHandle* provider, const char*, const char*, std::uint32_t providerType,
                    std::uint32_t flags) {
    if (!provider)
        return false;
    *provider = 0;
    Availability& a = availability();
    if ((flags & CRYPT_VERIFYCONTEXT) && !a.verifyContext)
        return false;
    if ((providerType == PROV_RSA_FULL && !a.rsaFull) || (providerType == PROV_RSA_AES && !a.rsaAes))
        return false;
    if (providerType != PROV_RSA_FULL && providerType != PROV_RSA_AES)
        return false;
    *provider =
        reinterpret_cast<ProviderHandle>(providerType == PROV_RSA_FULL ? &rsaFullProvider : &rsaAesProvider);
    return true;
}

bool createHash(ProviderHandle provider, std::uint32_t algorithm, std::uintptr_t key, std::uint32_t flags,
                HashHandle* hash) {
    if (!hash)
        return false;
    *hash = 0;
    int index = algorithmIndex(algorithm);
    auto* p = reinterpret_cast<Provider*>(provider);
    if (!p || key != 0 || flags != 0 || index < 0 ||
        !availability().algorithms[static_cast<std::size_t>(index)])
        return false;
    if (providerTypeOf(algorithm) != p->type)
        return false;
    Hash* h = hashCache().take();
    if (!h)
        return false;
    h->algorithm = algorithm;
    if (algorithm == CALG_MD2) {
        md2_init(&h->md2);
    } else {
        const EVP_MD* md = evpDigest(algorithm);
        if (!h->evp)
            h->evp = EVP_MD_CTX_new();
        if (!md || !h->evp || EVP_DigestInit_ex(h->evp, md, nullptr) != 1) {
            hashCache().give(h);
            return false;
        }
    }
    *hash = reinterpret_cast<HashHandle>(h);
    return true;
}

bool hashData(HashHandle hash, const std::uint8_t* data, std::size_t length, std::uint32_t flags) {
    Hash* h = hashOf(hash);
    if (!h || h->finished || flags != 0 || (!data && length))
        return false;
    if (length == 0)
        return true;
    if (h->algorithm == CALG_MD2) {
        md2_update(&h->md2, length, data);
        return true;
    }
    return EVP_DigestUpdate(h->evp, data, length) == 1;
}

bool getHashParam(HashHandle hash, std::uint32_t param, std::uint8_t* buffer, std::uint32_t* length,
                  std::uint32_t flags) {
    Hash* h = hashOf(hash);
    if (!h || !length || param != HP_HASHVAL || flags != 0)
        return false;
    if (!buffer) {
        *length = h->size();
        return true;
    }
    if (*length < h->size() || !h->finish())
        return false;
    std::memcpy(buffer, h->value.data(), h->valueSize);
    *length = h->valueSize;
    return true;
}

void destroyHash(HashHandle hash) {
    if (Hash* h = hashOf(hash))
        hashCache().give(h);
}

void releaseContext(ProviderHandle, std::uint32_t) {}

void setProviderTypeAvailable(std::uint32_t providerType, bool available) {
    if (providerType == PROV_RSA_FULL)
        availability().rsaFull = available;
    else if (providerType == PROV_RSA_AES)
        availability().rsaAes = available;
}

void setAlgorithmAvailable(std::uint32_t algorithm, bool available) {
    int index = algorithmIndex(algorithm);
    if (index >= 0)
        availability().algorithms[static_cast<std::size_t>(index)] = available;
}

void setVerifyContextAvailable(bool available) { availability().verifyContext = available; }

void resetAvailability() {
    Availability& a = availability();
    a.rsaFull = a.rsaAes = a.verifyContext = true;
    for (auto& alg : a.algorithms)
        alg = true;
}

} // namespace jiaoyan::crypto

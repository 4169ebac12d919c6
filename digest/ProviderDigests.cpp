#include "ProviderDigests.h"

#include "Hex.h"
#include "ScopedHash.h"
#include "ScopedProvider.h"

namespace jiaoyan {

using namespace crypto;

std::string cspDigestHex(ByteView data, std::uint32_t algorithm, std::uint32_t digestLength) {
    ScopedProvider provider(PROV_RSA_FULL);
    if (!provider)
        return {};
    ScopedHash hash(provider.handle(), algorithm);
    if (!hash || !hash.add(data))
        return {};
    Bytes value(digestLength, 0);
    std::uint32_t length = digestLength;
    if (!getHashParam(hash.handle(), HP_HASHVAL, value.data(), &length, 0))
        return {};
    value.resize(length);
    return hexWithDigits(value, "0123456789ABCDEF");
}

Bytes aesCspDigest(ByteView data, std::uint32_t algorithm) {
    ScopedProvider provider(PROV_RSA_AES);
    if (!provider)
        return {};
    return aesCspHashBytes(provider.handle(), algorithm, data);
}

Bytes aesCspHashBytes(ProviderHandle provider, std::uint32_t algorithm, ByteView data) {
    ScopedHash hash(provider, algorithm);
    if (!hash || !hash.add(data))
        return {};
    return hash.value();
}

std::string md2Hex(ByteView data) { return asciiLower(cspDigestHex(data, CALG_MD2, 16)); }
std::string md5Hex(ByteView data) { return asciiLower(cspDigestHex(data, CALG_MD5, 16)); }
std::string sha1Hex(ByteView data) { return asciiLower(cspDigestHex(data, CALG_SHA1, 20)); }

static std::string aesHex(ByteView data, std::uint32_t algorithm) {
    Bytes value = aesCspDigest(data, algorithm);
    return value.empty() ? std::string() : bytesToHex(value);
}

std::string sha256Hex(ByteView data) { return aesHex(data, CALG_SHA_256); }
std::string sha512Hex(ByteView data) { return aesHex(data, CALG_SHA_512); }

} // namespace jiaoyan

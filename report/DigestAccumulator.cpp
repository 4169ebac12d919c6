#include "DigestAccumulator.h"

#include "Hex.h"

namespace jiaoyan {
namespace {

struct Provision {
    std::uint32_t providerType;
    std::uint32_t algorithm;
};

Provision provisionOf(DigestKind kind) {
    using namespace crypto;
    switch (kind) {
    case DigestKind::Md2: return {PROV_RSA_FULL, CALG_MD2};
    case DigestKind::Md5: return {PROV_RSA_FULL, CALG_MD5};
    case DigestKind::Sha1: return {PROV_RSA_FULL, CALG_SHA1};
    case DigestKind::Sha256: return {PROV_RSA_AES, CALG_SHA_256};
    case DigestKind::Sha512: return {PROV_RSA_AES, CALG_SHA_512};
    case DigestKind::Crc32: break;
    }
    return {0, 0};
}

} // namespace

DigestAccumulator::DigestAccumulator(DigestKind kind) : m_kind(kind) {
    if (kind == DigestKind::Crc32)
        return;
    Provision p = provisionOf(kind);
    m_provider.emplace(p.providerType);
    m_hash.emplace(m_provider->handle(), p.algorithm);
    m_failed = !*m_hash;
}

void DigestAccumulator::add(ByteView data) {
    if (m_kind == DigestKind::Crc32)
        m_crc.add(data);
    else if (!m_failed)
        m_failed = !m_hash->add(data);
}

std::string DigestAccumulator::text() const {
    if (m_kind == DigestKind::Crc32)
        return m_crc.text();
    if (m_failed)
        return {};
    Bytes value = m_hash->value();
    return value.empty() ? std::string() : bytesToHex(value);
}

} // namespace jiaoyan

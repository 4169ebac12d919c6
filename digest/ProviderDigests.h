#pragma once
// Digests through the provider layer: MD2, MD5 and SHA-1 on the full RSA provider
// with a fixed length, SHA-256 and SHA-512 on the RSA-and-AES provider with the
// length asked of it. A failed step gives the empty text; nothing is reported.
#include "Bytes.h"
#include "CryptoProvider.h"

namespace jiaoyan {

std::string cspDigestHex(ByteView data, std::uint32_t algorithm, std::uint32_t digestLength);
Bytes aesCspDigest(ByteView data, std::uint32_t algorithm);
Bytes aesCspHashBytes(crypto::ProviderHandle provider, std::uint32_t algorithm, ByteView data);

std::string md2Hex(ByteView data);
std::string md5Hex(ByteView data);
std::string sha1Hex(ByteView data);
std::string sha256Hex(ByteView data);
std::string sha512Hex(ByteView data);

} // namespace jiaoyan

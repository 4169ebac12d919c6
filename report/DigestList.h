#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace jiaoyan {

// The digests of one file: six texts in the order MD2, MD5, SHA1, SHA256, SHA512, CRC32.
using DigestList = std::vector<std::string>;

enum class DigestKind : std::uint8_t { Md2, Md5, Sha1, Sha256, Sha512, Crc32 };
inline constexpr std::size_t kDigestCount = 6;
inline constexpr std::array<const char*, kDigestCount> kDigestNames{"MD2",    "MD5",    "SHA1",
                                                                    "SHA256", "SHA512", "CRC32"};

// Which digests a job computes: one bit a kind.
class DigestSet {
public:
    constexpr DigestSet() = default;
    constexpr DigestSet(std::initializer_list<DigestKind> kinds) {
        for (DigestKind k : kinds)
            m_bits |= bit(k);
    }
    static constexpr DigestSet all() { return DigestSet(0x3F); }
    // The five a report shows.
    static constexpr DigestSet report() { return DigestSet(0x3E); }

    constexpr bool has(DigestKind k) const { return m_bits & bit(k); }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr DigestSet without(DigestKind k) const { return DigestSet(m_bits & ~bit(k)); }
    constexpr bool operator==(const DigestSet&) const = default;

private:
    constexpr explicit DigestSet(std::uint8_t bits) : m_bits(bits) {}
    static constexpr std::uint8_t bit(DigestKind k) { return std::uint8_t(1u << static_cast<unsigned>(k)); }
    std::uint8_t m_bits = 0;
};

} // namespace jiaoyan

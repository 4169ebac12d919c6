#pragma once
// CRC-32 (IEEE 802.3, reflected polynomial 0xEDB88320), as zlib and PNG use it.
#include "Bytes.h"

namespace jiaoyan {

enum class Crc32Path {
    Table,   // the byte-at-a-time table loop: the reference
    Slicing, // portable slicing-by-16
    Clmul,   // carry-less multiplication folding, 128-bit (PCLMULQDQ)
    VClmul,  // the same over 512-bit registers (VPCLMULQDQ, AVX-512)
};

bool crc32PathSupported(Crc32Path path);
Crc32Path fastestCrc32Path();

// Continues a CRC register (0xFFFFFFFF at the start, complemented at the end) over data.
std::uint32_t crc32Update(std::uint32_t reg, ByteView data, Crc32Path path);

// Running CRC-32 over data fed in pieces; remembers whether any byte was seen.
class Crc32 {
public:
    explicit Crc32(Crc32Path path = fastestCrc32Path()) : m_path(path) {}
    void add(ByteView data) {
        m_reg = crc32Update(m_reg, data, m_path);
        m_seenBytes = m_seenBytes || !data.empty();
    }
    std::uint32_t value() const { return ~m_reg; }
    // Eight upper-case digits; the empty text when no byte was seen.
    std::string text() const;

private:
    Crc32Path m_path;
    std::uint32_t m_reg = 0xFFFFFFFFu;
    bool m_seenBytes = false;
};

std::string crc32Text(ByteView data);

} // namespace jiaoyan

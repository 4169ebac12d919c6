#include "Crc32.h"

#include "Crc32Clmul.h"
#include "Hex.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace jiaoyan {
namespace {

using Table = std::array<std::uint32_t, 256>;

constexpr Table makeTable() {
    Table table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<Table, 16> makeSlicingTables() {
    std::array<Table, 16> t{};
    t[0] = makeTable();
    for (std::size_t k = 1; k < 16; ++k)
        for (std::size_t i = 0; i < 256; ++i)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}

constexpr Table kTable = makeTable();
constexpr std::array<Table, 16> kSlicing = makeSlicingTables();

std::uint32_t tableUpdate(std::uint32_t reg, const std::uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        reg = (reg >> 8) ^ kTable[(reg & 0xFF) ^ p[i]];
    return reg;
}

std::uint32_t load32le(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint32_t slicingUpdate(std::uint32_t reg, const std::uint8_t* p, std::size_t n) {
    const auto& t = kSlicing;
    while (n >= 16) {
        std::uint32_t a = reg ^ load32le(p);
        std::uint32_t b = load32le(p + 4), c = load32le(p + 8), d = load32le(p + 12);
        reg = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
              t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
              t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^ t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24] ^
              t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^ t[0][d >> 24];
        p += 16;
        n -= 16;
    }
    return tableUpdate(reg, p, n);
}

// Runs a folding kernel over the largest multiple of 16 bytes it accepts; the tail goes to slicing.
template <typename Kernel>
std::uint32_t foldedUpdate(std::uint32_t reg, const std::uint8_t* p, std::size_t n, std::size_t minimum,
                           Kernel kernel) {
    if (n < minimum)
        return slicingUpdate(reg, p, n);
    std::size_t body = n & ~std::size_t(15);
    reg = kernel(reg, p, body);
    return slicingUpdate(reg, p + body, n - body);
}

} // namespace

bool crc32PathSupported(Crc32Path path) {
    switch (path) {
    case Crc32Path::Table:
    case Crc32Path::Slicing: return true;
    case Crc32Path::Clmul: return detail::clmulSupported();
    case Crc32Path::VClmul: return detail::vclmulSupported();
    }
    return false;
}

Crc32Path fastestCrc32Path() {
    static const Crc32Path best = crc32PathSupported(Crc32Path::VClmul)  ? Crc32Path::VClmul
                                  : crc32PathSupported(Crc32Path::Clmul) ? Crc32Path::Clmul
                                                                         : Crc32Path::Slicing;
    return best;
}

std::uint32_t crc32Update(std::uint32_t reg, ByteView data, Crc32Path path) {
    const std::uint8_t* p = data.data();
    std::size_t n = data.size();
    if (!crc32PathSupported(path))
        path = Crc32Path::Slicing;
    switch (path) {
    case Crc32Path::Table: return tableUpdate(reg, p, n);
    case Crc32Path::Slicing: return slicingUpdate(reg, p, n);
    case Crc32Path::Clmul: return foldedUpdate(reg, p, n, 64, detail::clmulFold);
    case Crc32Path::VClmul:
        if (n >= 256)
            return foldedUpdate(reg, p, n, 256, detail::vclmulFold);
        return foldedUpdate(reg, p, n, 64, detail::clmulFold);
    }
    return reg;
}

std::string Crc32::text() const {
    if (!m_seenBytes)
        return {};
    char digits[9];
    std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(value()));
    return padLeftZeros(digits, 8);
}

std::string crc32Text(ByteView data) {
    if (data.empty())
        return {};
    Crc32 crc(Crc32Path::Table);
    crc.add(data);
    return crc.text();
}

} // namespace jiaoyan

#pragma once
#include <cstddef>
#include <cstdint>

namespace jiaoyan::detail {

bool clmulSupported();
bool vclmulSupported();

// Fold a CRC register over n bytes; n is a multiple of 16, at least 64 (clmul) or 256 (vclmul).
std::uint32_t clmulFold(std::uint32_t reg, const std::uint8_t* p, std::size_t n);
std::uint32_t vclmulFold(std::uint32_t reg, const std::uint8_t* p, std::size_t n);

} // namespace jiaoyan::detail

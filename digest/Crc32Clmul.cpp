// CRC-32 by carry-less multiplication folding (the method of Gopal et al., "Fast CRC
// computation for generic polynomials using PCLMULQDQ"), in the bit-reflected domain.
#include "Crc32Clmul.h"

#include <immintrin.h>

namespace jiaoyan::detail {
namespace {

// x^n mod P(x) for P = 0x104C11DB7, bit-reflected and shifted left by one, as the
// reflected folding multiplies expect. Folding 16 bytes forward by D bits uses
// x^(D+32) for the low and x^(D-32) for the high quadword.
constexpr std::uint64_t foldConstant(unsigned n) {
    std::uint32_t r = 1;
    for (unsigned i = 0; i < n; ++i)
        r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
    std::uint32_t reflected = 0;
    for (int i = 0; i < 32; ++i)
        if ((r >> i) & 1)
            reflected |= 1u << (31 - i);
    return std::uint64_t(reflected) << 1;
}

constexpr std::uint64_t kFold512Lo = foldConstant(512 + 32), kFold512Hi = foldConstant(512 - 32);
constexpr std::uint64_t kFold128Lo = foldConstant(128 + 32), kFold128Hi = foldConstant(128 - 32);
constexpr std::uint64_t kFold2048Lo = foldConstant(2048 + 32), kFold2048Hi = foldConstant(2048 - 32);
constexpr std::uint64_t kFold64 = foldConstant(64);
static_assert(kFold512Lo == 0x154442bd4 && kFold512Hi == 0x1c6e41596);
static_assert(kFold128Lo == 0x1751997d0 && kFold128Hi == 0xccaa009e && kFold64 == 0x163cd6124);
// Barrett reduction: P' and mu, reflected.
constexpr std::uint64_t kPoly = 0x1db710641, kMu = 0x1f7011641;

#define JIAOYAN_CLMUL __attribute__((target("pclmul,sse4.1")))
#define JIAOYAN_VCLMUL __attribute__((target("pclmul,sse4.1,avx512f,avx512vl,vpclmulqdq")))

JIAOYAN_CLMUL inline __m128i fold(__m128i x, __m128i k) {
    return _mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11));
}

// The two fold constants in one register: low quadword first.
JIAOYAN_CLMUL inline __m128i constants(std::uint64_t lo, std::uint64_t hi) {
    return _mm_set_epi64x(static_cast<long long>(hi), static_cast<long long>(lo));
}

JIAOYAN_CLMUL inline __m128i load(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Folds the remaining 16-byte blocks into x, then reduces 128 bits to the 32-bit register.
JIAOYAN_CLMUL std::uint32_t finish(__m128i x, const std::uint8_t* p, std::size_t n) {
    const __m128i k128 = constants(kFold128Lo, kFold128Hi);
    for (; n >= 16; p += 16, n -= 16)
        x = _mm_xor_si128(fold(x, k128), load(p));

    const __m128i mask32 = _mm_setr_epi32(~0, 0, ~0, 0);
    __m128i t = _mm_clmulepi64_si128(x, k128, 0x10);
    x = _mm_xor_si128(_mm_srli_si128(x, 8), t);
    t = _mm_srli_si128(x, 4);
    x = _mm_clmulepi64_si128(_mm_and_si128(x, mask32), _mm_cvtsi64_si128(static_cast<long long>(kFold64)),
                             0x00);
    x = _mm_xor_si128(x, t);

    const __m128i poly = constants(kPoly, kMu);
    t = _mm_clmulepi64_si128(_mm_and_si128(x, mask32), poly, 0x10);
    t = _mm_clmulepi64_si128(_mm_and_si128(t, mask32), poly, 0x00);
    x = _mm_xor_si128(x, t);
    return static_cast<std::uint32_t>(_mm_extract_epi32(x, 1));
}

JIAOYAN_VCLMUL inline __m512i loadZ(const std::uint8_t* p) { return _mm512_loadu_si512(p); }

JIAOYAN_VCLMUL inline __m512i foldZ(__m512i x, __m512i k, __m512i data) {
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(x, k, 0x00),
                                     _mm512_clmulepi64_epi128(x, k, 0x11), data, 0x96);
}

} // namespace

bool clmulSupported() { return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1"); }

bool vclmulSupported() {
    return clmulSupported() && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("vpclmulqdq");
}

JIAOYAN_CLMUL std::uint32_t clmulFold(std::uint32_t reg, const std::uint8_t* p, std::size_t n) {
    __m128i x0 = _mm_xor_si128(load(p), _mm_cvtsi32_si128(static_cast<int>(reg)));
    __m128i x1 = load(p + 16), x2 = load(p + 32), x3 = load(p + 48);
    p += 64;
    n -= 64;
    const __m128i k512 = constants(kFold512Lo, kFold512Hi);
    for (; n >= 64; p += 64, n -= 64) {
        x0 = _mm_xor_si128(fold(x0, k512), load(p));
        x1 = _mm_xor_si128(fold(x1, k512), load(p + 16));
        x2 = _mm_xor_si128(fold(x2, k512), load(p + 32));
        x3 = _mm_xor_si128(fold(x3, k512), load(p + 48));
    }
    const __m128i k128 = constants(kFold128Lo, kFold128Hi);
    __m128i x = _mm_xor_si128(fold(x0, k128), x1);
    x = _mm_xor_si128(fold(x, k128), x2);
    x = _mm_xor_si128(fold(x, k128), x3);
    return finish(x, p, n);
}

JIAOYAN_VCLMUL std::uint32_t vclmulFold(std::uint32_t reg, const std::uint8_t* p, std::size_t n) {
    __m512i z0 = _mm512_xor_si512(loadZ(p), _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(reg))));
    __m512i z1 = loadZ(p + 64), z2 = loadZ(p + 128), z3 = loadZ(p + 192);
    p += 256;
    n -= 256;
    const __m512i k2048 = _mm512_broadcast_i32x4(constants(kFold2048Lo, kFold2048Hi));
    for (; n >= 256; p += 256, n -= 256) {
        z0 = foldZ(z0, k2048, loadZ(p));
        z1 = foldZ(z1, k2048, loadZ(p + 64));
        z2 = foldZ(z2, k2048, loadZ(p + 128));
        z3 = foldZ(z3, k2048, loadZ(p + 192));
    }
    // Sixteen 128-bit lanes in stream order, folded one into the next.
    const __m128i k128 = constants(kFold128Lo, kFold128Hi);
    const __m512i zs[4] = {z0, z1, z2, z3};
    __m128i x = _mm512_castsi512_si128(z0);
    for (int i = 1; i < 16; ++i) {
        const __m512i& z = zs[i / 4];
        __m128i lane;
        switch (i % 4) {
        case 0: lane = _mm512_extracti32x4_epi32(z, 0); break;
        case 1: lane = _mm512_extracti32x4_epi32(z, 1); break;
        case 2: lane = _mm512_extracti32x4_epi32(z, 2); break;
        default: lane = _mm512_extracti32x4_epi32(z, 3); break;
        }
        x = _mm_xor_si128(fold(x, k128), lane);
    }
    return finish(x, p, n);
}

} // namespace jiaoyan::detail

// Each digest through the provider layer beside OpenSSL EVP / Nettle called directly.
#include "Crc32.h"
#include "ScopedHash.h"
#include "ScopedProvider.h"

#include <benchmark/benchmark.h>
#include <nettle/md2.h>
#include <openssl/evp.h>
#include <zlib.h>

#include <vector>

using namespace jiaoyan;
using namespace jiaoyan::crypto;

namespace {

const std::vector<std::uint8_t>& buffer(std::size_t size) {
    static std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> d(64u << 20);
        for (std::size_t i = 0; i < d.size(); ++i)
            d[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
        return d;
    }();
    static std::vector<std::uint8_t> view;
    view.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size));
    return view;
}

void viaLayer(benchmark::State& state, std::uint32_t type, std::uint32_t algorithm) {
    const auto& data = buffer(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ScopedProvider provider(type);
        ScopedHash hash(provider.handle(), algorithm);
        hash.add(data);
        benchmark::DoNotOptimize(hash.value());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void viaEvp(benchmark::State& state, const char* name) {
    const auto& data = buffer(static_cast<std::size_t>(state.range(0)));
    EVP_MD* md = EVP_MD_fetch(nullptr, name, nullptr);
    unsigned char out[64];
    unsigned int n = 0;
    for (auto _ : state) {
        EVP_MD_CTX* ctx = EVP_MD_CTX_new();
        EVP_DigestInit_ex(ctx, md, nullptr);
        EVP_DigestUpdate(ctx, data.data(), data.size());
        EVP_DigestFinal_ex(ctx, out, &n);
        EVP_MD_CTX_free(ctx);
        benchmark::DoNotOptimize(out);
    }
    EVP_MD_free(md);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void viaNettleMd2(benchmark::State& state) {
    const auto& data = buffer(static_cast<std::size_t>(state.range(0)));
    std::uint8_t out[MD2_DIGEST_SIZE];
    for (auto _ : state) {
        md2_ctx ctx;
        md2_init(&ctx);
        md2_update(&ctx, data.size(), data.data());
        md2_digest(&ctx, sizeof out, out);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void crcPath(benchmark::State& state, Crc32Path path) {
    const auto& data = buffer(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(crc32Update(0xFFFFFFFFu, data, path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void crcZlib(benchmark::State& state) {
    const auto& data = buffer(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(crc32_z(0, data.data(), data.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

#define SIZES Arg(4 << 10)->Arg(1 << 20)->Arg(64 << 20)
BENCHMARK_CAPTURE(viaLayer, MD5, PROV_RSA_FULL, CALG_MD5)->SIZES;
BENCHMARK_CAPTURE(viaEvp, MD5, "MD5")->SIZES;
BENCHMARK_CAPTURE(viaLayer, SHA1, PROV_RSA_FULL, CALG_SHA1)->SIZES;
BENCHMARK_CAPTURE(viaEvp, SHA1, "SHA1")->SIZES;
BENCHMARK_CAPTURE(viaLayer, SHA256, PROV_RSA_AES, CALG_SHA_256)->SIZES;
BENCHMARK_CAPTURE(viaEvp, SHA256, "SHA256")->SIZES;
BENCHMARK_CAPTURE(viaLayer, SHA512, PROV_RSA_AES, CALG_SHA_512)->SIZES;
BENCHMARK_CAPTURE(viaEvp, SHA512, "SHA512")->SIZES;
BENCHMARK_CAPTURE(viaLayer, MD2, PROV_RSA_FULL, CALG_MD2)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(viaNettleMd2)->Arg(4 << 10)->Arg(1 << 20);

BENCHMARK_CAPTURE(crcPath, Table, Crc32Path::Table)->Arg(64 << 20);
BENCHMARK_CAPTURE(crcPath, Slicing, Crc32Path::Slicing)->Arg(64 << 20);
BENCHMARK_CAPTURE(crcPath, Clmul, Crc32Path::Clmul)->Arg(64 << 20);
BENCHMARK_CAPTURE(crcPath, VClmul, Crc32Path::VClmul)->Arg(64 << 20);
BENCHMARK(crcZlib)->Arg(64 << 20);

} // namespace

BENCHMARK_MAIN();

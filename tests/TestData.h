#pragma once
#include <random>
#include <string>

// Reproducible pseudo-random bytes for test files and buffers.
inline std::string randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(rng());
    return s;
}

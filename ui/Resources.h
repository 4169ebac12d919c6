#pragma once
// Byte resources held inside the program: the pictures and the skin.
#include <string_view>

namespace jiaoyan::resources {

extern const std::string_view dropAreaPng;
extern const std::string_view appIcon16Png;
extern const std::string_view appIcon32Png;
extern const std::string_view appIcon48Png;
extern const std::string_view appIcon256Png;
extern const std::string_view skinData;

} // namespace jiaoyan::resources

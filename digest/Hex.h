#pragma once
#include "Bytes.h"

namespace jiaoyan {

// Two digits a byte, high four bits first, from the given 16-digit table.
std::string hexWithDigits(ByteView bytes, const char* digits);

// Lower-case hex text of the bytes.
std::string bytesToHex(ByteView bytes);

// The text with "0"s put before it up to `width`; longer texts stay as they are.
std::string padLeftZeros(std::string text, std::size_t width);

// Only "A" to "Z" change.
std::string asciiLower(std::string text);

} // namespace jiaoyan

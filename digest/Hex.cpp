#include "Hex.h"

namespace jiaoyan {

std::string hexWithDigits(ByteView bytes, const char* digits) {
    std::string text(bytes.size() * 2, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    return text;
}

std::string bytesToHex(ByteView bytes) { return hexWithDigits(bytes, "0123456789abcdef"); }

std::string padLeftZeros(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

std::string asciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace jiaoyan

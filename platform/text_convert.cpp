// The game's conversions between numbers and text.
#include <cstdint>
#include <string>

#include "platform/platform.h"

std::string TextFromInt(int value) {
    return std::to_string(value);
}

// Leading spaces and control characters are skipped, then an optional sign and
// the digits up to the first non-digit; no digits give 0. Too many digits wrap
// around as 32-bit arithmetic would.
int IntFromText(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) i++;
    int negative = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        i++;
    }
    uint32_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
        i++;
    }
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

std::string TrimText(const std::string& text) {
    size_t start = 0;
    size_t end = text.size();
    while (start < end && static_cast<unsigned char>(text[start]) <= 32) start++;
    while (end > start && static_cast<unsigned char>(text[end - 1]) <= 32) end--;
    return text.substr(start, end - start);
}

std::u16string WidenLatin1(const std::string& text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return wide;
}

std::string NarrowToLatin1(const std::u16string& text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (char16_t c : text) narrow.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    return narrow;
}

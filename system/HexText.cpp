#include "system/HexText.h"

uint32_t ParseHex(const char* text, std::size_t length) {
    if (length == 0) return 0;
    uint32_t value = 0;
    for (std::size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        uint32_t digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return 0;
        value = (value << 4) | digit;  // same as shifting digit i by 4 * (length - 1 - i)
    }
    return value;
}

void FormatHandleText(uint32_t handle, char* out, std::size_t outSize) {
    if (outSize == 0) return;
    char digits[8];
    std::size_t count = 0;
    do {
        digits[count++] = "0123456789ABCDEF"[handle & 0xF];
        handle >>= 4;
    } while (handle != 0);
    std::size_t written = 0;
    while (count > 0 && written + 1 < outSize) out[written++] = digits[--count];
    out[written] = '\0';
}

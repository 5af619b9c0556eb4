#include "base/ResourceIntegrity.h"

namespace {
// The table's words as stored; every host this builds for is little-endian.
uint32_t Word(const unsigned char* p) {
    uint32_t word;
    __builtin_memcpy(&word, p, 4);
    return word;
}
}  // namespace

uint32_t Crc32(const void* data, uint32_t size) {
    // Four byte-at-a-time tables, four bytes per step: the whole payload takes a few
    // milliseconds. Built on the stack for each call, they cost no bytes in the file.
    // Table k holds the CRC of a byte followed by k zero bytes.
    uint32_t table[4 * 256];
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
        table[i] = c;
    }
    for (int i = 256; i < 4 * 256; ++i) table[i] = (table[i - 256] >> 8) ^ table[table[i - 256] & 0xFF];

    const unsigned char* p = static_cast<const unsigned char*>(data);
    uint32_t c = ~0u;
    for (; size >= 4; size -= 4, p += 4) {
        c ^= Word(p);
        c = table[768 + (c & 0xFF)] ^ table[512 + ((c >> 8) & 0xFF)] ^ table[256 + ((c >> 16) & 0xFF)] ^ table[c >> 24];
    }
    while (size--) c = table[(c ^ *p++) & 0xFF] ^ (c >> 8);
    return ~c;
}

bool ResourcesMatchTable(unsigned tableNumber, RawResourceLookup lookup) {
    unsigned long left;
    const unsigned char* row = static_cast<const unsigned char*>(lookup(tableNumber, &left));
    // Any bytes followed by their own CRC-32 have this CRC-32; a missing table has none.
    if (Crc32(row, left) != 0x2144DF1Cu) return false;
    for (; left >= 16; left -= 12, row += 12) {
        unsigned long size;
        const void* data = lookup(Word(row), &size);
        if (!data || size != Word(row + 4) || Crc32(data, size) != Word(row + 8)) return false;
    }
    return true;
}

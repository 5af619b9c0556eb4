// The memory and string routines the compiler and the product call, for the shipped
// executable that links no C library. Plain byte loops: the blocks are small (paths and
// texts), and the payload is written straight from the resource without a copy.
#include <cstddef>

extern "C" {
void* memcpy(void* destination, const void* source, std::size_t count) {
    unsigned char* d = static_cast<unsigned char*>(destination);
    const unsigned char* s = static_cast<const unsigned char*>(source);
    while (count--) *d++ = *s++;
    return destination;
}

void* memmove(void* destination, const void* source, std::size_t count) {
    unsigned char* d = static_cast<unsigned char*>(destination);
    const unsigned char* s = static_cast<const unsigned char*>(source);
    if (d < s) {
        while (count--) *d++ = *s++;
    } else {
        while (count--) d[count] = s[count];
    }
    return destination;
}

void* memset(void* destination, int value, std::size_t count) {
    unsigned char* d = static_cast<unsigned char*>(destination);
    while (count--) *d++ = static_cast<unsigned char>(value);
    return destination;
}

int memcmp(const void* left, const void* right, std::size_t count) {
    const unsigned char* a = static_cast<const unsigned char*>(left);
    const unsigned char* b = static_cast<const unsigned char*>(right);
    for (; count--; ++a, ++b)
        if (*a != *b) return *a < *b ? -1 : 1;
    return 0;
}

void* memchr(const void* block, int value, std::size_t count) {
    const unsigned char* p = static_cast<const unsigned char*>(block);
    for (; count--; ++p)
        if (*p == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(p);
    return nullptr;
}

std::size_t strlen(const char* text) {
    const char* end = text;
    while (*end) ++end;
    return static_cast<std::size_t>(end - text);
}
}

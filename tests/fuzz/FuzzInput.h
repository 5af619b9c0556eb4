// Reading a fuzz input as a few choices followed by text, and buffers of exactly the size
// a rule is promised, so that AddressSanitizer sees a write one byte past the end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }

    // A length near the bounds where overruns happen (path 260 + NUL, rows of 65 bytes,
    // profile texts of 512), or any small one.
    std::size_t Length() {
        static const std::size_t kEdges[] = {0, 1, 2, 3, 4, 5, 8, 9, 63, 64, 65, 66, 100,
                                             258, 259, 260, 261, 262, 510, 511, 512, 513};
        uint8_t b = Byte();
        return b < 128 ? kEdges[b % (sizeof(kEdges) / sizeof(kEdges[0]))] : b - 128;
    }

    // length bytes of text taken from the input, repeated when it runs short; never a NUL.
    std::string Text(std::size_t length) {
        std::string text(length, 'x');
        for (std::size_t i = 0; i < length; ++i) {
            uint8_t b = m_at < m_size ? m_data[m_at + i % (m_size - m_at)] : 'x';
            text[i] = b ? static_cast<char>(b) : '\\';
        }
        m_at += length < m_size - m_at ? length : m_size - m_at;
        return text;
    }

private:
    const uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// A heap block of exactly size bytes, poisoned beyond its end by the sanitizer.
struct ExactBuffer {
    explicit ExactBuffer(std::size_t size) : bytes(size ? size : 1, '?'), size(size) {}
    char* data() { return bytes.data(); }
    std::vector<char> bytes;
    std::size_t size;
};

#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) __builtin_trap(); \
    } while (0)

// Reading a fuzz input as a few choices followed by text, and buffers of exactly the size
// a rule is promised, so that AddressSanitizer sees a write one byte past the end.
#pragma once
#include "tests/unit/CodePages.h"
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

    // The code page a text is read in: single-byte, 936 or 950.
    const codepage::CodePage& CodePage() {
        return codepage::kAll[Byte() % (sizeof(codepage::kAll) / sizeof(codepage::kAll[0]))];
    }

    // length bytes of text taken from the input, repeated when it runs short; never a NUL.
    // Bytes 1 to 7 stand for double-byte characters whose second byte is the backslash (a
    // lone lead byte where only one byte is left).
    std::string Text(std::size_t length) {
        static const char kLeads[] = "\xB3\xA5\xBB\x81\xD5\xFE\xA1";
        std::string text(length, 'x');
        for (std::size_t i = 0; i < length; ++i) {
            uint8_t b = m_at < m_size ? m_data[m_at + i % (m_size - m_at)] : 'x';
            text[i] = b ? static_cast<char>(b) : '\\';
            if (b >= 1 && b <= 7) {
                text[i] = kLeads[b - 1];
                if (i + 1 < length) text[++i] = '\\';
            }
        }
        m_at += length < m_size - m_at ? length : m_size - m_at;
        return text;
    }

private:
    const uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// Which bytes of text start a character, read in the code page of isLead.
inline std::vector<bool> CharStarts(const std::string& text, LeadByteTest isLead) {
    std::vector<bool> starts(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size(); i += isLead(static_cast<unsigned char>(text[i])) ? 2 : 1)
        starts[i] = true;
    starts[text.size()] = true;
    return starts;
}

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

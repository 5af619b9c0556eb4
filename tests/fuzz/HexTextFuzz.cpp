// Handle text: parsing any bytes of any length, and formatting into buffers of every size
// up to one more than the eight digits and the NUL need.
#include "FuzzInput.h"
#include "system/HexText.h"
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::size_t outSize = input.Byte() % (HANDLE_TEXT_SIZE + 2);
    uint32_t handle = 0;
    for (int i = 0; i < 4; ++i) handle = (handle << 8) | input.Byte();
    std::string text = input.Text(input.Length());

    // Read through an exact copy without a terminator: only length bytes may be touched.
    ExactBuffer exact(text.size());
    std::memcpy(exact.data(), text.data(), text.size());
    uint32_t parsed = ParseHex(exact.data(), text.size());
    if (text.size() > 0 && text.size() <= 8 && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos)
        FUZZ_CHECK(parsed == static_cast<uint32_t>(std::stoul(text, nullptr, 16)));

    char expected[HANDLE_TEXT_SIZE];
    std::snprintf(expected, sizeof(expected), "%X", static_cast<unsigned>(handle));
    ExactBuffer out(outSize);
    FormatHandleText(handle, out.data(), outSize);
    if (outSize > 0) {
        std::size_t length = std::strlen(expected) < outSize - 1 ? std::strlen(expected) : outSize - 1;
        FUZZ_CHECK(out.data()[length] == '\0');
        FUZZ_CHECK(std::memcmp(out.data(), expected, length) == 0);
        if (outSize >= HANDLE_TEXT_SIZE) FUZZ_CHECK(ParseHex(out.data(), length) == handle);
    }
    return 0;
}

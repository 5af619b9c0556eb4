// The shipped executable's own memory routines (runtime/Memory.cpp, built here under other
// names) against the C library's, on overlapping and disjoint blocks of one buffer.
#include "FuzzInput.h"

extern "C" {
void* SetupMemcpy(void*, const void*, std::size_t);
void* SetupMemmove(void*, const void*, std::size_t);
void* SetupMemset(void*, int, std::size_t);
int SetupMemcmp(const void*, const void*, std::size_t);
void* SetupMemchr(const void*, int, std::size_t);
std::size_t SetupStrlen(const char*);
}

namespace {
int Sign(int value) { return (value > 0) - (value < 0); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::size_t length = input.Length() % 300;
    std::string bytes = input.Text(length + 300);
    std::size_t from = input.Byte() % 300, to = input.Byte() % 300, count = input.Length() % 300;
    int value = input.Byte();
    if (input.Byte() & 1) bytes[input.Byte() % bytes.size()] = '\0';
    std::vector<char> mine(bytes.begin(), bytes.end()), theirs(mine);

    if (count <= mine.size() - (from > to ? from : to)) {
        FUZZ_CHECK(SetupMemmove(mine.data() + to, mine.data() + from, count) == mine.data() + to);
        std::memmove(theirs.data() + to, theirs.data() + from, count);
        FUZZ_CHECK(mine == theirs);
        FUZZ_CHECK(Sign(SetupMemcmp(mine.data() + from, mine.data() + to, count)) ==
                   Sign(std::memcmp(mine.data() + from, mine.data() + to, count)));
        FUZZ_CHECK(SetupMemchr(mine.data() + from, value, count) == std::memchr(mine.data() + from, value, count));
        if (from + count <= to || to + count <= from) {  // memcpy only for disjoint blocks
            SetupMemcpy(mine.data() + to, mine.data() + from, count);
            std::memcpy(theirs.data() + to, theirs.data() + from, count);
            FUZZ_CHECK(mine == theirs);
        }
        SetupMemset(mine.data() + from, value, count);
        std::memset(theirs.data() + from, value, count);
        FUZZ_CHECK(mine == theirs);
    }
    mine.push_back('\0');
    FUZZ_CHECK(SetupStrlen(mine.data() + from) == std::strlen(mine.data() + from));
    return 0;
}

// The integrity check of the raw-data resources: CRC-32 against its reference values, and
// the table against intact, damaged and missing resources.
#include "base/ResourceIntegrity.h"
#include <gtest/gtest.h>
#include <cstring>
#include <map>
#include <string>

namespace {
// The definition, one bit at a time.
uint32_t BitwiseCrc32(const std::string& bytes) {
    uint32_t c = ~0u;
    for (unsigned char byte : bytes) {
        c ^= byte;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    }
    return ~c;
}

TEST(Crc32, KnownValuesAndEveryTailLength) {
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(Crc32("", 0), 0u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes += static_cast<char>(i * 37 + 11);
    for (std::size_t length : {1, 2, 3, 4, 5, 7, 8, 13, 255, 256, 300})
        EXPECT_EQ(Crc32(bytes.data(), length), BitwiseCrc32(bytes.substr(0, length))) << length;
}

// Resources by number, as the executable would hold them; 190 is the table.
std::map<unsigned, std::string> g_resources;

const void* Lookup(unsigned number, unsigned long* size) {
    auto found = g_resources.find(number);
    *size = found == g_resources.end() ? 0 : found->second.size();
    return found == g_resources.end() ? nullptr : found->second.data();
}

std::string Words(std::initializer_list<uint32_t> words) {
    std::string out;
    for (uint32_t word : words) out.append(reinterpret_cast<const char*>(&word), 4);
    return out;
}

// The table the build writes for the resources other than 190.
std::string TableOf(const std::map<unsigned, std::string>& resources) {
    std::string rows;
    for (const auto& [number, bytes] : resources)
        if (number != 190) rows += Words({number, static_cast<uint32_t>(bytes.size()), BitwiseCrc32(bytes)});
    return rows + Words({BitwiseCrc32(rows)});
}

TEST(ResourcesMatchTable, RefusesEveryDamage) {
    const std::map<unsigned, std::string> good = {
        {200, "licence text"}, {213, std::string(1000, '\x5A') + "phrases"}, {250, "driver"}};
    const std::string table = TableOf(good);
    auto with = [&](auto change) {
        g_resources = good;
        g_resources[190] = table;
        change(g_resources);
        return ResourcesMatchTable(190, Lookup);
    };
    using Resources = std::map<unsigned, std::string>;
    EXPECT_TRUE(with([](Resources&) {}));
    const struct { const char* what; void (*change)(Resources&); } damages[] = {
        {"payload byte flipped", [](Resources& r) { r[213][500] ^= 0x01; }},
        {"licence byte flipped", [](Resources& r) { r[200][0] ^= 0x80; }},
        {"last byte flipped", [](Resources& r) { r[250].back() ^= 0x10; }},
        {"payload cut short", [](Resources& r) { r[213].pop_back(); }},
        {"payload grown", [](Resources& r) { r[213] += '\0'; }},
        {"listed resource missing", [](Resources& r) { r.erase(250); }},
        {"table missing", [](Resources& r) { r.erase(190); }},
        {"table byte flipped", [](Resources& r) { r[190][5] ^= 0x04; }},
        {"table check value flipped", [](Resources& r) { r[190].back() ^= 0x01; }},
        {"table cut by a row", [](Resources& r) { r[190].erase(0, 12); }},
        {"table cut short", [](Resources& r) { r[190].resize(10); }},
        {"table empty", [](Resources& r) { r[190].clear(); }}};
    for (const auto& damage : damages) EXPECT_FALSE(with(damage.change)) << damage.what;
}
}  // namespace

// Path joining, parent folders and directory levels at the 260-character bound, with
// names the length of the 65-byte name rows, into buffers of exactly the given size; paths
// read in a single-byte code page or in 936 or 950, where a backslash can be a trail byte.
#include "FuzzInput.h"
#include "base/PathText.h"
#include "system/ShellPaths.h"

namespace {
void CheckJoin(FuzzInput& input) {
    std::size_t outSize = input.Length();
    std::string a = input.Text(input.Length());
    std::string b = input.Text(input.Length());
    std::string c = input.Text(input.Length());
    ExactBuffer out(outSize);
    bool joined = JoinPath3(out.data(), outSize, a.c_str(), b.c_str(), c.c_str());
    std::string whole = a + b + c;
    FUZZ_CHECK(joined == (outSize > 0 && whole.size() <= SETUP_MAX_PATH && whole.size() < outSize));
    if (joined) FUZZ_CHECK(whole == out.data());
    else if (outSize > 0) FUZZ_CHECK(out.data()[0] == '\0');
}

void CheckParent(FuzzInput& input) {
    const codepage::CodePage& page = input.CodePage();
    std::size_t outSize = input.Length();
    std::string path = input.Text(input.Length());
    ExactBuffer out(outSize);
    GetParentDirectory(path.c_str(), out.data(), outSize, page.isLead);
    if (outSize == 0) return;
    std::string parent = out.data();
    FUZZ_CHECK(parent.size() < outSize);
    if (parent.empty()) return;
    FUZZ_CHECK(path.size() >= 5 && path.size() <= SETUP_MAX_PATH);
    FUZZ_CHECK(path.compare(0, parent.size(), parent) == 0 && parent.back() == '\\');
    FUZZ_CHECK(parent.size() < path.size());
    // The parent ends at a backslash of its own, and no later one but a final one follows.
    std::vector<bool> starts = CharStarts(path, page.isLead);
    FUZZ_CHECK(starts[parent.size() - 1]);
    for (std::size_t p = parent.size(); p + 1 < path.size(); ++p) FUZZ_CHECK(!starts[p] || path[p] != '\\');
}

void CheckLevels(FuzzInput& input) {
    const codepage::CodePage& page = input.CodePage();
    std::size_t capacity = input.Length();
    std::string path = input.Text(input.Length());
    std::vector<std::size_t> levels(capacity ? capacity : 1);
    std::size_t count = DirectoryLevels(path.c_str(), levels.data(), capacity, page.isLead);
    FUZZ_CHECK(count <= capacity);
    // Every level but the whole path ends before a backslash character, never inside one.
    std::vector<bool> starts = CharStarts(path, page.isLead);
    for (std::size_t i = 0; i < count; ++i) {
        FUZZ_CHECK(levels[i] <= path.size());
        FUZZ_CHECK(i == 0 || levels[i] > levels[i - 1]);
        FUZZ_CHECK(levels[i] == path.size() || (starts[levels[i]] && path[levels[i]] == '\\'));
    }
    // A path within the bound never has more levels than the product's fixed list holds.
    if (path.size() <= SETUP_MAX_PATH && capacity > SETUP_MAX_PATH) FUZZ_CHECK(count <= SETUP_MAX_PATH);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    switch (input.Byte() % 3) {
    case 0: CheckJoin(input); break;
    case 1: CheckParent(input); break;
    default: CheckLevels(input); break;
    }
    return 0;
}

// The language support the product's classes need without a C++ library: the wizard's
// pages live on the process heap, and a pure virtual call ends the process.
#include <windows.h>
#include <cstddef>

namespace {
void* HeapBlock(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    // Nothing can go on without its window object; the C++ library would terminate too.
    if (!block) ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
    return block;
}

void FreeHeapBlock(void* block) {
    if (block) HeapFree(GetProcessHeap(), 0, block);
}
}  // namespace

void* operator new(std::size_t size) { return HeapBlock(size); }
void* operator new[](std::size_t size) { return HeapBlock(size); }
void operator delete(void* block) noexcept { FreeHeapBlock(block); }
void operator delete[](void* block) noexcept { FreeHeapBlock(block); }
void operator delete(void* block, std::size_t) noexcept { FreeHeapBlock(block); }
void operator delete[](void* block, std::size_t) noexcept { FreeHeapBlock(block); }

extern "C" void __cxa_pure_virtual() {
    ExitProcess(ERROR_INVALID_FUNCTION);
}

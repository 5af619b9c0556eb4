// Hexadecimal text of layout handles; pure.
#pragma once
#include <cstddef>
#include <cstdint>

// Value of a hexadecimal text of length characters; 0 for an empty or unusable text.
uint32_t ParseHex(const char* text, std::size_t length);

// Formats a handle as "%X" would, into out (room for 9 bytes).
void FormatHandleText(uint32_t handle, char* out);

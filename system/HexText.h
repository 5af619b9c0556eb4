// Hexadecimal text of layout handles; pure.
#pragma once
#include <cstddef>
#include <cstdint>

#define HANDLE_TEXT_SIZE 9  // eight digits and the NUL

// Value of a hexadecimal text of length characters; 0 for an empty or unusable text.
uint32_t ParseHex(const char* text, std::size_t length);

// Formats a handle as "%X" would, into out (outSize bytes); like snprintf, a text longer
// than outSize - 1 digits is cut there.
void FormatHandleText(uint32_t handle, char* out, std::size_t outSize);

// Text rules of the language files: the line-break escape and the product-name formatter.
#pragma once
#include "base/LeadByte.h"
#include <cstddef>

// A text as the profile reader returns it: at most 511 bytes and the NUL.
#define LANG_TEXT_SIZE 512
// A text with the product name put in: a 511-byte format and a 511-byte name always fit.
#define LANG_FORMATTED_SIZE (2 * LANG_TEXT_SIZE)

// Replaces every backslash-n pair of text by a line feed, into out (outSize bytes), which
// may be text itself. Cuts at outSize - 1 bytes; returns the length written. A backslash
// that is the second byte of a double-byte character is no escape.
std::size_t ExpandLineBreaks(const char* text, char* out, std::size_t outSize, LeadByteTest isLead);

// Formats a translator-supplied text that holds one "%s" for the product name, into out
// (outSize bytes, cut at outSize - 1). The first "%s" receives the name, "%%" becomes "%",
// every other "%" sequence stays as written: a stray "%d" or a second "%s" in a language
// file can never read past the argument list. Returns the length written.
std::size_t FormatWithProduct(const char* format, const char* product, char* out, std::size_t outSize);

// File name of the language string file of a language index ("0804.lng", ...).
const char* LangFileName(int langIndex);

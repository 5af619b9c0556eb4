// Text rules of the language files: the line-break escape and the product-name formatter.
#pragma once
#include <string>

// Replaces every backslash-n pair by a line feed.
std::string ExpandLineBreaks(const std::string& text);

// Formats a translator-supplied text that holds one "%s" for the product name.
// The first "%s" receives the name, "%%" becomes "%", every other "%" sequence stays as
// written: a stray "%d" or a second "%s" in a language file can never read past the
// argument list.
std::string FormatWithProduct(const std::string& format, const std::string& product);

// File name of the language string file of a language index ("0804.lng", ...).
const char* LangFileName(int langIndex);

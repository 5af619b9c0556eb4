// Reading texts from the language string file of the current language. Every out buffer
// is outSize bytes; texts are cut to fit, LANG_TEXT_SIZE (LANG_FORMATTED_SIZE for
// formatted ones) holds any text whole.
#pragma once
#include <cstddef>

// Fills buffer (at least 260 bytes used) with the current directory and a trailing
// backslash. Returns the length the system reported, 0 on failure (the buffer is then empty).
int GetSetupDirectory(char* buffer, std::size_t size);

// Folder that holds the language files: the executable's own folder when the file of the
// current language lies there, otherwise the current directory. Ends in a backslash; empty
// when neither can be read.
void GetLangFileDirectory(char* out, std::size_t outSize);

// One text of the current language, "Error" when the file, section or key is missing;
// at most 511 bytes; "\n" escapes turned into line feeds.
void LoadLangString(const char* section, const char* key, char* out, std::size_t outSize);

// The text used as a format for MAIN/PRODUCT_NAME (see FormatWithProduct).
void LoadProductFormattedString(const char* section, const char* key, char* out, std::size_t outSize);

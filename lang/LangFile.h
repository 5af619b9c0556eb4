// Reading texts from the language string file of the current language.
#pragma once
#include <string>

// Fills a 260-byte buffer with the current directory and a trailing backslash.
// Returns the length the system reported, 0 on failure (the buffer is then empty).
int GetSetupDirectory(char* buffer);

// Folder that holds the language files: the executable's own folder when the file of the
// current language lies there, otherwise the current directory. Ends in a backslash.
std::string GetLangFileDirectory();

// One text of the current language, "Error" when the file, section or key is missing;
// at most 511 bytes; "\n" escapes turned into line feeds.
std::string LoadLangString(const char* section, const char* key);

// The text used as a format for MAIN/PRODUCT_NAME (see FormatWithProduct).
std::string LoadProductFormattedString(const char* section, const char* key);

// A temporary folder that holds the language files of a test and is the current directory
// while the object lives, so that LoadLangString reads the texts the test chose.
#pragma once
#include <string>

class LangFolder {
public:
    LangFolder();
    ~LangFolder();
    LangFolder(const LangFolder&) = delete;
    LangFolder& operator=(const LangFolder&) = delete;

    // Writes fileName (for example "0409.lng") into the folder. A file of that name beside
    // the test program would win over it; that is reported as a test failure.
    void Write(const char* fileName, const std::string& contents);
    const std::string& path() const { return m_path; }  // ends in a backslash

private:
    std::string m_path;
    std::string m_previous;
};

// English texts whose keys the workers and the layout registration read.
namespace testtext {
extern const char kTitle[];      // MAIN/DIALOG_TITLE
extern const char kImeName[];    // MAIN/IME_NAME
extern const char kFileError[];  // MSG/6
extern const char kImeError[];   // MSG/7
std::string EnglishFile();
}  // namespace testtext

#include "lang/LangText.h"

std::string ExpandLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatWithProduct(const std::string& format, const std::string& product) {
    std::string out;
    out.reserve(format.size() + product.size());
    bool nameUsed = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            char next = format[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next == 's' && !nameUsed) {
                out += product;
                nameUsed = true;
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

const char* LangFileName(int langIndex) {
    static const char names[3][65] = {"0804.lng", "0404.lng", "0409.lng"};
    return (langIndex >= 0 && langIndex < 3) ? names[langIndex] : names[2];
}

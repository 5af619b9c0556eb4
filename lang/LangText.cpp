#include "lang/LangText.h"

std::size_t ExpandLineBreaks(const char* text, char* out, std::size_t outSize, LeadByteTest isLead) {
    if (outSize == 0) return 0;
    std::size_t written = 0;
    bool trail = false;  // text[i] is the second byte of a double-byte character
    // Reading never falls behind writing, so out may be text itself.
    for (std::size_t i = 0; text[i] != '\0' && written + 1 < outSize; ++i) {
        if (!trail && text[i] == '\\' && text[i + 1] == 'n') {
            out[written++] = '\n';
            ++i;
        } else {
            trail = !trail && isLead(static_cast<unsigned char>(text[i]));
            out[written++] = text[i];
        }
    }
    out[written] = '\0';
    return written;
}

namespace {
struct Bounded {
    char* out;
    std::size_t room;  // bytes left before the NUL's place
    std::size_t written;
    void Put(char c) {
        if (written < room) out[written++] = c;
    }
};
}  // namespace

std::size_t FormatWithProduct(const char* format, const char* product, char* out, std::size_t outSize) {
    if (outSize == 0) return 0;
    Bounded text = {out, outSize - 1, 0};
    bool nameUsed = false;
    for (std::size_t i = 0; format[i] != '\0'; ++i) {
        if (format[i] == '%' && format[i + 1] != '\0') {
            char next = format[i + 1];
            if (next == '%') {
                text.Put('%');
                ++i;
                continue;
            }
            if (next == 's' && !nameUsed) {
                for (const char* p = product; *p; ++p) text.Put(*p);
                nameUsed = true;
                ++i;
                continue;
            }
        }
        text.Put(format[i]);
    }
    out[text.written] = '\0';
    return text.written;
}

const char* LangFileName(int langIndex) {
    static const char names[3][65] = {"0804.lng", "0404.lng", "0409.lng"};
    return (langIndex >= 0 && langIndex < 3) ? names[langIndex] : names[2];
}

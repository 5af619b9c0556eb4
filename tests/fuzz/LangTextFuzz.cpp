// The product-name formatter and the line-break escape against the unbounded rules they
// replace: within the buffer the same text, cut at outSize - 1 and always terminated; the
// escape read by character in a single-byte code page or in 936 or 950.
#include "FuzzInput.h"
#include "lang/LangText.h"

namespace {
std::string ExpectedExpansion(const std::string& text, LeadByteTest isLead) {
    std::vector<bool> starts = CharStarts(text, isLead);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (starts[i] && text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ExpectedFormat(const std::string& format, const std::string& product) {
    std::string out;
    bool nameUsed = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (format[i + 1] == 's' && !nameUsed) {
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

void CheckCut(const char* out, std::size_t length, std::size_t size, const std::string& whole) {
    if (size == 0) return;
    std::size_t expected = whole.size() < size - 1 ? whole.size() : size - 1;
    FUZZ_CHECK(length == expected);
    FUZZ_CHECK(out[length] == '\0');
    FUZZ_CHECK(std::memcmp(out, whole.data(), length) == 0);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const codepage::CodePage& page = input.CodePage();
    std::size_t outSize = input.Length();
    std::string format = input.Text(input.Length());
    std::string product = input.Text(input.Length());
    bool inPlace = input.Byte() & 1;

    ExactBuffer formatted(outSize);
    std::size_t length = FormatWithProduct(format.c_str(), product.c_str(), formatted.data(), outSize);
    CheckCut(formatted.data(), length, outSize, ExpectedFormat(format, product));

    std::string whole = ExpectedExpansion(format, page.isLead);
    if (inPlace) {
        // The profile reader's buffer expanded in place, as the language file reader does.
        ExactBuffer text(format.size() + 1);
        std::memcpy(text.data(), format.c_str(), format.size() + 1);
        length = ExpandLineBreaks(text.data(), text.data(), text.size, page.isLead);
        CheckCut(text.data(), length, text.size, whole);
    } else {
        ExactBuffer expanded(outSize);
        length = ExpandLineBreaks(format.c_str(), expanded.data(), outSize, page.isLead);
        CheckCut(expanded.data(), length, outSize, whole);
    }
    return 0;
}

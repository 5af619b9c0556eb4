// Lead-byte tests of the code pages the product runs in, as Windows' code-page tables give
// them (CPINFO.LeadByte): 936 and 950 both 0x81-0xFE, a single-byte code page none. The
// trail bytes 0x40-0x7E of both include the backslash 0x5C.
#pragma once
#include "base/LeadByte.h"

namespace codepage {
inline int LEAD_BYTE_CALL SingleByte(unsigned char) { return 0; }
inline int LEAD_BYTE_CALL DoubleByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

struct CodePage {
    const char* name;
    LeadByteTest isLead;
};
// Every code page the product's texts come in; a row of a table names the one it needs.
constexpr CodePage kAll[] = {{"1252", SingleByte}, {"936", DoubleByte}, {"950", DoubleByte}};
}  // namespace codepage

// Characters whose second byte is the backslash: code page 950's 許 功 蓋, and code page
// 936's 乗 (0x81 0x5C) and 誠 (0xD5 0x5C).
#define CP950_XU "\xB3\x5C"
#define CP950_GONG "\xA5\x5C"
#define CP950_GAI "\xBB\x5C"
#define CP936_A "\x81\x5C"
#define CP936_B "\xD5\x5C"

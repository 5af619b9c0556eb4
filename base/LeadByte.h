// Text of the active code page, stepped through by character; pure, no Windows headers.
// In code pages 936 and 950 a lead byte starts a two-byte character whose second byte can
// be 0x5C, the backslash: a scan for '\' must skip the second byte of every such character.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define LEAD_BYTE_CALL __stdcall  // IsDBCSLeadByte's convention, so the product passes it as is
#else
#define LEAD_BYTE_CALL
#endif

// True for a byte that starts a two-byte character in the code page the text is in.
typedef int(LEAD_BYTE_CALL* LeadByteTest)(unsigned char byte);

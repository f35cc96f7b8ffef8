#pragma once
// Shift-JIS (code page 932) byte classes shared by every part of the core.

// The system lead-byte test for code page 932.
inline bool IsSjisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length of the character starting at p within [p, end): 2 for a lead byte
// followed by another byte, else 1. A lead byte at the very end is one byte.
inline int SjisCharLen(const char* p, const char* end) {
  return (p + 1 < end && IsSjisLead(static_cast<unsigned char>(*p))) ? 2 : 1;
}

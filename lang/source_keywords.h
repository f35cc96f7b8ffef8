#pragma once
// The statement keywords of the BASIC dialect, as colouring marks them.

// True when the n bytes at p are a keyword (any letter case).
bool IsSourceKeyword(const unsigned char* p, int n);

#pragma once
// Identifier classes of colouring, word selection, completion and hints.
bool IsWordStart(unsigned char c);
bool IsWordChar(unsigned char c);

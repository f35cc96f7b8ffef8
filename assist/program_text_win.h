#pragma once
// The program text that member completion and parameter hints search: the
// document's text with its includes expanded, indexed, and rebuilt only when
// the document or one of its included files changed since the last lookup.
#include "assist/program_index.h"

// The index of the program text of a text document's slot, and the program
// byte of the document byte docPos. Null when the slot holds no text.
const ProgramIndex* ProgramIndexAt(int slot, int docPos, int& programPos);
// Drops the cached text and index (a document closed).
void ForgetProgramText(int slot);

#pragma once
// Whether a document has unsaved changes (text kinds and icons).
bool DocumentModified(int slot);
// Releases the record of a non-text document as its editor says.
void FreeOtherKindRecord(int slot);

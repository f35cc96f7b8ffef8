// Provisional: no completion list or hint window exists yet.
#include "assist/assist_hooks.h"

void CloseAssistPopups() {}
void CloseHintFor(int) {}
bool CompletionListOpen() { return false; }
void CloseCompletionList() {}
bool CompletionListTakeEnter(DocumentSlot&) { return false; }
void CompletionListKey(unsigned) {}
void CompletionListTyped(int) {}
bool CompletionListCharCloses(unsigned char) { return false; }
void CompletionListTrackCaret(DocumentSlot&) {}
void AssistAfterTyped(DocumentSlot&, unsigned char) {}
void HintTrackCaret(DocumentSlot&) {}

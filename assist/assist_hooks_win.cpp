// What happens after a character was typed into a text document: the
// parameter hint, block completion and member completion in Source
// documents, the attribute list in Html documents.
#include "assist/assist_hooks.h"

#include <string>
#include <vector>

#include "assist/attribute_list.h"
#include "assist/block_completion.h"
#include "assist/completion_list_win.h"
#include "assist/hint_window_win.h"
#include "assist/member_list.h"
#include "assist/program_text_win.h"
#include "shell/app.h"

namespace {

int SlotIndexOf(const DocumentSlot& slot) {
  const DocumentSlot* first = g_app.docs.slots;
  if (&slot < first || &slot >= first + DocumentTable::kSlots) return -1;
  return static_cast<int>(&slot - first);
}

void OfferHint(int slot, TextDocument& doc, unsigned char c) {
  if (g_app.settings.ParameterHint == 0 || CompletionListOpen()) return;
  if (!HintShown() && c != ' ' && c != '"' && c != '(') return;
  if (doc.editor) UpdateWindow(doc.editor);
  UpdateHintFor(slot);
}

void OfferBlockList(int slot, TextDocument& doc, int caret) {
  const int backNum = g_app.settings.BackNum_PairStatementComplement;
  BlockOffer offer;
  if (!OfferBlockCompletion(doc.RangePointer(0, caret), caret, caret - 1, backNum, offer)) return;
  ShowList(slot, std::move(offer.items), offer.startByte, 1, true, offer.open.indentation);
  if (CompletionListOpen() && doc.view) doc.view->UpdateCaret(false);
}

void OfferMemberList(int slot, TextDocument& doc, int caret) {
  const int backNum = g_app.settings.BackNum_PairStatementComplement;
  const int p = caret - 1;
  const char* text = doc.RangePointer(0, caret);
  // Only an expression worth resolving needs the program text.
  std::string expression;
  if (!CollectMemberExpression(text, caret, p, backNum, expression)) return;
  // Resolved at the operator: the caret may stand at the very end of a
  // procedure still being written, outside its range.
  int programCaret = 0;
  const ProgramIndex* program = ProgramIndexAt(slot, p, programCaret);
  if (!program) return;
  std::vector<CompletionItem> items;
  int startByte = 0;
  if (!OpenMemberList(text, caret, p, backNum, *program, programCaret, items, startByte)) return;
  ShowList(slot, std::move(items), startByte, 0, false, std::string());
  if (CompletionListOpen() && doc.view) doc.view->UpdateCaret(false);
}

void OfferAttributeList(int slot, TextDocument& doc, int caret) {
  std::vector<CompletionItem> items;
  int startByte = 0;
  if (!OpenAttributeList(doc.RangePointer(0, caret), caret, caret - 1, items, startByte)) return;
  ShowList(slot, std::move(items), startByte, 0, false, std::string());
  if (CompletionListOpen() && doc.view) doc.view->UpdateCaret(false);
}

}  // namespace

void CloseAssistPopups() {
  CloseList();
  CloseHint();
}

void CloseHintFor(int slot) {
  if (HintSlot() == slot) CloseHint();
  if (ListSlot() == slot) CloseList();
  ForgetProgramText(slot);
}

void AssistAfterTyped(DocumentSlot& slot, unsigned char c) {
  if (FinishListKeystroke()) return;
  const int index = SlotIndexOf(slot);
  if (index < 0 || !slot.text) return;
  TextDocument& doc = *slot.text;
  const int caret = doc.CaretByte();
  if (caret <= 0) return;
  if (slot.kind == kDocSource) {
    OfferHint(index, doc, c);
    if (IsBlockCompletionLetter(c) && g_app.settings.BackNum_PairStatementComplement != 0 && !CompletionListOpen())
      OfferBlockList(index, doc, caret);
    const bool arrow = c == '>' && caret >= 2 && doc.At(caret - 2) == '-';
    if ((c == '.' || arrow) && g_app.settings.IsShowComplementWnd == 1) OfferMemberList(index, doc, caret);
  } else if (slot.kind == kDocHtml && c == ' ') {
    OfferAttributeList(index, doc, caret);
  }
}

void HintTrackCaret(DocumentSlot& slot) {
  if (!HintShown() || slot.kind != kDocSource) return;
  const int index = SlotIndexOf(slot);
  if (index < 0) return;
  if (index != HintSlot()) {
    CloseHint();
    return;
  }
  UpdateHintFor(index);
}

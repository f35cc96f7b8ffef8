// What happens after a character was typed into a text document or its caret
// moved: the parameter hint, block completion and member completion in
// Source documents, the attribute list in Html documents.
#include "assist/assist_hooks_win.h"

#include <string>
#include <vector>

#include "assist/attribute_list.h"
#include "assist/block_completion.h"
#include "assist/completion_list_win.h"
#include "assist/hint_window_win.h"
#include "assist/member_list.h"
#include "assist/program_text_win.h"
#include "editor/editor_view_win.h"
#include "shell/app_win.h"

namespace {

bool ListOpen(EditorView& view) { return view.List().IsOpen(); }

void OfferHint(EditorView& view, unsigned char c) {
  if (g_app.settings.ParameterHint == 0 || ListOpen(view)) return;
  HintWindow& hint = view.Hint();
  if (!hint.Shown() && c != ' ' && c != '"' && c != '(') return;
  // The hint reads what the editor has painted.
  UpdateWindow(view.hwnd);
  hint.Update();
}

void OfferBlockList(EditorView& view, int caret) {
  TextDocument& doc = view.Doc();
  const int backNum = g_app.settings.BackNum_PairStatementComplement;
  BlockOffer offer;
  if (!OfferBlockCompletion(doc.RangePointer(0, caret), caret, caret - 1, backNum, offer)) return;
  view.List().Show(std::move(offer.items), offer.startByte, 1, true, offer.open.indentation);
  if (ListOpen(view)) view.UpdateCaret(false);
}

void OfferMemberList(EditorView& view, int caret) {
  TextDocument& doc = view.Doc();
  const int backNum = g_app.settings.BackNum_PairStatementComplement;
  const int p = caret - 1;
  const char* text = doc.RangePointer(0, caret);
  // Only an expression worth resolving needs the program text.
  std::string expression;
  if (!CollectMemberExpression(text, caret, p, backNum, expression)) return;
  // Resolved at the operator: the caret may stand at the very end of a
  // procedure still being written, outside its range.
  int programCaret = 0;
  const ProgramIndex* program = view.Program().IndexAt(view, p, programCaret);
  if (!program) return;
  std::vector<CompletionItem> items;
  int startByte = 0;
  if (!OpenMemberList(text, caret, p, backNum, *program, programCaret, items, startByte)) return;
  view.List().Show(std::move(items), startByte, 0, false, std::string());
  if (ListOpen(view)) view.UpdateCaret(false);
}

void OfferAttributeList(EditorView& view, int caret) {
  std::vector<CompletionItem> items;
  int startByte = 0;
  if (!OpenAttributeList(view.Doc().RangePointer(0, caret), caret, caret - 1, items, startByte)) return;
  view.List().Show(std::move(items), startByte, 0, false, std::string());
  if (ListOpen(view)) view.UpdateCaret(false);
}

}  // namespace

void AssistTrackCaret(EditorView& view) {
  view.List().TrackCaret();
  if (view.Doc().kind != DocumentKind::kSource) return;
  HintWindow& hint = view.Hint();
  if (hint.Shown()) hint.Update();
}

void AssistAfterTyped(EditorView& view, unsigned char c) {
  TextDocument& doc = view.Doc();
  const int caret = doc.CaretByte();
  if (caret <= 0) return;
  if (doc.kind == DocumentKind::kSource) {
    OfferHint(view, c);
    if (IsBlockCompletionLetter(c) && g_app.settings.BackNum_PairStatementComplement != 0 && !ListOpen(view))
      OfferBlockList(view, caret);
    const bool arrow = c == '>' && caret >= 2 && doc.At(caret - 2) == '-';
    if ((c == '.' || arrow) && g_app.settings.IsShowComplementWnd == 1) OfferMemberList(view, caret);
  } else if (doc.kind == DocumentKind::kHtml && c == ' ') {
    OfferAttributeList(view, caret);
  }
}

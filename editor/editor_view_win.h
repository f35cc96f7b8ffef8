#pragma once
// The editor window (class TextEditor) as an object: the view of one text
// document. It observes the document's edits, and after every command that
// changed the document or its selection it does one after-edit step: scroll
// the caret into view, repaint, place the caret, refresh the status bar, let
// the assistance follow the caret and refresh the command states.
#include <atomic>
#include <memory>
#include <string>

#include "editor/caret_moves.h"
#include "editor/editable_text.h"
#include "editor/paint_runs.h"
#include "editor/text_colouring.h"
#include "editor/view_geometry.h"
#include "platform/handles_win.h"
#include "platform/window_object_win.h"

class Ruler;
class CompletionList;
class HintWindow;
class ProgramText;

// What the after-edit step does with the scroll positions.
enum class ScrollToCaret {
  kNone,      // leave them (the caller scrolled already)
  kNormal,    // bring the caret into view
  kMinimal,   // the least horizontal move (drag auto-scroll)
  kCentre,    // centre the caret's row vertically when it has to move (search results)
};

struct AfterEdit {
  ScrollToCaret scroll = ScrollToCaret::kNormal;
  // The caret word for the web-search box is taken two columns left of the
  // caret, as after typing.
  bool edited = false;
};

class EditorView : public WindowObject<EditorView, DefaultProc::kWindow>, private TextObserver {
 public:
  EditorView(int slot, EditableText& text, Ruler* ruler);
  ~EditorView();
  EditorView(const EditorView&) = delete;
  EditorView& operator=(const EditorView&) = delete;

  // Creates the TextEditor window inside the document window.
  bool Create(HWND documentWindow);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // ---- the after-edit step and its parts
  void AfterCommand(const AfterEdit& step = AfterEdit());
  // Places caret and anchor, then the after-edit step (what the program
  // outside the editor calls after moving the selection).
  void SetSelection(int caretByte, int anchorByte, bool centre);
  // 1 when a scroll position changed.
  int EnsureCaretVisible(bool minimalHorizontal, bool centreVertical);
  // Scrolls to remembered positions, as far as the window allows.
  void RestoreScroll(int hPos, int vPos);
  void UpdateCaret(bool afterEdit);
  void Repaint();
  // After a change of the shaping settings or fonts.
  void Relayout(const TextLayout& layout);

  // ---- what other windows ask of the view
  int Slot() const { return slot_; }
  EditableText& Text() { return text_; }
  TextDocument& Doc() { return text_.doc; }
  const TextDocument& Doc() const { return text_.doc; }
  int GutterWidth() const { return gutterWidth_; }
  int GutterDigits() const { return gutterDigits_; }
  // The Ctrl-hover word, -1 when none.
  int LinkStart() const { return linkStart_; }
  int LinkEnd() const { return linkEnd_; }
  bool HasCaret() const { return hasCaret_; }
  // The word of the last Ctrl+click.
  const std::string& LinkWord() const { return linkWord_; }
  bool AutoScrolling() const { return autoScroll_.load() == 1; }
  int ScrollPos(int bar) const;
  ViewMetrics Metrics() const;
  // The screen position of the caret's top-left corner; false without a window.
  bool CaretScreenPoint(POINT& topLeft, int& cellWidth, int& rowHeight) const;
  TextRenderCaches& Caches() { return colouring_.caches; }
  // The assistance of this document (completion list, hint, program text).
  CompletionList& List();
  HintWindow& Hint();
  ProgramText& Program();
  // Closes the completion list and the parameter hint.
  void CloseAssistPopups();
  // Forgets the program text too (the document is no longer the active one).
  void ReleaseAssistance();
  // Stops the drag auto-scroll worker and waits for it (before the view goes).
  void JoinAutoScroll();

 private:
  void TextChanged(TextDocument& doc, const TextChange& change) override;

  // ---- messages (editor_view_win.cpp, editor_keys_win.cpp, editor_mouse_win.cpp,
  // editor_scroll_win.cpp, editor_ime_win.cpp, paint_editor_win.cpp)
  void OnSetFocus();
  void OnKillFocus();
  void OnPaint();
  void OnKeyDown(WPARAM key);
  void OnKeyUp(WPARAM key);
  void OnChar(WPARAM ch);
  void OnLButtonDown(int x, int y, WPARAM keys);
  void OnMouseMove(int x, int y, WPARAM keys);
  void OnLButtonUp(int x, int y);
  void OnLButtonDblClk(int x, int y);
  void OnRButtonUp(int x, int y);
  bool OnSetCursor();
  void OnVScroll(int code) { OnScrollBar(SB_VERT, code); }
  void OnHScroll(int code) { OnScrollBar(SB_HORZ, code); }
  void OnMouseWheel(int delta);
  void OnImeStartComposition();
  void OnImeComposition(LPARAM flags);
  void OnAutoScrollStep();

  // ---- keys
  void Navigate(NavKey key, unsigned virtualKey, bool shift, bool ctrl);
  void Backspace();
  void DeleteForward();
  void TypeCharacter(unsigned char c, bool shift);
  void TypeEnter();

  // ---- mouse
  bool InMargin(int x) const { return x >= 0 && x < gutterWidth_; }
  ViewPos PositionAt(int x, int y) const;
  bool FollowLink();
  void TrackLink(int x, int y, bool ctrl);

  // ---- scrolling
  void RefreshScrollRanges();
  bool SetScrollPosition(int bar, int pos);
  void ScrollBy(int bar, int delta);
  void OnScrollBar(int bar, int code);

  // ---- drag auto-scroll
  void StartAutoScroll();
  void StopAutoScroll() { autoScroll_ = 0; }
  void WaitForAutoScroll();

  // ---- painting
  void Paint(HDC dc);

  int slot_;
  EditableText& text_;
  Ruler* ruler_;
  TextColouring colouring_;
  int gutterWidth_ = 0;
  int gutterDigits_ = 1;
  int linkStart_ = -1;  // Ctrl-hover word [linkStart_, linkEnd_), -1 when none
  int linkEnd_ = -1;
  std::string linkWord_;  // the word of the last Ctrl+click
  bool hasCaret_ = false;         // the system caret belongs to this window
  bool caretHiddenLeft_ = false;  // hidden while left of the text area
  std::atomic<int> autoScroll_{0};
  KernelHandle autoScrollThread_;
  ScrollRange lastV_{-1, -1}, lastH_{-1, -1};  // what the scroll bars were last given
  PaintFrame frame_;                           // reused by every paint
  std::unique_ptr<CompletionList> list_;
  std::unique_ptr<HintWindow> hint_;
  std::unique_ptr<ProgramText> program_;
};

// The ruler above a text document (class Ruler).
class Ruler : public WindowObject<Ruler, DefaultProc::kWindow> {
 public:
  Ruler() = default;
  ~Ruler();
  bool Create(HWND documentWindow);
  void SetView(const EditorView* view) { view_ = view; }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void Repaint();

 private:
  void Paint(HDC dc);
  const EditorView* view_ = nullptr;
  std::unique_ptr<MemoryDC> strip_;  // as wide as the screen
};

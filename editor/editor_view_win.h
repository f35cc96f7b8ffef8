#pragma once
// The editor window's side of a text document, shared by the editor's Win32
// files: the view object behind TextDocument::view, the fonts and metrics,
// and the handlers the window procedure forwards to.
#include <string>

#include "editor/paint_runs.h"
#include "editor/render_cache.h"
#include "editor/view_geometry.h"
#include "platform/win_types.h"
#include "shell/document_table.h"

// Editor fonts and cell metrics, rebuilt with RebuildEditorFonts.

struct Ruler;

class EditorView : public CachedTextView {
 public:
  EditorView(HWND editor, int slot) : hwnd(editor), slot(slot) {}
  int EnsureCaretVisible(bool minimalHorizontal, bool centreVertical) override;
  void UpdateCaret(bool afterEdit) override;
  void Repaint() override;
  void RefreshCommandStates() override;

  HWND hwnd;
  int slot;
  Ruler* ruler = nullptr;
  bool hasCaret = false;         // the system caret belongs to this window
  bool caretHiddenLeft = false;  // hidden while left of the text area
  std::string linkWord;          // the word of the last Ctrl+click
  HANDLE autoScrollThread = nullptr;
  ScrollRange lastV{-1, -1}, lastH{-1, -1};  // what the scroll bars were last given
  PaintFrame frame;              // reused by every paint
};

// ---- lookups
// The slot of an editor window (through its parent, the document window), or null.
DocumentSlot* SlotOfEditor(HWND editor);
EditorView* ViewOf(const TextDocument& doc);
ViewMetrics MetricsOf(HWND editor, const TextDocument& doc);
int ScrollPos(HWND editor, int bar);
// The position under a client point, snapped (the point may lie outside the window).
ViewPos PositionAt(HWND editor, const TextDocument& doc, int x, int y);

// ---- scrolling (editor_scroll_win.cpp)
// The ranges for the document as it is now (widest line from the caches).
void RefreshScrollRanges(TextDocument& doc);
// Sets a scroll position; true when it changed.
bool SetScrollPosition(HWND editor, int bar, int pos);
void OnVScroll(HWND editor, int code);
void OnHScroll(HWND editor, int code);
void OnMouseWheel(HWND editor, int delta);

// ---- painting (paint_editor_win.cpp, ruler_win.cpp)
void PaintEditor(HDC dc, DocumentSlot& slot);
void PaintRuler(Ruler& ruler, HDC dc);
Ruler* CreateRuler(HWND documentWindow, int slot);
void DestroyRuler(Ruler* ruler);
HWND RulerWindow(const Ruler* ruler);
void RepaintRuler(const TextDocument& doc);

// ---- keyboard (editor_keys_win.cpp)
void OnKeyDown(HWND editor, WPARAM key);
void OnKeyUp(HWND editor, WPARAM key);
void OnChar(HWND editor, WPARAM ch);

// ---- mouse (editor_mouse_win.cpp)
void OnLButtonDown(HWND editor, int x, int y, WPARAM keys);
void OnMouseMove(HWND editor, int x, int y, WPARAM keys);
void OnLButtonUp(HWND editor, int x, int y);
void OnLButtonDblClk(HWND editor, int x, int y);
void OnRButtonUp(HWND editor, int x, int y);
bool OnSetCursor(HWND editor);

// ---- drag auto-scroll (editor_autoscroll_win.cpp)
void StartAutoScroll(TextDocument& doc);
void StopAutoScroll(TextDocument& doc);
// Stops the worker and waits for it to end (before the document goes away).
void JoinAutoScroll(TextDocument& doc);
void AutoScrollStep(HWND editor);

// ---- IME (editor_ime_win.cpp)
void OnImeStartComposition(HWND editor);
void OnImeComposition(HWND editor, LPARAM flags);

// wParam of WM_USER+80 posted by the auto-scroll worker (0: only UpdateCaret).
constexpr WPARAM kAutoScrollStep = 1;

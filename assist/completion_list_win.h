#pragma once
// The completion list of one editor (class ComplementWindow): a popup below
// the caret holding an owner-drawn list view. Keyboard focus never leaves the
// editor; the editor forwards the keys the list needs and reports typing, and
// the list follows the caret.
#include <string>
#include <vector>

#include "assist/completion_items.h"
#include "platform/handles_win.h"
#include "platform/window_object_win.h"

class EditorView;

class CompletionList : public WindowObject<CompletionList, DefaultProc::kWindow> {
 public:
  explicit CompletionList(EditorView& view);
  ~CompletionList();
  CompletionList(const CompletionList&) = delete;
  CompletionList& operator=(const CompletionList&) = delete;

  // Opens the list (closing an open one first). items are shown in the list's
  // sort order; block lists (kind 4) keep the indentation of the line that
  // opened the block for the insertion.
  void Show(std::vector<CompletionItem> items, int startByte, int typedLength, bool block,
            const std::string& indentation);
  void Close();
  bool IsOpen() const { return hwnd != nullptr; }

  // Enter while the list is open: true when a selected item was inserted (the Enter is consumed).
  bool TakeEnter();
  // Up, Down, Page Up, Page Down go to the list while it is open.
  void Key(unsigned virtualKey);
  // The typed length follows typing (+n) and Backspace (-1); the caret update
  // of the keystroke follows.
  void Typed(int delta);
  // Before a character is inserted: true when it closes the list (the caller
  // still inserts it).
  bool CharCloses(unsigned char c);
  // After the caret moved: narrowing, selecting, inserting a completed block
  // item, or closing.
  void TrackCaret();

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // The list view inside, subclassed.
  LRESULT HandleSubclassed(HWND w, UINT msg, WPARAM wp, LPARAM lp);

  // ---- what tests read
  std::vector<std::string> ItemTexts() const;
  int Selection() const;
  int ImageOf(int item) const;
  HWND ListView() const { return list_; }
  int StartByte() const { return startByte_; }
  int TypedLength() const { return typedLength_; }

 private:
  bool CreateWindows(POINT caret, int cx, int cy);
  void Fill();
  void Place(POINT caret, int cx, int cy);
  void SelectItem(int item);
  void SelectItemAt(LPARAM lp);
  bool InsertSelected();
  void FocusEditor();
  void DrawItem(const DRAWITEMSTRUCT& d);
  int ItemHeight() const;
  int WidestText() const;
  void OnDestroyed();

  EditorView& view_;
  HWND list_ = nullptr;
  ImageListHandle images_;
  std::vector<CompletionItem> items_;  // in list order
  int startByte_ = 0;
  int typedLength_ = 0;
  bool block_ = false;
  std::string indentation_;
};

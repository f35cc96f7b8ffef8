// The completion list: a popup (ComplementWindow) holding an owner-drawn
// list view. Keyboard focus never leaves the editor; the editor forwards the
// keys the list needs and reports typing and caret moves.
#include "assist/completion_list_win.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "assist/assist_hooks.h"
#include "assist/assist_test_access.h"
#include "assist/block_completion.h"
#include "assist/editor_geometry.h"
#include "assist/popup_geometry.h"
#include "editor/editing.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/window_procs.h"
#include "platform/sjis.h"

namespace {

constexpr COLORREF kListBackground = 0xF0F5FF;
constexpr COLORREF kBlockBackground = 0xFFF5F5;
constexpr COLORREF kBandTop = 0xD29682;
constexpr COLORREF kBandBottom = 0xBE5032;
constexpr UINT kRunPendingInsert = WM_APP + 1;
constexpr int kIconSize = 16;
constexpr int kIconLeft = 2;
constexpr int kTextGap = 5;

const int kImageIds[] = {IDI_CL_MEMBER, IDI_CL_PUBLIC,     IDI_CL_METHOD, IDI_CL_PUBMETHOD,
                         IDI_CL_BLOCK,  IDI_CL_COMMONATTR, IDI_CL_TAGATTR};

struct CompletionList {
  HWND popup = nullptr;
  HWND list = nullptr;
  HIMAGELIST images = nullptr;
  std::vector<CompletionItem> items;  // in list order
  int slot = -1;
  int startByte = 0;
  int typedLength = 0;
  int pendingTyped = 0;  // bytes of a character reported before its insertion
  bool block = false;
  std::string indentation;
  int pendingInsert = -1;
  uint64_t pendingVersion = 0;
};

CompletionList g_list;
// The list view's own procedure; kept apart from the list state, which is
// reset while the list view still receives its last messages.
WNDPROC g_listViewProc = nullptr;

DocumentSlot* ListDocument() {
  if (g_list.slot < 0 || g_list.slot >= DocumentTable::kSlots) return nullptr;
  DocumentSlot& s = g_app.docs.slots[g_list.slot];
  return s.InUse() && s.text ? &s : nullptr;
}

void FocusEditor() {
  DocumentSlot* s = ListDocument();
  if (s && s->text->editor && IsWindow(s->text->editor)) SetFocus(s->text->editor);
}

HIMAGELIST LoadItemImages() {
  HIMAGELIST images = ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK, 7, 0);
  if (!images) return nullptr;
  for (int id : kImageIds) {
    HICON icon = g_app.resLib ? static_cast<HICON>(LoadImageA(g_app.resLib, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                             kIconSize, kIconSize, 0))
                              : nullptr;
    if (!icon) icon = LoadIcon(nullptr, IDI_APPLICATION);
    ImageList_AddIcon(images, icon);
    DestroyIcon(icon);
  }
  return images;
}

int SelectedItem() {
  if (!g_list.list) return -1;
  return static_cast<int>(SendMessageA(g_list.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectItem(int item) {
  if (!g_list.list || item < 0) return;
  ListView_SetItemState(g_list.list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(g_list.list, item, FALSE);
}

// Replaces the typed part (or, for block items, the line's indentation
// through the caret) by the selected item. The list is closed first, so the
// caret updates of the edit find no list to follow.
bool InsertSelected() {
  const int sel = SelectedItem();
  DocumentSlot* s = ListDocument();
  if (sel < 0 || sel >= static_cast<int>(g_list.items.size()) || !s) return false;
  const std::string item = g_list.items[sel].text;
  const bool block = g_list.block;
  const std::string indentation = g_list.indentation;
  const int start = g_list.startByte;
  TextDocument& doc = *s->text;
  const int caret = doc.CaretByte();
  CloseList();
  if (block) {
    const BlockInsertion r = BlockItemInsertion(doc.RangePointer(0, caret), caret, start, caret, indentation, item);
    doc.SetSelection(r.replaceStart, r.replaceEnd, false);
    EditSelection(*s, r.text, false, true);
  } else {
    doc.SetSelection(std::min(start, caret), caret, false);
    EditSelection(*s, item, false, true);
  }
  return true;
}

void SelectItemAt(LPARAM lp) {
  LVHITTESTINFO hit{};
  hit.pt.x = static_cast<short>(LOWORD(lp));
  hit.pt.y = static_cast<short>(HIWORD(lp));
  const int item = static_cast<int>(SendMessageA(g_list.list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (item >= 0) SelectItem(item);
}

LRESULT CALLBACK ListSubclassProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_SETFOCUS:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      FocusEditor();
      return 0;
    case WM_LBUTTONDOWN:
      SelectItemAt(lp);
      FocusEditor();
      return 0;
    case WM_LBUTTONDBLCLK:
      SelectItemAt(lp);
      InsertSelected();
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_ESCAPE) {
        CloseList();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == 27) return 0;
      break;
  }
  return g_listViewProc ? CallWindowProcA(g_listViewProc, w, m, wp, lp) : DefWindowProcA(w, m, wp, lp);
}

// Rows blended only across the middle third of the band.
COLORREF BandColour(int row, int height) {
  const int top = height / 3, bottom = height - height / 3;
  if (row < top) return kBandTop;
  if (row >= bottom) return kBandBottom;
  const int span = std::max(1, bottom - top);
  auto mix = [&](int a, int b) { return a + (b - a) * (row - top) / span; };
  return RGB(mix(GetRValue(kBandTop), GetRValue(kBandBottom)), mix(GetGValue(kBandTop), GetGValue(kBandBottom)),
             mix(GetBValue(kBandTop), GetBValue(kBandBottom)));
}

// The items' font: the hint font, or the GUI font before fonts exist.
HGDIOBJ ItemFont() {
  return g_app.fonts.HintFont ? static_cast<HGDIOBJ>(g_app.fonts.HintFont) : GetStockObject(DEFAULT_GUI_FONT);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void DrawItem(const DRAWITEMSTRUCT& d) {
  const int item = static_cast<int>(d.itemID);
  if (item < 0 || item >= static_cast<int>(g_list.items.size())) return;
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  FillSolid(dc, r, g_list.block ? kBlockBackground : kListBackground);
  const int height = r.bottom - r.top;
  if (g_list.images)
    ImageList_Draw(g_list.images, CompletionImageIndex(g_list.items[item]), dc, r.left + kIconLeft,
                   r.top + (height - kIconSize) / 2, ILD_TRANSPARENT);
  RECT text = r;
  text.left += kIconLeft + kIconSize + kTextGap;
  const bool selected = ListView_GetItemState(g_list.list, item, LVIS_SELECTED) & LVIS_SELECTED;
  if (selected) {
    for (int row = 0; row < height; ++row) {
      RECT line{text.left - 2, r.top + row, r.right, r.top + row + 1};
      FillSolid(dc, line, BandColour(row, height));
    }
  }
  HGDIOBJ oldFont = SelectObject(dc, ItemFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
  const std::string& label = g_list.items[item].text;
  DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  SelectObject(dc, oldFont);
}

int ItemFontLineHeight() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ItemFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

void MeasureItem(MEASUREITEMSTRUCT& m) {
  m.itemHeight = static_cast<UINT>(std::max(kIconSize, ItemFontLineHeight()) + 2);
}

int WidestText() {
  HDC dc = GetDC(g_list.list);
  HGDIOBJ old = SelectObject(dc, ItemFont());
  int widest = 0;
  for (const CompletionItem& item : g_list.items) {
    SIZE size{};
    GetTextExtentPoint32A(dc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, old);
  ReleaseDC(g_list.list, dc);
  return widest;
}

void FillList() {
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  column.cx = 100;
  SendMessageA(g_list.list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  for (size_t i = 0; i < g_list.items.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(g_list.items[i].text.c_str());
    item.iImage = CompletionImageIndex(g_list.items[i]);
    item.lParam = static_cast<LPARAM>(i);
    SendMessageA(g_list.list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

int ItemHeight() {
  RECT r{};
  r.left = LVIR_BOUNDS;
  if (!g_list.items.empty() && SendMessageA(g_list.list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)) &&
      r.bottom > r.top)
    return r.bottom - r.top;
  MEASUREITEMSTRUCT m{};
  MeasureItem(m);
  return static_cast<int>(m.itemHeight);
}

bool CreateListWindows(POINT caret, int cx, int cy) {
  g_list.popup = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "ComplementWindow", "",
                                 WS_POPUP | WS_CLIPCHILDREN, caret.x - cx, caret.y + cy, 100, 100, g_app.frame,
                                 nullptr, g_app.instance, nullptr);
  if (!g_list.popup) return false;
  RECT client;
  GetClientRect(g_list.popup, &client);
  g_list.list = CreateWindowExA(0, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT | LVS_NOCOLUMNHEADER |
                                    LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_SHAREIMAGELISTS,
                                0, 0, client.right, client.bottom, g_list.popup, nullptr, g_app.instance, nullptr);
  if (!g_list.list) return false;
  ListView_SetExtendedListViewStyle(g_list.list, LVS_EX_FULLROWSELECT);
  WNDPROC original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(g_list.list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListSubclassProc)));
  if (original != ListSubclassProc) g_listViewProc = original;
  SendMessageA(g_list.list, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.fonts.HintFont), FALSE);
  const COLORREF background = g_list.block ? kBlockBackground : kListBackground;
  ListView_SetBkColor(g_list.list, background);
  ListView_SetTextBkColor(g_list.list, background);
  g_list.images = LoadItemImages();
  if (g_list.images) ListView_SetImageList(g_list.list, g_list.images, LVSIL_SMALL);
  return true;
}

void PlaceList(POINT caret, int cx, int cy) {
  RECT window, client;
  GetWindowRect(g_list.popup, &window);
  GetClientRect(g_list.popup, &client);
  ListMetrics m;
  m.caretX = caret.x;
  m.caretY = caret.y;
  m.cellWidth = cx;
  m.rowHeight = cy;
  m.widestText = WidestText();
  m.itemHeight = ItemHeight();
  m.itemCount = static_cast<int>(g_list.items.size());
  m.frameWidth = (window.right - window.left) - client.right;
  m.frameHeight = (window.bottom - window.top) - client.bottom;
  m.scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
  m.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  m.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const ListPlacement p = PlaceCompletionList(m);
  SetWindowPos(g_list.popup, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(g_list.popup, &client);
  MoveWindow(g_list.list, 0, 0, client.right, client.bottom, FALSE);
  if (!p.scrollBar) ShowScrollBar(g_list.list, SB_VERT, FALSE);
  ListView_SetColumnWidth(g_list.list, 0, client.right - (p.scrollBar ? m.scrollBarWidth : 0));
}

void FollowCaret(DocumentSlot& slot) {
  TextDocument& doc = *slot.text;
  const int typed = g_list.typedLength;
  const int caret = doc.CaretByte();
  const std::string typedText = doc.Substr(g_list.startByte, g_list.startByte + std::max(typed, 0));
  // The typed text stands at offset 0 here: TrackCaret only reads that part.
  const TrackResult r = TrackCaret(g_list.items, g_list.block, typedText.data(), static_cast<int>(typedText.size()),
                                   caret - g_list.startByte, 0, typed);
  switch (r.action) {
    case TrackResult::kNone:
      break;
    case TrackResult::kClose:
      CloseList();
      break;
    case TrackResult::kSelect:
      SelectItem(r.item);
      break;
    case TrackResult::kInsert:
      // Inserted once the keystroke's own edit is complete (its undo entry
      // is recorded after the caret update that got here).
      SelectItem(r.item);
      g_list.pendingInsert = r.item;
      g_list.pendingVersion = doc.Version();
      PostMessageA(g_list.popup, kRunPendingInsert, 0, 0);
      break;
  }
}

void OnListDestroyed() {
  if (g_list.images) ImageList_Destroy(g_list.images);
  g_list = CompletionList();
}

}  // namespace

void ShowList(int slot, std::vector<CompletionItem> items, int startByte, int typedLength, bool block,
              const std::string& indentation) {
  CloseList();
  if (slot < 0 || slot >= DocumentTable::kSlots || !g_app.docs.slots[slot].text) return;
  TextDocument& doc = *g_app.docs.slots[slot].text;
  POINT caret{};
  int cx = 8, cy = 16;
  if (!EditorCaretScreenPoint(doc, caret, cx, cy)) return;
  HWND focus = GetFocus();
  SortCompletionItems(items);
  g_list.items = std::move(items);
  g_list.slot = slot;
  g_list.startByte = startByte;
  g_list.typedLength = typedLength;
  g_list.block = block;
  g_list.indentation = indentation;
  if (!CreateListWindows(caret, cx, cy)) {
    CloseList();
    return;
  }
  FillList();
  PlaceList(caret, cx, cy);
  ShowWindow(g_list.popup, SW_SHOWNOACTIVATE);
  if (focus && GetFocus() != focus) SetFocus(focus);
}

void CloseList() {
  if (g_list.popup && IsWindow(g_list.popup)) {
    DestroyWindow(g_list.popup);  // WM_DESTROY resets the state
  } else {
    OnListDestroyed();
  }
}

int ListSlot() { return g_list.popup ? g_list.slot : -1; }

bool FinishListKeystroke() {
  if (!g_list.popup) return false;
  DocumentSlot* s = ListDocument();
  if (g_list.pendingTyped) {
    g_list.pendingTyped = 0;
    if (s) FollowCaret(*s);
  }
  if (!g_list.popup || g_list.pendingInsert < 0) return false;
  const int item = g_list.pendingInsert;
  g_list.pendingInsert = -1;
  if (!s || s->text->Version() != g_list.pendingVersion) return false;
  SelectItem(item);
  return InsertSelected();
}

LRESULT CALLBACK ComplementWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_MEASUREITEM:
      MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
      return TRUE;
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) FocusEditor();
      return 0;
    case kRunPendingInsert:
      FinishListKeystroke();
      return 0;
    case WM_DESTROY:
      if (w == g_list.popup) OnListDestroyed();
      return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

// ---- the editor's side of the list

bool CompletionListOpen() { return g_list.popup != nullptr; }

void CloseCompletionList() { CloseList(); }

bool CompletionListTakeEnter(DocumentSlot&) {
  if (!g_list.popup) return false;
  if (InsertSelected()) return true;
  CloseList();
  return false;
}

void CompletionListKey(unsigned virtualKey) {
  if (g_list.list) SendMessageA(g_list.list, WM_KEYDOWN, virtualKey, 0);
}

void CompletionListTyped(int delta) {
  if (!g_list.popup) return;
  g_list.pendingTyped = 0;
  g_list.typedLength += delta;
  if (DocumentSlot* s = ListDocument()) FollowCaret(*s);
}

bool CompletionListCharCloses(unsigned char c) {
  if (!g_list.popup) return false;
  if (TypedCharClosesList(c, g_list.block)) {
    CloseList();
    return true;
  }
  // A double-byte character is reported by its first byte and inserted whole.
  g_list.pendingTyped = IsSjisLead(c) ? 2 : 1;
  return false;
}

void CompletionListTrackCaret(DocumentSlot& slot) {
  if (!g_list.popup) return;
  if (&slot != ListDocument()) {
    CloseList();
    return;
  }
  // The caret update of a typed character's own edit: the typed length
  // follows with CompletionListTyped, which then follows the caret.
  if (g_list.pendingTyped) return;
  FollowCaret(slot);
}

// ---- for tests

std::vector<std::string> CompletionListItemsForTest() {
  std::vector<std::string> texts;
  if (!g_list.list) return texts;
  const int count = ListView_GetItemCount(g_list.list);
  for (int i = 0; i < count; ++i) {
    char buffer[512] = {};
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(g_list.list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    texts.push_back(buffer);
  }
  return texts;
}

int CompletionListSelectionForTest() { return SelectedItem(); }

int CompletionListImageForTest(int index) {
  if (!g_list.list) return -1;
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  if (!SendMessageA(g_list.list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
  return item.iImage;
}

HWND CompletionListWindowForTest() { return g_list.popup; }
HWND CompletionListViewForTest() { return g_list.list; }
int CompletionListStartForTest() { return g_list.startByte; }
int CompletionListTypedForTest() { return g_list.typedLength; }

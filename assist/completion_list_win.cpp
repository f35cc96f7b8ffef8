// The completion list: a popup (ComplementWindow) holding an owner-drawn
// list view.
#include "assist/completion_list_win.h"

#include <algorithm>

#include "assist/block_completion.h"
#include "assist/popup_geometry.h"
#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "platform/sjis.h"
#include "platform/monitor_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"

namespace {

constexpr COLORREF kListBackground = 0xF0F5FF;
constexpr COLORREF kBlockBackground = 0xFFF5F5;
constexpr COLORREF kBandTop = 0xD29682;
constexpr COLORREF kBandBottom = 0xBE5032;
constexpr int kIconSize = 16;
constexpr int kIconLeft = 2;
constexpr int kTextGap = 5;
constexpr UINT_PTR kSubclassId = 1;

const int kImageIds[] = {IDI_CL_MEMBER, IDI_CL_PUBLIC,     IDI_CL_METHOD, IDI_CL_PUBMETHOD,
                         IDI_CL_BLOCK,  IDI_CL_COMMONATTR, IDI_CL_TAGATTR};

HIMAGELIST LoadItemImages() {
  HIMAGELIST images = ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK, 7, 0);
  if (!images) return nullptr;
  for (int id : kImageIds) {
    IconHandle icon(g_app.resLib ? static_cast<HICON>(LoadImageA(g_app.resLib.get(), MAKEINTRESOURCEA(id),
                                                                 IMAGE_ICON, kIconSize, kIconSize, 0))
                                 : nullptr);
    ImageList_AddIcon(images, icon ? icon.get() : LoadIcon(nullptr, IDI_APPLICATION));
  }
  return images;
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
  return g_app.fonts.HintFont ? static_cast<HGDIOBJ>(g_app.fonts.HintFont.get()) : GetStockObject(DEFAULT_GUI_FONT);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

int ItemFontLineHeight() {
  WindowDC dc(nullptr);
  SelectGuard font(dc.get(), ItemFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  return tm.tmHeight;
}

UINT MeasuredItemHeight() { return static_cast<UINT>(std::max(kIconSize, ItemFontLineHeight()) + 2); }

}  // namespace

CompletionList::CompletionList(EditorView& view) : view_(view) {}

CompletionList::~CompletionList() { Close(); }

LRESULT CompletionList::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM: reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = MeasuredItemHeight(); return TRUE;
    case WM_DRAWITEM: DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) FocusEditor();
      return 0;
    case WM_DESTROY: OnDestroyed(); return 0;
  }
  return Default(msg, wp, lp);
}

LRESULT CompletionList::HandleSubclassed(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETFOCUS:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: FocusEditor(); return 0;
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
        Close();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == 27) return 0;
      break;
    case WM_NCDESTROY: RemoveWindowSubclass(w, ObjectSubclassProc<CompletionList>, kSubclassId); break;
  }
  return DefSubclassProc(w, msg, wp, lp);
}

void CompletionList::FocusEditor() {
  if (view_.hwnd && IsWindow(view_.hwnd)) SetFocus(view_.hwnd);
}

int CompletionList::Selection() const {
  if (!list_) return -1;
  return static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CompletionList::SelectItem(int item) {
  if (!list_ || item < 0) return;
  ListView_SetItemState(list_, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, item, FALSE);
}

void CompletionList::SelectItemAt(LPARAM lp) {
  LVHITTESTINFO hit{};
  hit.pt.x = static_cast<short>(LOWORD(lp));
  hit.pt.y = static_cast<short>(HIWORD(lp));
  const int item = static_cast<int>(SendMessageA(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (item >= 0) SelectItem(item);
}

// Replaces the typed part (or, for block items, the line's indentation
// through the caret) by the selected item. The list is closed first, so the
// caret update of the edit finds no list to follow.
bool CompletionList::InsertSelected() {
  const int sel = Selection();
  if (sel < 0 || sel >= static_cast<int>(items_.size())) return false;
  const std::string item = items_[static_cast<size_t>(sel)].text;
  const bool block = block_;
  const std::string indentation = indentation_;
  const int start = startByte_;
  EditorView& view = view_;
  TextDocument& doc = view.Doc();
  const int caret = doc.CaretByte();
  Close();
  if (block) {
    const BlockInsertion r = BlockItemInsertion(doc.RangePointer(0, caret), caret, start, caret, indentation, item);
    doc.PlaceSelection(r.replaceStart, r.replaceEnd);
    EditSelection(view.Text(), r.text);
  } else {
    doc.PlaceSelection(std::min(start, caret), caret);
    EditSelection(view.Text(), item);
  }
  view.AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
  return true;
}

void CompletionList::DrawItem(const DRAWITEMSTRUCT& d) {
  const int item = static_cast<int>(d.itemID);
  if (item < 0 || item >= static_cast<int>(items_.size())) return;
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  FillSolid(dc, r, block_ ? kBlockBackground : kListBackground);
  const int height = r.bottom - r.top;
  const CompletionItem& it = items_[static_cast<size_t>(item)];
  if (images_)
    ImageList_Draw(images_.get(), CompletionImageIndex(it), dc, r.left + kIconLeft, r.top + (height - kIconSize) / 2,
                   ILD_TRANSPARENT);
  RECT text = r;
  text.left += kIconLeft + kIconSize + kTextGap;
  const bool selected = ListView_GetItemState(list_, item, LVIS_SELECTED) & LVIS_SELECTED;
  if (selected) {
    for (int row = 0; row < height; ++row) {
      RECT line{text.left - 2, r.top + row, r.right, r.top + row + 1};
      FillSolid(dc, line, BandColour(row, height));
    }
  }
  SelectGuard font(dc, ItemFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
  DrawTextA(dc, it.text.c_str(), static_cast<int>(it.text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
}

int CompletionList::WidestText() const {
  WindowDC dc(list_);
  SelectGuard font(dc.get(), ItemFont());
  int widest = 0;
  for (const CompletionItem& item : items_) {
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), item.text.c_str(), static_cast<int>(item.text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  return widest;
}

void CompletionList::Fill() {
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  column.cx = 100;
  SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  for (size_t i = 0; i < items_.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(items_[i].text.c_str());
    item.iImage = CompletionImageIndex(items_[i]);
    item.lParam = static_cast<LPARAM>(i);
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

int CompletionList::ItemHeight() const {
  RECT r{};
  r.left = LVIR_BOUNDS;
  if (!items_.empty() && SendMessageA(list_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)) && r.bottom > r.top)
    return r.bottom - r.top;
  return static_cast<int>(MeasuredItemHeight());
}

bool CompletionList::CreateWindows(POINT caret, int cx, int cy) {
  CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "ComplementWindow", "",
                  WS_POPUP | WS_CLIPCHILDREN, caret.x - cx, caret.y + cy, 100, 100, g_app.frame, nullptr,
                  g_app.instance, this);
  if (!hwnd) return false;
  RECT client;
  GetClientRect(hwnd, &client);
  list_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                              LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_SHAREIMAGELISTS,
                          0, 0, client.right, client.bottom, hwnd, nullptr, g_app.instance, nullptr);
  if (!list_) return false;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT);
  SetWindowSubclass(list_, ObjectSubclassProc<CompletionList>, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.fonts.HintFont.get()), FALSE);
  const COLORREF background = block_ ? kBlockBackground : kListBackground;
  ListView_SetBkColor(list_, background);
  ListView_SetTextBkColor(list_, background);
  images_.reset(LoadItemImages());
  if (images_) ListView_SetImageList(list_, images_.get(), LVSIL_SMALL);
  return true;
}

void CompletionList::Place(POINT caret, int cx, int cy) {
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  ListMetrics m;
  m.caretX = caret.x;
  m.caretY = caret.y;
  m.cellWidth = cx;
  m.rowHeight = cy;
  m.widestText = WidestText();
  m.itemHeight = ItemHeight();
  m.itemCount = static_cast<int>(items_.size());
  m.frameWidth = (window.right - window.left) - client.right;
  m.frameHeight = (window.bottom - window.top) - client.bottom;
  m.scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
  m.area = WorkAreaAt(caret.x, caret.y);
  const ListPlacement p = PlaceCompletionList(m);
  SetWindowPos(hwnd, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(hwnd, &client);
  MoveWindow(list_, 0, 0, client.right, client.bottom, FALSE);
  if (!p.scrollBar) ShowScrollBar(list_, SB_VERT, FALSE);
  ListView_SetColumnWidth(list_, 0, client.right - (p.scrollBar ? m.scrollBarWidth : 0));
}

void CompletionList::Show(std::vector<CompletionItem> items, int startByte, int typedLength, bool block,
                          const std::string& indentation) {
  Close();
  POINT caret{};
  int cx = 8, cy = 16;
  if (!view_.CaretScreenPoint(caret, cx, cy)) return;
  HWND focus = GetFocus();
  SortCompletionItems(items);
  items_ = std::move(items);
  startByte_ = startByte;
  typedLength_ = typedLength;
  block_ = block;
  indentation_ = indentation;
  if (!CreateWindows(caret, cx, cy)) {
    Close();
    return;
  }
  Fill();
  Place(caret, cx, cy);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  if (focus && GetFocus() != focus) SetFocus(focus);
}

void CompletionList::Close() {
  if (hwnd && IsWindow(hwnd)) {
    DestroyWindow(hwnd);  // WM_DESTROY forgets the state
  } else {
    OnDestroyed();
  }
}

void CompletionList::OnDestroyed() {
  list_ = nullptr;
  images_.reset();
  items_.clear();
  startByte_ = typedLength_ = 0;
  block_ = false;
  indentation_.clear();
}

bool CompletionList::TakeEnter() {
  if (!hwnd) return false;
  if (InsertSelected()) return true;
  Close();
  return false;
}

void CompletionList::Key(unsigned virtualKey) {
  if (list_) SendMessageA(list_, WM_KEYDOWN, virtualKey, 0);
}

void CompletionList::Typed(int delta) {
  if (hwnd) typedLength_ += delta;
}

bool CompletionList::CharCloses(unsigned char c) {
  if (!hwnd || !TypedCharClosesList(c, block_)) return false;
  Close();
  return true;
}

void CompletionList::TrackCaret() {
  if (!hwnd) return;
  TextDocument& doc = view_.Doc();
  const int typed = typedLength_;
  const int caret = doc.CaretByte();
  const std::string typedText = doc.Substr(startByte_, startByte_ + std::max(typed, 0));
  // The typed text stands at offset 0 here: TrackCaret only reads that part.
  const TrackResult r = ::TrackCaret(items_, block_, typedText.data(), static_cast<int>(typedText.size()),
                                     caret - startByte_, 0, typed);
  switch (r.action) {
    case TrackResult::kNone: break;
    case TrackResult::kClose: Close(); break;
    case TrackResult::kSelect: SelectItem(r.item); break;
    case TrackResult::kInsert:
      SelectItem(r.item);
      InsertSelected();
      break;
  }
}

std::vector<std::string> CompletionList::ItemTexts() const {
  std::vector<std::string> texts;
  if (!list_) return texts;
  const int count = ListView_GetItemCount(list_);
  for (int i = 0; i < count; ++i) {
    char buffer[512] = {};
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list_, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    texts.push_back(buffer);
  }
  return texts;
}

int CompletionList::ImageOf(int index) const {
  if (!list_) return -1;
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  if (!SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
  return item.iImage;
}

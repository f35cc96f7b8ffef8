// The side panel of an icon document (dialog 246) with its image list and
// buttons, the tool palette inside it (dialog 248), and the add-image dialog
// (259).
#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <string>
#include <vector>

#include "iconedit/icon_document_win.h"
#include "iconedit/icon_panels_win.h"
#include "platform/window_object_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/centre_on_frame_win.h"

namespace {

constexpr int kPaletteLeft = 20, kPaletteTop = 120, kPaletteWidth = 80, kPaletteHeight = 200;
constexpr int kToolbarId = 1;

// In palette order: the bitmap's cells, the rows (a wrap after the last of each) and the tooltips.
struct ToolButton {
  IconTool tool;
  bool endsRow;
  const char* name;
};
constexpr ToolButton kToolButtons[] = {
    {IconTool::kSelect, true, "選択"},
    {IconTool::kPen, false, "ペン"},
    {IconTool::kLine, false, "線"},
    {IconTool::kFill, true, "塗りつぶし"},
    {IconTool::kRectangle, false, "四角形"},
    {IconTool::kBorderedRectangle, false, "縁付き四角形"},
    {IconTool::kFilledRectangle, true, "塗りつぶし四角形"},
    {IconTool::kEllipse, false, "楕円"},
};

const char* ToolName(UINT_PTR id) {
  for (const ToolButton& b : kToolButtons)
    if (static_cast<UINT_PTR>(b.tool) == id) return b.name;
  return nullptr;
}

std::string ListText(HWND list, int index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  return text;
}

class AddImageDialog {
 public:
  explicit AddImageDialog(const std::vector<int>& formats) : formats_(formats) {}
  HWND hwnd = nullptr;

  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
      case WM_INITDIALOG: return OnInit();
      case WM_COMMAND:
        switch (LOWORD(wp)) {
          case IDOK: EndDialog(hwnd, Chosen()); return TRUE;
          case IDCANCEL: EndDialog(hwnd, -1); return TRUE;
          case IDC_ICON_FORMATS:
            if (HIWORD(wp) == LBN_DBLCLK) EndDialog(hwnd, Chosen());
            return TRUE;
        }
        break;
    }
    return FALSE;
  }

 private:
  BOOL OnInit() {
    CentreOnFrame(hwnd);
    HWND list = GetDlgItem(hwnd, IDC_ICON_FORMATS);
    for (int format : formats_)
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(IconFormatText(format).c_str()));
    return TRUE;
  }

  int Chosen() const {
    const LRESULT i = SendDlgItemMessageA(hwnd, IDC_ICON_FORMATS, LB_GETCURSEL, 0, 0);
    return i >= 0 && i < static_cast<LRESULT>(formats_.size()) ? formats_[static_cast<size_t>(i)] : -1;
  }

  const std::vector<int>& formats_;
};

}  // namespace

// ---- tool palette

IconToolPalette::~IconToolPalette() { DestroyObjectWindow(hwnd, true); }

bool IconToolPalette::Create(HWND sidePanel) {
  if (!g_app.resLib) return false;
  CreateDialogParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_ICON_TOOLS), sidePanel,
                     ObjectDialogProc<IconToolPalette>, reinterpret_cast<LPARAM>(this));
  if (!hwnd) return false;
  SetWindowPos(hwnd, nullptr, kPaletteLeft, kPaletteTop, kPaletteWidth, kPaletteHeight,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return true;
}

INT_PTR IconToolPalette::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: return OnInit();
    case WM_COMMAND:
      if (IsIconToolCommand(LOWORD(wp))) owner_.ChooseTool(static_cast<IconTool>(LOWORD(wp)));
      return TRUE;
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
  }
  return FALSE;
}

BOOL IconToolPalette::OnInit() {
  toolbar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                 CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                             0, 0, kPaletteWidth, kPaletteHeight, hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kToolbarId)), g_app.instance, nullptr);
  if (!toolbar_) return TRUE;
  SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
  images_.reset(ImageList_LoadImageA(g_app.resLib.get(), MAKEINTRESOURCEA(IDB_ICON_TOOLS), 16, 0,
                                     RGB(0xC0, 0xC0, 0xC0), IMAGE_BITMAP, LR_CREATEDIBSECTION));
  SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
  TBBUTTON buttons[std::size(kToolButtons)] = {};
  for (size_t i = 0; i < std::size(kToolButtons); ++i) {
    buttons[i].iBitmap = static_cast<int>(i);
    buttons[i].idCommand = static_cast<int>(kToolButtons[i].tool);
    buttons[i].fsState = static_cast<BYTE>(TBSTATE_ENABLED | (kToolButtons[i].endsRow ? TBSTATE_WRAP : 0));
    buttons[i].fsStyle = BTNS_CHECKGROUP;
  }
  SendMessageA(toolbar_, TB_ADDBUTTONSA, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
  Show(owner_.State().tool);
  return TRUE;
}

INT_PTR IconToolPalette::OnNotify(NMHDR* header) {
  if (header->code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    if (const char* name = ToolName(header->idFrom)) info->lpszText = const_cast<char*>(name);
    return TRUE;
  }
  if (header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    if (const char* name = ToolName(header->idFrom))
      MultiByteToWideChar(932, 0, name, -1, info->szText, static_cast<int>(std::size(info->szText)));
    return TRUE;
  }
  return FALSE;
}

void IconToolPalette::Show(IconTool tool) {
  if (toolbar_) SendMessageA(toolbar_, TB_CHECKBUTTON, static_cast<WPARAM>(tool), MAKELPARAM(TRUE, 0));
}

// ---- side panel

IconSidePanel::~IconSidePanel() { DestroyObjectWindow(hwnd, true); }

bool IconSidePanel::Create(HWND documentWindow) {
  if (!g_app.resLib) return false;
  CreateDialogParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_ICON_SIDEPANEL), documentWindow,
                     ObjectDialogProc<IconSidePanel>, reinterpret_cast<LPARAM>(this));
  if (!hwnd) return false;
  tools_.Create(hwnd);
  ShowWindow(hwnd, SW_SHOWNA);
  return true;
}

INT_PTR IconSidePanel::HandleMessage(UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return TRUE;
  }
  return FALSE;
}

void IconSidePanel::OnCommand(int id, int code) {
  switch (id) {
    case IDC_ICON_IMAGES:
      if (code == LBN_SELCHANGE) {
        const LRESULT index = SendDlgItemMessageA(hwnd, IDC_ICON_IMAGES, LB_GETCURSEL, 0, 0);
        if (index >= 0) owner_.ChooseImage(static_cast<int>(index));
      }
      break;
    case IDC_ICON_ADD: owner_.AddImage(); break;
    case IDC_ICON_DELETE: owner_.DeleteImage(); break;
  }
}

void IconSidePanel::Show(const IconDocState& doc) {
  HWND list = GetDlgItem(hwnd, IDC_ICON_IMAGES);
  const int count = static_cast<int>(doc.images.size());
  bool same = SendMessageA(list, LB_GETCOUNT, 0, 0) == count;
  for (int i = 0; same && i < count; ++i) same = ListText(list, i) == IconImageText(doc.images[static_cast<size_t>(i)]);
  if (!same) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const IconImage& image : doc.images)
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(IconImageText(image).c_str()));
  }
  if (SendMessageA(list, LB_GETCURSEL, 0, 0) != doc.currentImage)
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(doc.currentImage), 0);
  EnableWindow(GetDlgItem(hwnd, IDC_ICON_DELETE), count > 1);
  EnableWindow(GetDlgItem(hwnd, IDC_ICON_ADD), count < kMaxIconImages && !MissingIconFormats(doc).empty());
  tools_.Show(doc.tool);
}

int AskIconImageFormat(HWND owner, const std::vector<int>& formats) {
  if (!g_app.resLib) return -1;
  AddImageDialog dialog(formats);
  const INT_PTR chosen = DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_ICON_ADDIMAGE), owner,
                                         ObjectDialogProc<AddImageDialog>, reinterpret_cast<LPARAM>(&dialog));
  return chosen >= 0 && chosen < kIconFormatCount ? static_cast<int>(chosen) : -1;
}

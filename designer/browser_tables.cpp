#include "designer/browser_tables.h"

namespace {

const char kMouse[] = "flags As Long, x As Integer, y As Integer";
const char kKeys[] = "KeyCode As Long, flags As Long";
const char kScroll[] = "nScrollCode As Long, nPos As Integer, hwndScrollBar As HWND";

const BrowserEvent kWindowEvents[] = {
    {"Activate", "WM_ACTIVATE", "ｳｨﾝﾄﾞｳがｱｸﾃｨﾌﾞ、または非ｱｸﾃｨﾌﾞになった時", "state As Integer, minimized As Integer"},
    {"Create", "WM_CREATE", "ｳｨﾝﾄﾞｳ作成時", "ByRef CreateStruct As CREATESTRUCT"},
    {"Destroy", "WM_DESTROY", "ｳｨﾝﾄﾞｳ破棄時", ""},
    {"DropFiles", "WM_DROPFILES", "ｳｨﾝﾄﾞｳにﾌｧｲﾙがﾄﾞﾛｯﾌﾟされた時", "hDrop As HDROP"},
    {"HScroll", "WM_HSCROLL", "水平ｽｸﾛｰﾙ ﾊﾞｰ・ﾄﾗｯｸ ﾊﾞｰが移動した時", kScroll},
    {"KeyDown", "WM_KEYDOWN", "ｷｰが押された時", kKeys},
    {"KeyPress", "WM_CHAR", "ANSI文字ｷｰを押して離した時", kKeys},
    {"KeyUp", "WM_KEYUP", "ｷｰが離された時", kKeys},
    {"LButtonDblClick", "WM_LBUTTONDBLCLK", "ﾏｳｽの左ﾎﾞﾀﾝがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", kMouse},
    {"LButtonDown", "WM_LBUTTONDOWN", "ﾏｳｽの左ﾎﾞﾀﾝが押された時", kMouse},
    {"LButtonUp", "WM_LBUTTONUP", "ﾏｳｽの左ﾎﾞﾀﾝが離された時", kMouse},
    {"MButtonDblClick", "WM_MBUTTONDBLCLK", "ﾏｳｽの中央ﾎﾞﾀﾝがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", kMouse},
    {"MButtonDown", "WM_MBUTTONDOWN", "ﾏｳｽの中央ﾎﾞﾀﾝが押された時", kMouse},
    {"MButtonUp", "WM_MBUTTONUP", "ﾏｳｽの中央ﾎﾞﾀﾝが離された時", kMouse},
    {"MouseMove", "WM_MOUSEMOVE", "ﾏｳｽが移動した時", kMouse},
    {"Move", "WM_MOVE", "ｳｨﾝﾄﾞｳが移動した時", "x As Integer, y As Integer"},
    {"Notify", "WM_NOTIFY", "ｺﾓﾝｺﾝﾄﾛｰﾙからﾒｯｾｰｼﾞが通知された時", "ByRef nmHdr As NMHDR"},
    {"Paint", "WM_PAINT", "再描画要求が出された時", "hDC As HDC"},
    {"QueryClose", "WM_CLOSE", "ｳｨﾝﾄﾞｳの終了ﾎﾞﾀﾝが押された時", "ByRef cancel As Integer"},
    {"RButtonDblClick", "WM_RBUTTONDBLCLK", "ﾏｳｽの右ﾎﾞﾀﾝがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", kMouse},
    {"RButtonDown", "WM_RBUTTONDOWN", "ﾏｳｽの右ﾎﾞﾀﾝが押された時", kMouse},
    {"RButtonUp", "WM_RBUTTONUP", "ﾏｳｽの右ﾎﾞﾀﾝが離された時", kMouse},
    {"Resize", "WM_SIZE", "ｳｨﾝﾄﾞｳの大きさが変更された時", "SizeType As Long, cx As Integer, cy As Integer"},
    {"SetFocus", "WM_SETFOCUS", "ｷｰﾎﾞｰﾄﾞ ﾌｫｰｶｽを受け取った時", ""},
    {"Timer", "WM_TIMER", "設定したﾀｲﾏｰのﾀｲﾑ ｱｳﾄ時", "TimerID As DWord"},
    {"VScroll", "WM_VSCROLL", "垂直ｽｸﾛｰﾙ ﾊﾞｰ・ﾄﾗｯｸ ﾊﾞｰが移動した時", kScroll},
};

const BrowserEvent kMultimedia = {"MciNotify", "MM_MCINOTIFY", "MCIｺﾏﾝﾄﾞが完了したり異常終了した場合",
                                  "flags As Long, DevID As DWord"};

const BrowserEvent kCommandButton[] = {
    {"Click", "BN_CLICKED", "ﾎﾞﾀﾝがｸﾘｯｸされた時", ""},
    {"DblClick", "BN_DBLCLK", "ﾎﾞﾀﾝがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", ""},
};
const BrowserEvent kCheckBox[] = {
    {"Click", "BN_CLICKED", "ﾁｪｯｸ ﾎﾞｯｸｽがｸﾘｯｸされた時", ""},
    {"DblClick", "BN_DBLCLK", "ﾁｪｯｸ ﾎﾞｯｸｽがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", ""},
};
const BrowserEvent kComboBox[] = {
    {"CloseUp", "CBN_CLOSEUP", "ﾘｽﾄ ﾎﾞｯｸｽが非表示になる時", ""},
    {"DblClick", "CBN_DBLCLK", "ﾘｽﾄ内のｱｲﾃﾑがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", ""},
    {"DropDown", "CBN_DROPDOWN", "ﾘｽﾄ ﾎﾞｯｸｽがﾄﾞﾛｯﾌﾟ ﾀﾞｳﾝされる時", ""},
    {"EditChange", "CBN_EDITCHANGE", "ｴﾃﾞｨｯﾄ ﾎﾞｯｸｽの内容が変化した時（後処理）", ""},
    {"EditUpdate", "CBN_EDITUPDATE", "ﾘｽﾄ ﾎﾞｯｸｽが非表示になった時", ""},
    {"ErrSpace", "CBN_ERRSPACE", "ﾒﾓﾘ割り当てに失敗した時", ""},
    {"KillFocus", "CBN_KILLFOCUS", "入力ﾌｫｰｶｽを失った時", ""},
    {"SelChange", "CBN_SELCHANGE", "ﾘｽﾄ内の選択が変更された時", ""},
    {"SelEndCancel", "CBN_SELENDCANCEL", "ｺﾝﾎﾞ ﾎﾞｯｸｽの選択を取り消した時", ""},
    {"SelEndOk", "CBN_SELENDOK", "選択した項目が有効である時", ""},
    {"SetFocus", "CBN_SETFOCUS", "入力ﾌｫｰｶｽを取得した時", ""},
};
const BrowserEvent kEditBox[] = {
    {"Change", "EN_CHANGE", "ｴﾃﾞｨｯﾄ ﾎﾞｯｸｽの内容が変更された時（後処理）", ""},
    {"ErrSpace", "EN_ERRSPACE", "ﾒﾓﾘ割り当てに失敗した時", ""},
    {"HScroll", "EN_HSCROLL", "水平ｽｸﾛｰﾙを行った時", ""},
    {"KillFocus", "EN_KILLFOCUS", "入力ﾌｫｰｶｽを失った時", ""},
    {"MaxText", "EN_MAXTEXT", "文字数が上限を超えた時", ""},
    {"SetFocus", "EN_SETFOCUS", "入力ﾌｫｰｶｽを取得した時", ""},
    {"Update", "EN_UPDATE", "ｴﾃﾞｨｯﾄ ﾎﾞｯｸｽの内容が変更される時（前処理）", ""},
    {"VScroll", "EN_VSCROLL", "垂直ｽｸﾛｰﾙを行った時", ""},
};
const BrowserEvent kImageBox[] = {
    {"Click", "STN_CLICKED", "ｲﾒｰｼﾞ ﾎﾞｯｸｽがｸﾘｯｸされた時", ""},
    {"DblClick", "STN_DBLCLK", "ｲﾒｰｼﾞ ﾎﾞｯｸｽがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", ""},
};
const BrowserEvent kListBox[] = {
    {"SelChange", "LBN_SELCHANGE", "ﾘｽﾄ内の選択が変更された時", ""},
    {"DblClick", "LBN_DBLCLK", "ﾘｽﾄ内の文字列がﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", ""},
    {"ErrSpace", "LBN_ERRSPACE", "ﾘｽﾄのﾒﾓﾘ割り当てに失敗した時", ""},
    {"KillFocus", "LBN_KILLFOCUS", "入力ﾌｫｰｶｽを失った時", ""},
    {"SelCancel", "LBN_SELCANCEL", "ﾘｽﾄ内の選択が取り消された時", ""},
    {"SetFocus", "LBN_SETFOCUS", "入力ﾌｫｰｶｽを取得した時", ""},
};
const BrowserEvent kRadioButton[] = {
    {"Click", "BN_CLICKED", "ﾗｼﾞｵ ﾎﾞﾀﾝがｸﾘｯｸされた時", ""},
    {"DblClick", "BN_DBLCLK", "ﾗｼﾞｵ ﾎﾞﾀﾝがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", ""},
};
const BrowserEvent kStatic[] = {
    {"Click", "STN_CLICKED", "ｽﾀﾃｨｯｸ ﾃｷｽﾄがｸﾘｯｸされた時", ""},
    {"DblClick", "STN_DBLCLK", "ｽﾀﾃｨｯｸ ﾃｷｽﾄがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時", ""},
};

// The common rows' texts, shared by the tables below.
const char kClick[] = "ｺﾝﾄﾛｰﾙ内でﾏｳｽの左ﾎﾞﾀﾝがｸﾘｯｸされた時";
const char kDblClick[] = "ｺﾝﾄﾛｰﾙ内でﾏｳｽの左ﾎﾞﾀﾝがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時";
const char kKillFocus[] = "入力ﾌｫｰｶｽを失った時";
const char kOutOfMemory[] = "ﾒﾓﾘ不足でｺﾝﾄﾛｰﾙの動作が完了できない時";
const char kRClick[] = "ｺﾝﾄﾛｰﾙ内でﾏｳｽの右ﾎﾞﾀﾝがｸﾘｯｸされた時";
const char kRDblClick[] = "ｺﾝﾄﾛｰﾙ内でﾏｳｽの右ﾎﾞﾀﾝがﾀﾞﾌﾞﾙ ｸﾘｯｸされた時";
const char kReturn[] = "ｺﾝﾄﾛｰﾙに入力ﾌｫｰｶｽがあるときにEnterｷｰが押された時";
const char kSetFocus[] = "入力ﾌｫｰｶｽを取得した時";

const char kNmHdr[] = "ByRef nmHdr As NMHDR";
const char kNmListView[] = "ByRef nmListView As NMLISTVIEW";
const char kNmDispInfo[] = "ByRef nmLVDispInfo As NMLVDISPINFO";

const BrowserEvent kListView[] = {
    {"Click", "NM_CLICK", kClick, kNmListView},
    {"DblClick", "NM_DBLCLK", kDblClick, kNmListView},
    {"KillFocus", "NM_KILLFOCUS", kKillFocus, kNmHdr},
    {"OutOfMemory", "NM_OUTOFMEMORY", kOutOfMemory, kNmHdr},
    {"RClick", "NM_RCLICK", kRClick, kNmListView},
    {"RDblClick", "NM_RDBLCLK", kRDblClick, kNmListView},
    {"Return", "NM_RETURN", kReturn, kNmHdr},
    {"SetFocus", "NM_SETFOCUS", kSetFocus, kNmHdr},
    {"BeginDrag", "LVN_BEGINDRAG", "ﾏｳｽの左ﾎﾞﾀﾝでﾄﾞﾗｯｸﾞ&ﾄﾞﾛｯﾌﾟを始める時", kNmListView},
    {"BeginLabelEdit", "LVN_BEGINLABELEDIT", "ｱｲﾃﾑのﾗﾍﾞﾙの編集が開始された時", kNmDispInfo},
    {"BeginRDrag", "LVN_BEGINRDRAG", "ﾏｳｽの右ﾎﾞﾀﾝでﾄﾞﾗｯｸﾞ&ﾄﾞﾛｯﾌﾟを始める時", kNmListView},
    {"ColumnClick", "LVN_COLUMNCLICK", "ｶﾗﾑの1つがｸﾘｯｸされた時", kNmListView},
    {"DeleteAllItems", "LVN_DELETEALLITEMS", "ﾋﾞｭｰ内のすべてのｱｲﾃﾑが削除された時", kNmListView},
    {"DeleteItem", "LVN_DELETEITEM", "ﾋﾞｭｰ内のｱｲﾃﾑが削除された時", kNmListView},
    {"EndLabelEdit", "LVN_ENDLABELEDIT", "ｱｲﾃﾑのﾗﾍﾞﾙの編集が終了した時", kNmDispInfo},
    {"GetDispInfo", "LVN_GETDISPINFO", "親ｳｨﾝﾄﾞｳがﾃﾞｨｽﾌﾟﾚｲに関する情報を供給した時", kNmDispInfo},
    {"InsertItem", "LVN_INSERTITEM", "ﾋﾞｭｰ内にｱｲﾃﾑが挿入された時", kNmListView},
    {"ItemChanged", "LVN_ITEMCHANGED", "ﾋﾞｭｰ内のｱｲﾃﾑが変更された時", kNmListView},
    {"ItemChanging", "LVN_ITEMCHANGING", "ﾋﾞｭｰ内のｱｲﾃﾑを変更する時", kNmListView},
    {"KeyDown", "LVN_KEYDOWN", "ｷｰが押された時", "ByRef nmLVKeyDown As NMLVKEYDOWN"},
    {"SetDispInfo", "LVN_SETDISPINFO", "親ｳｨﾝﾄﾞｳがｱｲﾃﾑに対して情報を更新する必要がある時", kNmDispInfo},
};
const BrowserEvent kTreeView[] = {
    {"Click", "NM_CLICK", kClick, kNmHdr},
    {"DblClick", "NM_DBLCLK", kDblClick, kNmHdr},
    {"KillFocus", "NM_KILLFOCUS", kKillFocus, kNmHdr},
    {"OutOfMemory", "NM_OUTOFMEMORY", kOutOfMemory, kNmHdr},
    {"RClick", "NM_RCLICK", kRClick, kNmHdr},
    {"RDblClick", "NM_RDBLCLK", kRDblClick, kNmHdr},
    {"Return", "NM_RETURN", kReturn, kNmHdr},
    {"SetFocus", "NM_SETFOCUS", kSetFocus, kNmHdr},
};
const BrowserEvent kUpDown[] = {
    {"OutOfMemory", "NM_OUTOFMEMORY", kOutOfMemory, kNmHdr},
    {"Deltapos", "UDN_DELTAPOS", "ｺﾝﾄﾛｰﾙの位置が変えられようとしている時", "ByRef nmUpDown As NMUPDOWN"},
};
const BrowserEvent kProgressBar[] = {
    {"OutOfMemory", "NM_OUTOFMEMORY", kOutOfMemory, kNmHdr},
};
const BrowserEvent kTrackBar[] = {
    {"OutOfMemory", "NM_OUTOFMEMORY", kOutOfMemory, kNmHdr},
    {"ReleasedCapture", "NM_RELEASEDCAPTURE", "ﾏｳｽ ｷｬﾌﾟﾁｬ ﾘﾘｰｽの通知", kNmHdr},
    {"CustomDraw", "NM_CUSTOMDRAW", "ｶｽﾀﾑ描画操作の通知", kNmHdr},
};

template <size_t N>
BrowserEventList ListOf(const BrowserEvent (&rows)[N]) {
  return BrowserEventList{rows, N};
}

}  // namespace

BrowserEventList WindowBrowserEvents() { return ListOf(kWindowEvents); }

const BrowserEvent& MultimediaBrowserEvent() { return kMultimedia; }

BrowserEventList ControlBrowserEvents(ControlType type) {
  switch (type) {
    case ControlType::kCommandButton: return ListOf(kCommandButton);
    case ControlType::kCheckBox: return ListOf(kCheckBox);
    case ControlType::kComboBox: return ListOf(kComboBox);
    case ControlType::kEditBox: return ListOf(kEditBox);
    case ControlType::kImageBox: return ListOf(kImageBox);
    case ControlType::kListBox: return ListOf(kListBox);
    case ControlType::kListView: return ListOf(kListView);
    case ControlType::kRadioButton: return ListOf(kRadioButton);
    case ControlType::kStatic: return ListOf(kStatic);
    case ControlType::kTreeView: return ListOf(kTreeView);
    case ControlType::kUpDown: return ListOf(kUpDown);
    case ControlType::kProgressBar: return ListOf(kProgressBar);
    case ControlType::kTrackBar: return ListOf(kTrackBar);
    default: return BrowserEventList{};
  }
}

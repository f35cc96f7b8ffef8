// The event browser's rows, their existing-handler marks, the stub it inserts
// and where, the double-click handlers, and that every handler it writes is
// one the generated window procedure calls.
#include <gtest/gtest.h>

#include "designer/event_browser.h"
#include "designer/window_code.h"

namespace {

ProjectState Project(WindowType type) {
  ProjectState p;
  p.projectName = "Demo";
  p.projectDir = "C:\\P\\";
  WindowDef w = MakeNewWindowDef("Main", "hMain", "MainProc", type);
  w.menuId = "bar";
  for (int code = 1; code <= kControlTypeCount; ++code) {
    const ControlTypeInfo& info = *FindControlType(code);
    ControlDef c;
    c.name = std::string(info.typeName) + "1";
    c.controlType = info.type;
    c.style = info.style;
    w.controls.push_back(c);
  }
  p.windows.push_back(w);
  MenuDef bar = MakeNewMenuDef("Bar");
  MenuItemDef popup, open, sub, recent, empty, separator;
  popup.isPopup = sub.isPopup = empty.isPopup = true;
  popup.caption = "ファイル(&F)";
  open.idName = "IDM_OPEN";
  open.caption = "開く(&O)";
  recent.idName = "IDM_RECENT";
  recent.caption = "最近";
  separator.kind = MenuItemKind::kSeparator;
  sub.children = {recent, empty};
  popup.children = {open, separator, sub};
  bar.children = {popup};
  p.menus = {MakeNewMenuDef("Other"), bar};
  return p;
}

std::string Column(const std::vector<BrowserRow>& rows, std::string BrowserRow::*field) {
  std::string out;
  for (const BrowserRow& r : rows) out += (out.empty() ? "" : " ") + r.*field;
  return out;
}

TEST(EventBrowser, RowsOfEachMode) {
  const ProjectState p = Project(WindowType::kWindow);
  const auto window = BrowserRows(p, {0, -1, BrowserMode::kEvents, -1}, "");
  EXPECT_EQ(Column(window, &BrowserRow::event),
            "Activate Create Destroy DropFiles HScroll KeyDown KeyPress KeyUp LButtonDblClick LButtonDown LButtonUp "
            "MButtonDblClick MButtonDown MButtonUp MouseMove Move Notify Paint QueryClose RButtonDblClick "
            "RButtonDown RButtonUp Resize SetFocus Timer VScroll");
  ASSERT_EQ(window.size(), 26u);
  EXPECT_EQ(window[0].message, "WM_ACTIVATE");
  EXPECT_EQ(window[0].description, "ｳｨﾝﾄﾞｳがｱｸﾃｨﾌﾞ、または非ｱｸﾃｨﾌﾞになった時");
  EXPECT_EQ(window[0].parameters, "state As Integer, minimized As Integer");
  EXPECT_EQ(HandlerFieldText(window[18]), "Main_QueryClose(ByRef cancel As Integer)");
  EXPECT_EQ(HandlerFieldText(window[2]), "Main_Destroy()");
  EXPECT_EQ(window[6].message, "WM_CHAR");
  EXPECT_EQ(window[21].parameters, "flags As Long, x As Integer, y As Integer");

  const auto mci = BrowserRows(p, {0, -1, BrowserMode::kMultimedia, -1}, "");
  ASSERT_EQ(mci.size(), 1u);
  EXPECT_EQ(HandlerFieldText(mci[0]), "Main_MciNotify(flags As Long, DevID As DWord)");
  EXPECT_EQ(mci[0].description, "MCIｺﾏﾝﾄﾞが完了したり異常終了した場合");

  // The menu at opening is the window's (any letter case); items depth-first.
  const int menu = InitialBrowserMenu(p, 0);
  EXPECT_EQ(menu, 1);
  const auto items = BrowserRows(p, {0, -1, BrowserMode::kMenu, menu}, "");
  EXPECT_EQ(Column(items, &BrowserRow::handlerName), "Main_IDM_OPEN_MenuClick Main_IDM_RECENT_MenuClick");
  EXPECT_EQ(Column(items, &BrowserRow::message), "WM_COMMAND WM_COMMAND");
  EXPECT_EQ(items[0].description, "開く(&O)");
  EXPECT_EQ(HandlerFieldText(items[1]), "Main_IDM_RECENT_MenuClick()");
  EXPECT_TRUE(BrowserRows(p, {0, -1, BrowserMode::kMenu, -1}, "").empty());
  EXPECT_TRUE(BrowserRows(p, {0, -1, BrowserMode::kMenu, 0}, "").empty());

  ProjectState noMenu = p;
  noMenu.windows[0].menuId.reset();
  EXPECT_EQ(InitialBrowserMenu(noMenu, 0), -1);
  noMenu.windows[0].menuId = "Gone";
  EXPECT_EQ(InitialBrowserMenu(noMenu, 0), -1);
  EXPECT_EQ(InitialBrowserMenu(noMenu, 5), -1);
  EXPECT_TRUE(BrowserRows(p, {3, -1, BrowserMode::kEvents, -1}, "").empty());
  EXPECT_TRUE(BrowserRows(p, {0, 99, BrowserMode::kEvents, -1}, "").empty());
  EXPECT_TRUE(BrowserRows(p, {0, -1, BrowserMode::kMenu, 7}, "").empty());
}

TEST(EventBrowser, RowsOfEachControlType) {
  const ProjectState p = Project(WindowType::kWindow);
  struct Case {
    ControlType type;
    const char* events;
  };
  const Case cases[] = {
      {ControlType::kCommandButton, "Click DblClick"},
      {ControlType::kCheckBox, "Click DblClick"},
      {ControlType::kComboBox,
       "CloseUp DblClick DropDown EditChange EditUpdate ErrSpace KillFocus SelChange SelEndCancel SelEndOk SetFocus"},
      {ControlType::kEditBox, "Change ErrSpace HScroll KillFocus MaxText SetFocus Update VScroll"},
      {ControlType::kGroupBox, ""},
      {ControlType::kHScrollBar, ""},
      {ControlType::kImageBox, "Click DblClick"},
      {ControlType::kListBox, "SelChange DblClick ErrSpace KillFocus SelCancel SetFocus"},
      {ControlType::kListView,
       "Click DblClick KillFocus OutOfMemory RClick RDblClick Return SetFocus BeginDrag BeginLabelEdit BeginRDrag "
       "ColumnClick DeleteAllItems DeleteItem EndLabelEdit GetDispInfo InsertItem ItemChanged ItemChanging "
       "KeyDown SetDispInfo"},
      {ControlType::kRadioButton, "Click DblClick"},
      {ControlType::kStatic, "Click DblClick"},
      {ControlType::kTreeView, "Click DblClick KillFocus OutOfMemory RClick RDblClick Return SetFocus"},
      {ControlType::kVScrollBar, ""},
      {ControlType::kUpDown, "OutOfMemory Deltapos"},
      {ControlType::kProgressBar, "OutOfMemory"},
      {ControlType::kTrackBar, "OutOfMemory ReleasedCapture CustomDraw"},
  };
  for (const Case& c : cases) {
    const int index = static_cast<int>(c.type) - 1;
    const auto rows = BrowserRows(p, {0, index, BrowserMode::kEvents, -1}, "");
    EXPECT_EQ(Column(rows, &BrowserRow::event), c.events) << index;
    for (const BrowserRow& r : rows) {
      EXPECT_EQ(r.handlerName, "Main_" + p.windows[0].controls[static_cast<size_t>(index)].name + "_" + r.event);
    }
  }
  // Parameter lists of the notifying controls.
  auto field = [&](ControlType type, size_t row) {
    return HandlerFieldText(BrowserRows(p, {0, static_cast<int>(type) - 1, BrowserMode::kEvents, -1}, "")[row]);
  };
  EXPECT_EQ(field(ControlType::kListView, 0), "Main_ListView1_Click(ByRef nmListView As NMLISTVIEW)");
  EXPECT_EQ(field(ControlType::kListView, 2), "Main_ListView1_KillFocus(ByRef nmHdr As NMHDR)");
  EXPECT_EQ(field(ControlType::kListView, 9), "Main_ListView1_BeginLabelEdit(ByRef nmLVDispInfo As NMLVDISPINFO)");
  EXPECT_EQ(field(ControlType::kListView, 19), "Main_ListView1_KeyDown(ByRef nmLVKeyDown As NMLVKEYDOWN)");
  EXPECT_EQ(field(ControlType::kTreeView, 0), "Main_TreeView1_Click(ByRef nmHdr As NMHDR)");
  EXPECT_EQ(field(ControlType::kUpDown, 1), "Main_UpDown1_Deltapos(ByRef nmUpDown As NMUPDOWN)");
  EXPECT_EQ(field(ControlType::kTrackBar, 2), "Main_TrackBar1_CustomDraw(ByRef nmHdr As NMHDR)");
  EXPECT_EQ(field(ControlType::kComboBox, 3), "Main_ComboBox1_EditChange()");
}

TEST(EventBrowser, ExistingHandlersAreMarked) {
  const ProjectState p = Project(WindowType::kWindow);
  const std::string source =
      "sub main_create(ByRef c As CREATESTRUCT)\r\nEnd Sub\r\n"
      "/*\r\nSub Main_Paint(hDC As HDC)\r\n*/\r\n"
      "' Sub Main_Move(x As Integer, y As Integer)\r\n"
      "Sub Main_TimerX()\r\nSub Main_Timer.Old()\r\n"
      "Sub Main_KeyUp表()\n"
      "Sub Main_IDM_RECENT_MenuClick()\r\n";
  std::string marked;
  for (const BrowserRow& r : BrowserRows(p, {0, -1, BrowserMode::kEvents, -1}, source)) {
    if (r.exists) marked += r.event + " ";
  }
  EXPECT_EQ(marked, "Create KeyUp ");
  const auto items = BrowserRows(p, {0, -1, BrowserMode::kMenu, 1}, source);
  EXPECT_FALSE(items[0].exists);
  EXPECT_TRUE(items[1].exists);
}

TEST(EventBrowser, InsertsOrSelectsTheHandler) {
  // A new handler: a line break, the Sub line, an empty line and End Sub at
  // the end; the Sub line up to its parenthesis is selected.
  const std::string source = "' Main\r\nSub Main_Create(ByRef c As CREATESTRUCT)\r\nEnd Sub";
  HandlerEdit e = PlanHandlerEdit(source, "Main_QueryClose", "ByRef cancel As Integer");
  EXPECT_FALSE(e.exists);
  EXPECT_EQ(e.insertAt, source.size());
  EXPECT_EQ(e.insertText, "\r\nSub Main_QueryClose(ByRef cancel As Integer)\r\n\r\nEnd Sub\r\n");
  const std::string after = source + e.insertText;
  EXPECT_EQ(after.substr(e.selStart, e.selEnd - e.selStart), "Sub Main_QueryClose(ByRef cancel As Integer)");

  e = PlanHandlerEdit("", "Main_Destroy", "");
  EXPECT_EQ(e.insertText, "\r\nSub Main_Destroy()\r\n\r\nEnd Sub\r\n");
  EXPECT_EQ(e.selStart, 2u);
  EXPECT_EQ(e.selEnd, 20u);

  // An existing one in any letter case: nothing inserted, its line selected.
  e = PlanHandlerEdit(after, "main_create", "ByRef cancel As Integer");
  EXPECT_TRUE(e.exists);
  EXPECT_TRUE(e.insertText.empty());
  EXPECT_EQ(after.substr(e.selStart, e.selEnd - e.selStart), "Sub Main_Create(ByRef c As CREATESTRUCT)");
  EXPECT_TRUE(SourceDeclaresHandler(after, "MAIN_QUERYCLOSE"));
  EXPECT_FALSE(SourceDeclaresHandler(after, "Main_Query"));

  // One inside a block comment does not count; one after an LF does.
  EXPECT_FALSE(PlanHandlerEdit("/*\r\nSub Main_Paint()\r\n*/", "Main_Paint", "hDC As HDC").exists);
  e = PlanHandlerEdit("x\nSub Main_Paint(hDC As HDC)\nEnd Sub", "Main_Paint", "");
  EXPECT_TRUE(e.exists);
  EXPECT_EQ(e.selStart, 2u);
  EXPECT_EQ(e.selEnd, 28u);
}

TEST(EventBrowser, DoubleClickHandlers) {
  const ProjectState p = Project(WindowType::kWindow);
  std::string found;
  for (const ControlDef& c : p.windows[0].controls) {
    std::string name;
    if (DefaultControlHandler(p.windows[0], c, name)) found += name + " ";
  }
  EXPECT_EQ(found,
            "Main_CommandButton1_Click Main_CheckBox1_Click Main_ComboBox1_EditChange Main_EditBox1_Change "
            "Main_ImageBox1_Click Main_ListBox1_SelChange Main_RadioButton1_Click Main_Static1_Click ");
}

// Every row of every mode, inserted as a stub (and every double-click
// handler), is marked as present and called by the generated procedure.
TEST(EventBrowser, EveryInsertedStubIsDispatched) {
  for (WindowType type : {WindowType::kWindow, WindowType::kModalDialog, WindowType::kModelessDialog}) {
    const ProjectState p = Project(type);
    std::vector<BrowserQuery> queries = {{0, -1, BrowserMode::kEvents, -1},
                                         {0, -1, BrowserMode::kMultimedia, -1},
                                         {0, -1, BrowserMode::kMenu, InitialBrowserMenu(p, 0)}};
    for (int c = 0; c < kControlTypeCount; ++c) queries.push_back({0, c, BrowserMode::kEvents, -1});
    std::string source = "'テンプレート\r\n";
    std::vector<std::string> names;
    auto insert = [&](const std::string& name, const std::string& parameters) {
      const HandlerEdit e = PlanHandlerEdit(source, name, parameters);
      source.insert(e.insertAt, e.insertText);
      names.push_back(name);
    };
    for (const BrowserQuery& q : queries) {
      for (const BrowserRow& r : BrowserRows(p, q, source)) insert(r.handlerName, r.parameters);
    }
    for (const ControlDef& c : p.windows[0].controls) {
      std::string name;
      if (DefaultControlHandler(p.windows[0], c, name)) insert(name, "");
    }
    ASSERT_EQ(names.size(), 26u + 1u + 2u + 70u + 8u);
    for (const BrowserQuery& q : queries) {
      for (const BrowserRow& r : BrowserRows(p, q, source)) EXPECT_TRUE(r.exists) << r.handlerName;
    }
    const WindowCode code = GenerateWindowCode(p, {ScanHandlers(p.windows[0], p.menus, source)});
    for (const std::string& name : names) {
      EXPECT_NE(code.callback.find("\t" + name + "("), std::string::npos) << name;
    }
  }
}

}  // namespace

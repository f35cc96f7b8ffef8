// Which handlers ScanHandlers finds in a window's source: line ends, comments,
// strings, letter case, line numbers and Shift-JIS text around them.
#include <gtest/gtest.h>

#include "designer/handler_scan.h"
#include "designer/procedure_lines.h"

namespace {

WindowDef MainWindow() {
  WindowDef w = MakeNewWindowDef("Main", "hMain", "MainProc", WindowType::kWindow);
  ControlDef button;
  button.name = "Button1";
  button.controlType = ControlType::kCommandButton;
  ControlDef list;
  list.name = "List_View";  // an underscore inside a control name
  list.controlType = ControlType::kListView;
  w.controls = {button, list};
  return w;
}

std::vector<MenuDef> Menus() {
  MenuDef m = MakeNewMenuDef("MainMenu");
  MenuItemDef popup;
  popup.isPopup = true;
  popup.caption = "ファイル";
  MenuItemDef open;
  open.idName = "IDM_OPEN";
  open.caption = "開く";
  MenuItemDef empty;  // an empty popup has no ID
  empty.isPopup = true;
  popup.children = {open, empty};
  m.children = {popup};
  return {m};
}

// The index as one line: window events, then "name:type=events" entries, then
// "own" when the source defines the window procedure.
std::string Describe(const HandlerIndex& h) {
  std::string out;
  for (const std::string& e : h.windowEvents) out += e + " ";
  for (const ControlHandlers& c : h.controlEvents) {
    out += c.name + ":" + std::to_string(c.type) + "=";
    for (size_t i = 0; i < c.events.size(); ++i) out += (i ? "," : "") + c.events[i];
    out += " ";
  }
  if (h.ownProcedure) out += "own";
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

TEST(CodegenScan, FindsTheHandlersASourceDeclares) {
  struct Case {
    const char* source;
    const char* expected;
  };
  const Case cases[] = {
      {"Sub Main_Create(ByRef cs As CREATESTRUCT)\r\nEnd Sub\r\n", "Create"},
      {"", ""},
      {"Sub Main_Create", "Create"},           // the text may end right after the name
      {"Sub Main_Create(", "Create"},
      {"Sub", ""},
      {"Sub ", ""},
      {"SubMain_Create()", ""},
      {"sub main_create()\r\nSUB MAIN_PAINT(hDC As HDC)", "create PAINT"},
      {"  \t Sub \t Main_Move(x As Integer)", "Move"},
      {"100 Sub Main_Move()\r\n20\tSub Main_Timer()", "Move Timer"},
      {"100Sub Main_Move()", "Move"},
      {"x Sub Main_Move()", ""},
      {"End Sub Main_Move()", ""},
      {"Sub MainWnd_Create()", ""},           // another window's prefix
      {"Sub Main()", ""},
      {"Sub Main_()", ""},
      {"Sub Main_Create()\nSub Main_Paint()\nSub Main_Move()", "Create Paint Move"},
      {"Sub Main_Create()\rSub Main_Paint()\rSub Main_Move()", "Create Paint Move"},
      {"Sub Main_Create()\r\rSub Main_Paint()\n\nSub Main_Move()", "Create Paint Move"},
      {"Sub Main_Create()\r\nSub Main_Create()", "Create Create"},
      {"Sub Main_Unknown()", "Unknown"},       // kept in the index; the generator writes nothing for it
      // Comments and strings.
      {"/* Sub Main_Create() */\r\nSub Main_Paint()", "Paint"},
      {"/*\r\nSub Main_Create()\r\n*/\r\nSub Main_Paint()", "Paint"},
      {"/*\nSub Main_Create()\n*/\nSub Main_Paint()", "Paint"},
      {"/*\rSub Main_Create()\r*/\rSub Main_Paint()", "Paint"},
      {"/* open\r\nSub Main_Create()", ""},
      {"/*/\r\nSub Main_Create()\r\n*/\r\nSub Main_Paint()", "Paint"},
      {"Print \"/*\"\r\nSub Main_Create()", "Create"},
      {"Print \"a\" /* x */\r\nSub Main_Create()", "Create"},
      {"' /* not a comment opener\r\nSub Main_Create()", "Create"},
      {"Dim a=\"x\" ' \"/*\"\r\nSub Main_Create()", "Create"},
      {"Print \"unclosed /*\r\nSub Main_Create()", "Create"},  // strings end with their line
      {"' Sub Main_Create()", ""},
      {"Rem\r\n'Sub Main_Create()\r\nSub Main_Paint()", "Paint"},
      {"/* a */ Sub Main_Create()", ""},  // not at a line start
      // Shift-JIS around the handlers; a lone lead byte before a line end.
      {"' 表示ソ能\r\nSub Main_Create() '表\r\n", "Create"},
      {"Print \"ソ\"\r\nSub Main_Paint()", "Paint"},
      {"Dim s=\"\x81\"\r\nSub Main_Paint()\r\n", "Paint"},
      {"'\x81\r\nSub Main_Paint()", "Paint"},
      {"Sub Main_Paint表()", "Paint"},
      {"Sub Main_表()", ""},
      {"Sub 表Main_Paint()", ""},
      {"\x83\r\nSub Main_Paint()\x81", "Paint"},
      // Controls and menu items.
      {"Sub Main_Button1_Click()", "Button1:1=Click"},
      {"Sub main_BUTTON1_dblclick()\r\nSub Main_Button1_Click()", "Button1:1=dblclick,Click"},
      {"Sub Main_List_View_ItemChanged(ByRef n As NMLISTVIEW)", "List_View:9=ItemChanged"},
      {"Sub Main_Button2_Click()", ""},               // no such control
      {"Sub Main_Create_Helper()", ""},               // a helper, not a window event
      {"Sub Main_Button1_()", "Button1:1="},
      {"Sub Main_IDM_OPEN_MenuClick()", "IDM_OPEN:99=MenuClick"},
      {"Sub Main_idm_open_menuclick()", "IDM_OPEN:99=menuclick"},
      {"Sub Main_IDM_GONE_MenuClick()", ""},          // no such menu item
      {"Sub Main__MenuClick()", ""},                  // empty popups have no ID
      {"Sub Main_Button1_MenuClick()", ""},           // a control is no menu item
      {"Sub Main_Button1_Click()\r\nSub Main_IDM_OPEN_MenuClick()\r\nSub Main_Button1_DblClick()",
       "Button1:1=Click,DblClick IDM_OPEN:99=MenuClick"},
      // The window procedure.
      {"Function MainProc(hWnd As HWND) As LRESULT", "own"},
      {"function mainproc (hWnd As HWND)", "own"},
      {"Function MainProc\t(hWnd As HWND)", "own"},
      {"Function MainProcX(hWnd As HWND)", ""},
      {"Function MainProc", ""},
      {"Sub MainProc(hWnd As HWND)", ""},
      {"/*\r\nFunction MainProc(hWnd As HWND)\r\n*/", ""},
  };
  const WindowDef w = MainWindow();
  const std::vector<MenuDef> menus = Menus();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_EQ(Describe(ScanHandlers(w, menus, c.source)), c.expected);
  }
}

TEST(CodegenScan, DeclarationLinesEndAtTheirLineEnd) {
  const std::string text = "' c\r\nSub A(x)\r\n  Function B\tx\nSub  C";
  const std::vector<ProcedureLine> lines = FindProcedureLines(text);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].keywordPos, 5u);
  EXPECT_EQ(text.substr(lines[0].namePos, lines[0].lineEnd - lines[0].namePos), "A(x)");
  EXPECT_EQ(lines[1].keyword, ProcedureKeyword::kFunction);
  EXPECT_EQ(text.substr(lines[1].namePos, lines[1].lineEnd - lines[1].namePos), "B\tx");
  EXPECT_EQ(text.substr(lines[2].namePos, lines[2].lineEnd - lines[2].namePos), "C");
  EXPECT_EQ(lines[2].lineEnd, text.size());
  for (const auto& [name, declared] : {std::pair<const char*, bool>{"a", true}, {"A(", false}, {"", false}}) {
    EXPECT_EQ(DeclaresName(text, lines[0], name), declared) << name;
  }
}

}  // namespace

// Records and sources that used to give broken or wrong window code: each row
// sets one up and names lines the output must and must not hold.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "codegen_test_support.h"
#include "designer/designer_save.h"
#include "designer/event_browser.h"

namespace {

using codegen_test::CodePageFault;

ProjectState BaseProject() {
  ProjectState p;
  p.projectName = "Demo";
  p.projectDir = "C:\\P\\";
  p.windows.push_back(MakeNewWindowDef("Main", "hMain", "MainProc", WindowType::kWindow));
  p.windows.push_back(MakeNewWindowDef("Dlg", "hDlg1", "DlgProc", WindowType::kModalDialog));
  p.bitmaps.push_back(ResourceEntry{"IDB_BACK", "back.bmp", nullptr});
  p.icons.push_back(ResourceEntry{"IDI_APP", "app.ico", nullptr});
  MenuDef menu = MakeNewMenuDef("Bar");
  MenuItemDef popup, item, empty;
  popup.isPopup = true;
  popup.caption = "File";
  item.idName = "IDM_OPEN";
  item.caption = "Open";
  empty.isPopup = true;
  empty.caption = "Empty";
  popup.children = {item, empty};
  menu.children = {popup};
  p.menus.push_back(menu);
  return p;
}

ControlDef Control(const char* name, ControlType type, uint32_t style, const char* text = "") {
  ControlDef c;
  c.name = name;
  c.controlType = type;
  c.style = style;
  c.text = text;
  return c;
}

ControlDef ImageBox(const char* name, uint32_t style, int32_t imageType, const char* path) {
  ControlDef c = Control(name, ControlType::kImageBox, style);
  c.imageType = imageType;
  c.imagePath = path;
  return c;
}

struct Case {
  const char* name;
  std::function<void(ProjectState&, std::string& mainSource)> setUp;
  std::vector<std::string> present;  // in Callback.wbp + MakeWindow.wbp
  std::vector<std::string> absent;
};

TEST(CodegenFaults, OutputsForRecordsThatBrokeTheCode) {
  const Case cases[] = {
      {"a source with LF or CR line ends keeps every handler",
       [](ProjectState&, std::string& s) {
         s = "' x\nSub Main_Paint(hDC As HDC)\nEnd Sub\rSub Main_Timer(t As DWord)\r";
       },
       {"\t\t\tMain_Paint(hDC)\r\n", "\t\t\tMain_Timer(wParam As DWord)\r\n"},
       {}},
      {"the window name prefix in another letter case",
       [](ProjectState&, std::string& s) { s = "Sub MAIN_Create(ByRef c As CREATESTRUCT)\r\n"; },
       {"\t\t\tMain_Create(ByVal (lParam As VoidPtr))\r\n"},
       {}},
      {"a handler after a string holding /*",
       [](ProjectState&, std::string& s) { s = "Print \"/*\"\r\nSub Main_Move(x As Integer, y As Integer)\r\n"; },
       {"\t\tCase WM_MOVE\r\n"},
       {}},
      {"a handler in a block comment",
       [](ProjectState&, std::string& s) { s = "/*\r\nSub Main_Move(x As Integer, y As Integer)\r\n*/\r\n"; },
       {},
       {"WM_MOVE"}},
      {"a bitmap index past the list is the default colour",
       [](ProjectState& p, std::string&) { p.windows[0].bgColor = kBgColorFirstBitmap + 1; },
       {"_RadSys_wcl.hbrBackground=h3DFaceBrush\r\n"},
       {"_RadSys_hBackBrush0", "CreatePatternBrush"}},
      {"a bitmap in the list gives a pattern brush",
       [](ProjectState& p, std::string&) { p.windows[0].bgColor = kBgColorFirstBitmap; },
       {"_RadSys_hBackBrush0=CreatePatternBrush(LoadImage(GetModuleHandle(0),IDB_BACK,IMAGE_BITMAP,0,0,"
        "LR_DEFAULTSIZE or LR_SHARED))\r\n",
        "_RadSys_wcl.hbrBackground=_RadSys_hBackBrush0\r\n"},
       {"DeleteObject(_RadSys_hBackBrush0)"}},
      {"the most negative colour value",
       [](ProjectState& p, std::string&) { p.windows[1].bgColor = INT32_MIN; },
       {"_RadSys_hBackBrush1=CreateSolidBrush(2147483648)\r\n", "\tDeleteObject(_RadSys_hBackBrush1)\r\n"},
       {}},
      {"no brush does not keep the brush of the class before",
       [](ProjectState& p, std::string&) {
         p.windows[1].windowType = WindowType::kWindow;
         p.windows[1].bgColor = 16;
       },
       {"_RadSys_wcl.hbrBackground=h3DFaceBrush\r\n", "_RadSys_wcl.hbrBackground=NULL\r\n"},
       {}},
      {"an unknown icon is none",
       [](ProjectState& p, std::string&) {
         p.windows[0].iconId = "IDI_GONE";
         p.windows[1].iconId = "IDI_GONE";
       },
       {"_RadSys_wcl.hIcon=LoadIcon(NULL,MAKEINTRESOURCE(IDI_APPLICATION))\r\n"},
       {"IDI_GONE", "WM_SETICON"}},
      {"a known icon in another letter case",
       [](ProjectState& p, std::string&) { p.windows[1].iconId = "idi_app"; },
       {"LoadIcon(GetModuleHandle(0),MAKEINTRESOURCE(IDI_APP)) As LPARAM)\r\n"},
       {"idi_app"}},
      {"the class is registered and created under one name",
       [](ProjectState& p, std::string&) { p.windows[0].className = "MyWnd"; },
       {"_RadSys_wcl.lpszClassName=\"MyWnd0\"\r\n", "CreateWindowEx(&H00000000,\"MyWnd0\","},
       {"NORMAL0"}},
      {"window captions are escaped like control texts",
       [](ProjectState& p, std::string&) {
         p.windows[0].caption = "say \"hi\"";
         p.windows[1].caption = "\"";
       },
       {",\"say \"+Chr$(34)+\"hi\"+Chr$(34)+\"\",&H00cf0000,", ",\"NORMALDLG\",\"\"+Chr$(34)+\"\",&H00c80000,"},
       {}},
      {"line ends in captions and texts become blanks",
       [](ProjectState& p, std::string&) {
         p.windows[0].caption = "a\r\nb";
         p.windows[0].controls.push_back(Control("Static1", ControlType::kStatic, 0x50000000, "x\ny\rz"));
       },
       {"\"a  b\"", "\"x y z\""},
       {}},
      {"a lone lead byte cannot swallow the closing quote",
       [](ProjectState& p, std::string&) {
         p.windows[0].caption = "表\x81";
         p.windows[0].controls.push_back(Control("Static1", ControlType::kStatic, 0x50000000, "\x95\""));
       },
       {"\"表?\"", "\"?\"+Chr$(34)+\"\""},
       {}},
      {"a relative image path has its % doubled",
       [](ProjectState& p, std::string&) {
         p.windows[0].controls.push_back(ImageBox("Image1", 0x5000000e, 0, "img\\50%.bmp"));
       },
       {"\twsprintf(ImageFilePath,\"%simg\\50%%.bmp\",ModulePath)\r\n"},
       {}},
      {"a 0x5C second byte before a backslash is no double backslash",
       [](ProjectState& p, std::string&) {
         p.windows[0].controls.push_back(ImageBox("Image1", 0x50000003, 0, "表\\a.ico"));
       },
       {"\twsprintf(ImageFilePath,\"%s表\\a.ico\",ModulePath)\r\n"},
       {"As HINSTANCE,\"表"}},
      {"a resource image that is no project resource is skipped",
       [](ProjectState& p, std::string&) {
         p.windows[0].controls.push_back(ImageBox("Image1", 0x50000003, 1, ""));
         p.windows[0].controls.push_back(ImageBox("Image2", 0x5000000e, 1, "IDB_GONE"));
         p.windows[0].controls.push_back(ImageBox("Image3", 0x5000000e, 1, "IDI_APP"));  // an icon, not a bitmap
         p.windows[0].controls.push_back(ImageBox("Image4", 0x50000003, 2, "IDI_APP"));  // no such image type
       },
       {"Dim hImage_Main_Image1 As HANDLE\r\n", "\t\t\tDestroyIcon(hImage_Main_Image1)\r\n"},
       {"As *Byte", "STM_SETICON", "STM_SETIMAGE"}},
      {"a resource image in another letter case",
       [](ProjectState& p, std::string&) {
         p.windows[0].controls.push_back(ImageBox("Image1", 0x5000000e, 1, "idb_back"));
       },
       {"LoadImage(GetWindowLong(hWnd,GWL_HINSTANCE) As HINSTANCE,IDB_BACK As *Byte,IMAGE_BITMAP,0,0,LR_DEFAULTSIZE)"},
       {}},
      {"a menu caption cannot end its Ex string early",
       [](ProjectState& p, std::string&) {
         p.menus[0].children[0].children[0].caption = "C:\\";
         p.menus[0].children[0].caption = "a\\\\\"b\"";
       },
       {"Ex\"C:\\\\\",IDM_OPEN,0,0\r\n", "Ex\"a\\\\\"+Chr$(34)+Ex\"b\"+Chr$(34)+Ex\"\",0,hMenu_Bar_0,0\r\n"},
       {}},
      {"a handler declared twice gets one block",
       [](ProjectState&, std::string& s) {
         s = "#ifdef A\r\nSub Main_Paint(hDC As HDC)\r\n#else\r\nSub Main_Paint(hDC As HDC)\r\n#endif\r\n";
       },
       {"\t\tCase WM_PAINT\r\n"},
       {"EndPaint(hWnd,ps)\r\n\t\tCase WM_PAINT"}},
      {"a menu handler of an item that is gone",
       [](ProjectState&, std::string& s) { s = "Sub Main_IDM_GONE_MenuClick()\r\nSub Main_IDM_OPEN_MenuClick()\r\n"; },
       {"\t\t\t\tCase IDM_OPEN\r\n\t\t\t\t\tMain_IDM_OPEN_MenuClick()\r\n"},
       {"IDM_GONE"}},
      {"a control of no known type is not created",
       [](ProjectState& p, std::string&) {
         p.windows[0].controls.push_back(Control("Odd1", static_cast<ControlType>(42), 0));
       },
       {"Const Odd1=1000\r\n"},
       {"Odd1 As HMENU"}},
      {"a menu command without ID is inserted with 0",
       [](ProjectState& p, std::string&) { p.menus[0].children[0].children[0].idName = ""; },
       {"InsMenu hMenu_Bar_0,0,MF_BYPOSITION,Ex\"Open\",0,0,0\r\n"},
       {"Const =", "IDM_OPEN"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectState p = BaseProject();
    std::string source;
    c.setUp(p, source);
    const std::vector<HandlerIndex> handlers = {ScanHandlers(p.windows[0], p.menus, source), HandlerIndex()};
    const WindowCode code = GenerateWindowCode(p, handlers);
    const std::string both = code.callback + code.makeWindow;
    for (const std::string& line : c.present) EXPECT_NE(both.find(line), std::string::npos) << line;
    for (const std::string& text : c.absent) EXPECT_EQ(both.find(text), std::string::npos) << text;
    EXPECT_EQ(CodePageFault(code.callback), std::string::npos);
    EXPECT_EQ(CodePageFault(code.makeWindow), std::string::npos);
  }
}

TEST(CodegenFaults, WindowsModifiedStaysSetWhenTheWindowFileWasNotWritten) {
  struct Case {
    bool windowsModified;
    bool hasWindow;
    bool windowFileWritten;
    bool codeWritten;
    bool planFile, planCode, succeeded, modifiedAfter;
  };
  const Case cases[] = {
      {true, true, true, true, true, true, true, false},
      {true, true, false, true, true, true, false, true},  // the `.wnd` write failed
      {true, true, true, false, true, true, false, false},
      {false, true, false, false, false, false, true, false},
      {true, false, false, false, false, false, true, false},  // nothing left to write
  };
  for (const Case& c : cases) {
    ProjectState p = BaseProject();
    if (!c.hasWindow) {
      p.windows.clear();
      p.menus.clear();
    }
    p.windowsModified = c.windowsModified;
    const DocumentSavePlan plan = PlanDocumentSave(p);
    EXPECT_EQ(plan.writeWindowFile, c.planFile);
    EXPECT_EQ(plan.generateWindowCode, c.planCode);
    EXPECT_EQ(FinishDocumentSave(p, plan, c.windowFileWritten, c.codeWritten), c.succeeded);
    EXPECT_EQ(p.windowsModified, c.modifiedAfter);
    EXPECT_EQ(p.windowFileOnDisk, c.planFile && c.windowFileWritten);
  }
}

TEST(CodegenFaults, MenuModeListsCommandItemsWithAnIdOnly) {
  ProjectState p = BaseProject();
  MenuItemDef noId;
  noId.caption = "No ID";
  MenuItemDef separator;
  separator.kind = MenuItemKind::kSeparator;
  p.menus[0].children.push_back(noId);
  p.menus[0].children.push_back(separator);
  const auto rows = BrowserRows(p, BrowserQuery{0, -1, BrowserMode::kMenu, 0}, "");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].handlerName, "Main_IDM_OPEN_MenuClick");
}

}  // namespace

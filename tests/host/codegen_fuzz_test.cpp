// Seeded, time-bounded fuzz runs of the handler scan, the event browser and
// the window code generator. QUILLET_FUZZ_SECONDS sets the time per test
// (default 0.5 s). Random sources and random records: nothing crashes, the
// generated files are always code page 932 text with CR LF line ends, and a
// handler the browser marks as present is one the generated code calls.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

#include "codegen_test_support.h"
#include "fuzz_support.h"
#include "designer/event_browser.h"
#include "designer/procedure_lines.h"

namespace {

using codegen_test::CodePageFault;

const char* const kSourceTokens[] = {
    "Sub ", "sub\t", "SUB  ", "Function ", "function ", "Main", "MAIN", "main", "_", "_", "Button1", "button1",
    "List1", "IDM_OPEN", "idm_open", "Click", "DblClick", "ItemChanged", "MenuClick", "Create", "Paint", "QueryClose",
    "Notify", "MciNotify", "MainProc", "(", ")", " ", "\t", "/*", "*/", "/", "*", "'", "\"", "\"", "\r\n", "\r\n",
    "\r\n", "\n", "\r", "10", "0", ".", "表", "ソ", "能", "\x81", "\x95", "\xFC", "\xA0", "ｱ", "End Sub", "Rem ", "",
};

const char* const kNames[] = {"Main", "Dlg", "a\"b", "表示", "ソ\\", "x\r\ny", "", "\x81", "A%B", "Wnd_1", "\xFF"};
const char* const kTexts[] = {"", "OK", "\"", "\\", "C:\\", "表\\", "50%", "\r\n", "\x81", "a\"b\\c", "ｱｲｳ", "\0z"};
const char* const kPaths[] = {"", "C:\\a.ico", "img\\b.bmp", "表\\c.ico", "\\\\s\\d.bmp", "%x%", "IDI_A", "idb_b",
                              "\x95", "a\"b"};

class Gen : public FuzzRandom {
 public:
  using FuzzRandom::FuzzRandom;
  template <size_t N>
  std::string Pick(const char* const (&list)[N]) {
    const char* s = list[Uniform(0, static_cast<int>(N) - 1)];
    return s[0] == '\0' && Uniform(0, 1) ? std::string(1, '\0') : std::string(s);
  }
  std::string Bytes(int max) {
    std::string s;
    for (int i = Uniform(0, max); i > 0; --i) s += static_cast<char>(Uniform(0, 255));
    return s;
  }
  // Tokens, bytes and, often, whole handler lines of window Main.
  std::string Source() {
    static const char* const kKeywords[] = {"Sub ", "sub\t", "SUB  ", "10 Sub ", " Sub ", "Function "};
    static const char* const kWindows[] = {"Main", "MAIN", "main", "Mai", "MainX"};
    static const char* const kOwners[] = {"", "", "Button1", "BUTTON1", "List1", "IDM_OPEN", "Idm_Open", "Gone"};
    static const char* const kEvents[] = {"Click", "DBLCLICK", "ItemChanged", "MenuClick", "Create", "paint",
                                          "QueryClose", "Notify", "MciNotify", "Deltapos", "Bogus", ""};
    std::string s;
    for (int i = Uniform(0, 120); i > 0; --i) {
      if (Uniform(0, 3) == 0) {
        static const char* const kLineEnds[] = {"\r\n", "\r\n", "\n", "\r", ""};
        s += Pick(kLineEnds) + Pick(kKeywords) + Pick(kWindows) + "_";
        const std::string owner = Pick(kOwners);
        if (!owner.empty() && owner[0] != '\0') s += owner + "_";
        s += Pick(kEvents) + (Uniform(0, 3) ? "()" : Pick(kSourceTokens));
      }
      s += Uniform(0, 30) ? Pick(kSourceTokens) : Bytes(3);
    }
    return s;
  }
  std::string Name() { return Uniform(0, 5) ? Pick(kNames) : Bytes(6); }

  MenuItemDef Item(int depth) {
    MenuItemDef item;
    switch (Uniform(0, depth > 4 ? 2 : 3)) {
      case 0: item.kind = MenuItemKind::kSeparator; break;
      case 1:
      case 2:
        if (Uniform(0, 4)) item.idName = Uniform(0, 3) ? "IDM_" + std::to_string(Uniform(0, 9)) : Name();
        item.caption = Uniform(0, 1) ? Pick(kTexts) : Name();
        break;
      default:
        item.isPopup = true;
        item.caption = Pick(kTexts);
        for (int i = Uniform(0, 4); i > 0; --i) item.children.push_back(Item(depth + 1));
        break;
    }
    if (Uniform(0, 10) == 0) item.kind = static_cast<MenuItemKind>(Uniform(-2, 3));
    item.state = Uniform(0, 3) ? Uniform(0, 11) : Uniform(INT_MIN, INT_MAX);
    return item;
  }

  ProjectState Project() {
    ProjectState p;
    p.projectName = Name();
    p.projectDir = "C:\\P\\";
    p.options = static_cast<uint32_t>(Uniform(INT_MIN, INT_MAX));
    for (int i = Uniform(0, 3); i > 0; --i) {
      p.bitmaps.push_back(ResourceEntry{"IDB_" + std::to_string(i), "b", nullptr});
    }
    for (int i = Uniform(0, 3); i > 0; --i) p.icons.push_back(ResourceEntry{Pick(kPaths), "i", nullptr});
    for (int i = Uniform(0, 3); i > 0; --i) {
      MenuDef m = MakeNewMenuDef(Uniform(0, 2) ? "Menu" + std::to_string(i) : Name());
      for (int k = Uniform(0, 5); k > 0; --k) m.children.push_back(Item(1));
      p.menus.push_back(m);
    }
    const int32_t colours[] = {15, kBgColorWhite, 0, -1, -255, INT32_MIN, 1, 100, 4095, 4096, 4097, 4099, INT32_MAX};
    for (int i = Uniform(0, 4); i > 0; --i) {
      const WindowType types[] = {WindowType::kWindow, WindowType::kModalDialog, WindowType::kModelessDialog,
                                  static_cast<WindowType>(2)};
      WindowDef w = MakeNewWindowDef(Name(), Name(), Name(), types[Uniform(0, 3)]);
      w.caption = Uniform(0, 1) ? Pick(kTexts) : Name();
      w.className = Uniform(0, 2) ? "NORMAL" : Name();
      w.bgColor = Uniform(0, 4) ? colours[Uniform(0, 12)] : Uniform(INT_MIN, INT_MAX);
      w.style = static_cast<uint32_t>(Uniform(INT_MIN, INT_MAX));
      w.x = Uniform(INT_MIN, INT_MAX);
      if (Uniform(0, 2) == 0) w.menuId = Uniform(0, 1) ? "menu1" : Name();
      if (Uniform(0, 2) == 0) w.iconId = Pick(kPaths);
      SetFaceName(w.font, Uniform(0, 3) ? "ＭＳ Ｐゴシック" : Bytes(40));
      w.font.lfCharSet = static_cast<uint8_t>(Uniform(0, 255));
      for (int k = Uniform(0, 20); k > 0; --k) {
        ControlDef c;
        c.name = Uniform(0, 3) ? "Button" + std::to_string(Uniform(0, 5)) : Name();
        c.controlType = static_cast<ControlType>(Uniform(0, 3) ? Uniform(1, 16) : Uniform(-1, 100));
        c.style = static_cast<uint32_t>(Uniform(INT_MIN, INT_MAX));
        c.exStyle = static_cast<uint32_t>(Uniform(INT_MIN, INT_MAX));
        c.text = Uniform(0, 1) ? Pick(kTexts) : Bytes(8);
        c.imageType = Uniform(-1, 2);
        c.imagePath = Uniform(0, 1) ? Pick(kPaths) : Bytes(8);
        c.cy = Uniform(INT_MIN, INT_MAX);
        w.controls.push_back(c);
      }
      p.windows.push_back(w);
    }
    return p;
  }
};

ProjectState ScanProject() {
  ProjectState p;
  p.projectName = "F";
  WindowDef w = MakeNewWindowDef("Main", "hMain", "MainProc", WindowType::kWindow);
  const std::pair<const char*, ControlType> controls[] = {{"Button1", ControlType::kCommandButton},
                                                          {"List1", ControlType::kListView}};
  for (const auto& [name, type] : controls) {
    ControlDef c;
    c.name = name;
    c.controlType = type;
    w.controls.push_back(c);
  }
  p.windows.push_back(w);
  MenuDef m = MakeNewMenuDef("Bar");
  MenuItemDef open;
  open.idName = "IDM_OPEN";
  m.children.push_back(open);
  p.menus.push_back(m);
  return p;
}

TEST(CodegenFuzz, ScanAndBrowserAgreeOnRandomSources) {
  const ProjectState p = ScanProject();
  std::vector<BrowserQuery> queries = {{0, -1, BrowserMode::kEvents, -1},
                                       {0, -1, BrowserMode::kMultimedia, -1},
                                       {0, -1, BrowserMode::kMenu, 0},
                                       {0, 0, BrowserMode::kEvents, -1},
                                       {0, 1, BrowserMode::kEvents, -1}};
  size_t present = 0;
  RunFuzzWith<Gen>(1500, [&](Gen& gen) {
    const std::string source = gen.Source();
    for (const ProcedureLine& line : FindProcedureLines(source)) {
      ASSERT_LT(line.keywordPos, line.namePos);
      ASSERT_LE(line.namePos, line.lineEnd);
      ASSERT_LE(line.lineEnd, source.size());
    }
    const WindowCode code = GenerateWindowCode(p, {ScanHandlers(p.windows[0], p.menus, source)});
    ASSERT_EQ(CodePageFault(code.callback), std::string::npos);
    for (const BrowserQuery& q : queries) {
      for (const BrowserRow& r : BrowserRows(p, q, source)) {
        const bool called = code.callback.find("\t" + r.handlerName + "(") != std::string::npos;
        ASSERT_EQ(r.exists, called) << r.handlerName << "\n" << source;
        ASSERT_EQ(SourceDeclaresHandler(source, r.handlerName), r.exists);
        present += r.exists;
      }
    }
    const HandlerEdit e = PlanHandlerEdit(source, "Main_Paint", "hDC As HDC");
    ASSERT_LE(e.selStart, e.selEnd);
    ASSERT_LE(e.selEnd, source.size() + e.insertText.size());
  });
  EXPECT_GT(present, 0u);  // the agreement was checked on handlers, not only on their absence
}

TEST(CodegenFuzz, GeneratedCodeIsAlwaysCodePageText) {
  RunFuzzWith<Gen>(2500, [](Gen& gen) {
    const ProjectState p = gen.Project();
    std::vector<HandlerIndex> handlers;
    const size_t scanned = static_cast<size_t>(gen.Uniform(0, static_cast<int>(p.windows.size())));
    for (size_t i = 0; i < scanned; ++i) {
      std::string source = gen.Source();
      for (const ControlDef& c : p.windows[i].controls) {
        if (gen.Uniform(0, 3) == 0) source += "\r\nSub " + p.windows[i].name + "_" + c.name + "_Click()";
      }
      handlers.push_back(ScanHandlers(p.windows[i], p.menus, source));
    }
    const WindowCode code = GenerateWindowCode(p, handlers);
    ASSERT_EQ(CodePageFault(code.callback), std::string::npos) << code.callback;
    ASSERT_EQ(CodePageFault(code.makeWindow), std::string::npos) << code.makeWindow;
    for (size_t w = 0; w < p.windows.size(); ++w) {
      for (int c = -1; c < static_cast<int>(p.windows[w].controls.size()); ++c) {
        for (BrowserMode mode : {BrowserMode::kEvents, BrowserMode::kMultimedia, BrowserMode::kMenu}) {
          for (const BrowserRow& r : BrowserRows(p, {w, c, mode, gen.Uniform(-1, 3)}, "")) {
            ASSERT_FALSE(r.exists);
            ASSERT_EQ(CodePageFault(PlanHandlerEdit("", r.handlerName, r.parameters).insertText), std::string::npos);
          }
        }
      }
    }
  });
}

}  // namespace

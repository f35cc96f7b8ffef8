// Seeded, time-bounded fuzz runs of the project readers and the clipboard
// block parser. QUILLET_FUZZ_SECONDS sets the time per test (default 0.5 s).
// Random texts and damaged sample files: a reader either refuses with a
// message and leaves its target alone, or accepts, and then what it read
// writes back to a text that reads and writes to the same bytes again.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>

#include "fuzz_support.h"
#include "project/control_clipboard.h"
#include "project/project_file.h"
#include "project/project_resources.h"
#include "project/window_file.h"
#include "project/work_state.h"
#include "project_test_support.h"

namespace {

const char* const kTokens[] = {
    "WINDOW:", "MENU:", "END", "    ITEM      = ", "POPUP     = ", "SEPARATOR", "    HANDLE    = ", "POINT = ",
    "SIZE=", "CAPTION   = ", "STYLE=", "EXSTYLE = ", "MENUID=", "ICONID = ", "FONT = ", "CLASS=", "TYPE = ",
    "FILEPATH = ", "BGCOLOR = ", "CALLBACK = ", "ID = ", "=", "=", ",", ",", ",", "\"", "\"", "\\1", "\\\\", "\\",
    "&H", "&H50000000", "&Hffffffff", "-1", "0", "1", "3", "7", "16", "17", "4096", "2147483647", "-2147483648",
    "99999999999", "\r\n", "\r\n", "\r\n", "\n", "\r", " ", "    ", "表", "ソ", "能", "\x81", "\x95", "\xFC",
    "' Orvenic Project file.\r\n", "#NAME=", "#SOURCE\r\n", "#OPTION=&H", "#PLATFORM=", "#VERSION=", "#RESOURCE=",
    "#MODULETYPE=", "#USEWINDOW=", "case4\r\n\r\n", "text,\"", "rad,", "menu,", "icon,", "CURSOR \"", "BITMAP \"",
    "ICON \"", "IDI_ICON1 ", "Main", "a.bas", "..\\", "C:\\", "", "ＭＳ Ｐゴシック",
};

class Generator : public FuzzRandom {
 public:
  using FuzzRandom::FuzzRandom;

  std::string Text() {
    std::string out;
    const int pieces = Uniform(0, 300);
    for (int i = 0; i < pieces; ++i) {
      const int pick = Uniform(0, 25);
      if (pick == 0) {
        out += static_cast<char>(Uniform(0, 255));
      } else if (pick == 1 && Uniform(0, 60) == 0) {
        out.append(static_cast<size_t>(Uniform(300, 20000)), "x9,\"\\"[Uniform(0, 4)]);
      } else {
        const char* t = kTokens[Uniform(0, static_cast<int>(std::size(kTokens)) - 1)];
        out.append(t, t[0] == '\0' ? 1 : std::strlen(t));  // the empty token is a NUL byte
      }
    }
    return out;
  }

  // A few flips, cuts, insertions and line swaps in a good text.
  std::string Damage(std::string text) {
    const int edits = Uniform(1, 4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const size_t at = static_cast<size_t>(Uniform(0, static_cast<int>(text.size()) - 1));
      switch (Uniform(0, 4)) {
        case 0: text[at] = static_cast<char>(Uniform(0, 255)); break;
        case 1: text.resize(at); break;  // may end on a lone lead byte
        case 2: text.insert(at, kTokens[Uniform(0, static_cast<int>(std::size(kTokens)) - 1)]); break;
        case 3: text.erase(at, static_cast<size_t>(Uniform(1, 40))); break;
        default: text.insert(at, text.substr(at / 2, static_cast<size_t>(Uniform(1, 200)))); break;
      }
    }
    return text;
  }
};

// One reader seen the same way for every format: read into a target, write it.
struct Format {
  const char* name;
  std::string sample;
  std::function<ReadResult(std::string_view, ProjectState&)> read;
  std::function<std::string(const ProjectState&)> write;
};

ProjectState Prefilled() {
  ProjectState s;
  s.projectName = "Prefilled";
  s.sourceFiles.push_back(ProjectFile{"p.bas", nullptr});
  s.windows.push_back(MakeNewWindowDef("Pre", "hPre", "PreProc", WindowType::kWindow));
  s.menus.push_back(MakeNewMenuDef("PreMenu"));
  s.icons.push_back(ResourceEntry{"IDI_PRE", "p.ico", nullptr});
  return s;
}

std::vector<Format> Formats() {
  using project_test::LoadData;
  return {
      {"P.pj", LoadData("sample/Sample.pj"),
       [](std::string_view b, ProjectState& s) { return ReadProjectFile(b, "P.pj", s); },
       [](const ProjectState& s) { return BuildProjectFile(s, s.platform); }},
      {"P.wnd", LoadData("sample/Sample.wnd"),
       [](std::string_view b, ProjectState& s) { return ReadWindowFile(b, "P.wnd", s.windows, s.menus); },
       [](const ProjectState& s) { return BuildWindowFile(s.windows, s.menus); }},
      {"P.rc", LoadData("sample/Sample.rc"),
       [](std::string_view b, ProjectState& s) { return ReadResourceScript(b, "P.rc", s); },
       [](const ProjectState& s) { return BuildResourceScript(s); }},
  };
}

void CheckOne(const Format& f, const std::string& text) {
  ProjectState s = Prefilled();
  const std::string before = f.write(s);
  ReadResult r = f.read(text, s);
  if (!r.ok) {
    EXPECT_EQ(r.message.rfind(std::string("\"") + f.name + "\" ", 0), 0u) << r.message;
    EXPECT_EQ(f.write(s), before);
    EXPECT_EQ(s.projectName, "Prefilled");
    EXPECT_EQ(s.windows.size() + s.menus.size() + s.icons.size(), 3u);
    return;
  }
  const std::string once = f.write(s);
  ProjectState again;
  ReadResult r2 = f.read(once, again);
  ASSERT_TRUE(r2.ok) << f.name << ": " << r2.message;
  EXPECT_EQ(f.write(again), once) << f.name;
}

TEST(ProjectFuzz, ReadersOnRandomTexts) {
  const auto formats = Formats();
  RunFuzzWith<Generator>(7000, [&](Generator& gen) {
    const std::string text = gen.Text();
    for (const auto& f : formats) CheckOne(f, text);
  });
}

TEST(ProjectFuzz, ReadersOnDamagedSamples) {
  const auto formats = Formats();
  RunFuzzWith<Generator>(8000, [&](Generator& gen) {
    for (const auto& f : formats) CheckOne(f, gen.Damage(f.sample));
  });
}

TEST(ProjectFuzz, WorkStateReader) {
  const std::string sample = project_test::LoadData("sample/Sample.wrk");
  RunFuzzWith<Generator>(9000, [&](Generator& gen) {
    const std::string text = gen.Uniform(0, 1) ? gen.Text() : gen.Damage(sample);
    WorkState w;
    w.selectedTab = 42;
    ReadResult r = ReadWorkState(text, "P.wrk", w);
    if (!r.ok) {
      EXPECT_EQ(w.selectedTab, 42);
      EXPECT_TRUE(w.documents.empty());
      EXPECT_FALSE(r.message.empty());
      return;
    }
    const std::string once = BuildWorkStateFile(w);
    WorkState again;
    ASSERT_TRUE(ReadWorkState(once, "P.wrk", again).ok);
    EXPECT_EQ(BuildWorkStateFile(again), once);
    for (const auto& d : w.documents) {
      TextRestore t = ClampTextRestore(d, text, 100, 100);
      EXPECT_TRUE(t.selStart >= 0 && t.selStart <= t.selEnd && t.selEnd <= static_cast<int32_t>(text.size()));
    }
  });
}

TEST(ProjectFuzz, ClipboardBlocks) {
  WindowDef source = MakeNewWindowDef("W", "hW", "WProc", WindowType::kWindow);
  for (int i = 0; i < 3; ++i) {
    ControlDef c;
    c.name = "Btn00" + std::to_string(i);
    c.text = "ソ\"\\";
    c.controlType = static_cast<ControlType>(i * 3 + 1);
    c.imagePath = "p";
    source.controls.push_back(c);
  }
  const std::string good = BuildControlClipboard(source, {0, 1, 2});
  RunFuzzWith<Generator>(10000, [&](Generator& gen) {
    const std::string block = gen.Uniform(0, 1) ? gen.Text() : gen.Damage(good);
    WindowDef target = source;
    std::vector<int> pasted = PasteControls(target, block);
    EXPECT_EQ(target.controls.size(), source.controls.size() + pasted.size());
    EXPECT_LE(pasted.size(), static_cast<size_t>(kMaxPastedControls));
    for (size_t i = 0; i < target.controls.size(); ++i) {
      for (size_t j = i + 1; j < target.controls.size(); ++j) EXPECT_NE(target.controls[i].name, target.controls[j].name);
    }
    // Whatever was pasted writes into the window file and reads back.
    std::vector<WindowDef> windows;
    std::vector<MenuDef> menus;
    const std::string wnd = BuildWindowFile({target}, {});
    ASSERT_TRUE(ReadWindowFile(wnd, "W.wnd", windows, menus).ok);
    EXPECT_EQ(BuildWindowFile(windows, menus), wnd);
  });
}

}  // namespace

// Window code generation for a large project: 200 windows of 50 controls
// each (every control type, ImageBoxes of every kind, Japanese texts with `"`
// and `\`), 20 menus, resources, and per window a source of about 300 lines
// with 40 handlers. The reference builds strings of the same sizes by plain
// appends of the same lines in the same process.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "bench_project_support.h"
#include "designer/window_code.h"

namespace {

const char* const kTexts[] = {"OK", "キャンセル", "表示(&V)", "ソフト \"設定\"", "C:\\能力\\", "", "名前:", "Text"};
const char* const kPaths[] = {"C:\\img\\a.ico", "img\\表紙 50%.bmp", "IDI_ICON1", "IDB_BITMAP2"};

ProjectState MakeProject() {
  ProjectState s;
  s.projectName = "Large";
  s.projectDir = "C:\\Projects\\Large\\";
  s.options = 0x2;
  for (int r = 0; r < 30; ++r) {
    s.bitmaps.push_back(ResourceEntry{"IDB_BITMAP" + std::to_string(r + 1), "b.bmp", nullptr});
    s.icons.push_back(ResourceEntry{"IDI_ICON" + std::to_string(r + 1), "i.ico", nullptr});
  }
  AddLargeMenus(s, 20);
  const WindowType types[] = {WindowType::kWindow, WindowType::kModalDialog, WindowType::kModelessDialog};
  for (int w = 0; w < 200; ++w) {
    const std::string name = "Window" + std::to_string(w);
    WindowDef def = MakeNewWindowDef(name, "h" + name, name + "Proc", types[w % 3]);
    def.menuId = "Menu" + std::to_string(w % 20);
    def.iconId = "IDI_ICON" + std::to_string(w % 30 + 1);
    def.bgColor = w % 4 == 0 ? 4096 + w % 30 : (w % 4 == 1 ? -w * 1000 : 15);
    def.caption = "ウィンドウ \"" + name + "\"";
    for (int c = 0; c < 50; ++c) {
      const ControlTypeInfo& t = ControlTypeTable()[(w + c) % kControlTypeCount];
      ControlDef control;
      control.name = std::string(t.typeName) + std::to_string(c + 1);
      control.x = c * 7;
      control.y = c * 11;
      control.cx = 80;
      control.cy = 24;
      control.text = kTexts[c % 8];
      control.style = t.type == ControlType::kImageBox ? (c % 2 ? 0x50000003u : 0x5000000eu) : t.style;
      control.exStyle = t.exStyle;
      control.controlType = t.type;
      if (t.type == ControlType::kImageBox) {
        control.imageType = c % 4 >= 2 ? 1 : 0;
        control.imagePath = kPaths[c % 4];
      }
      def.controls.push_back(control);
    }
    s.windows.push_back(std::move(def));
  }
  return s;
}

// A window's own source: template text, Japanese comments, a block comment
// and handlers for window events, its controls and a menu item.
std::string MakeSource(const WindowDef& w, size_t index) {
  std::string s = "' " + w.name + " のイベント処理\r\n/* 表示ソ能\r\nSub " + w.name + "_Old()\r\n*/\r\n";
  const char* const events[] = {"Create", "Destroy", "Paint", "QueryClose", "Resize", "Timer", "Notify", "KeyDown"};
  for (const char* e : events) s += "Sub " + w.name + "_" + e + "()\r\n\t' 処理 \"文字列\"\r\nEnd Sub\r\n\r\n";
  for (size_t c = 0; c < w.controls.size(); c += 2) {
    const ControlDef& control = w.controls[c];
    const char* e = control.controlType == ControlType::kEditBox ? "Change" : "Click";
    s += "Sub " + w.name + "_" + control.name + "_" + e + "()\r\n";
    s += "\tDim 値 As Long ' ソフト\r\n\tPrint \"表示\"\r\nEnd Sub\r\n\r\n";
  }
  s += "Sub " + w.name + "_IDM_" + std::to_string(index % 20) + "_0_0_MenuClick()\r\nEnd Sub\r\n";
  return s;
}

struct Fixture {
  ProjectState project = MakeProject();
  std::vector<std::string> sources;
  std::vector<HandlerIndex> handlers;
  WindowCode code;
  std::vector<std::string_view> callbackLines, makeWindowLines;
  size_t sourceBytes = 0;

  Fixture() {
    for (size_t i = 0; i < project.windows.size(); ++i) {
      sources.push_back(MakeSource(project.windows[i], i));
      sourceBytes += sources.back().size();
    }
    handlers = ScanProjectHandlers(project, Sources());
    code = GenerateWindowCode(project, handlers);
    Split(code.callback, callbackLines);
    Split(code.makeWindow, makeWindowLines);
  }
  WindowSourceText Sources() const {
    return [this](const WindowDef& w, std::string& text) {
      text = sources[static_cast<size_t>(&w - project.windows.data())];
      return true;
    };
  }
  static void Split(const std::string& text, std::vector<std::string_view>& lines) {
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.emplace_back(text.data() + start, end - start);
    }
  }
  size_t OutputBytes() const { return code.callback.size() + code.makeWindow.size(); }
};

Fixture& F() {
  static Fixture f;
  return f;
}

// The generator from handler indexes already built.
void BM_GenerateWindowCode(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    WindowCode code = GenerateWindowCode(f.project, f.handlers);
    benchmark::DoNotOptimize(code.callback.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.OutputBytes()));
  state.counters["output_KB"] = static_cast<double>(f.OutputBytes()) / 1024;
}

// What a save does: scan every window's source, then generate.
void BM_ScanAndGenerate(benchmark::State& state) {
  Fixture& f = F();
  const WindowSourceText sources = f.Sources();
  for (auto _ : state) {
    WindowCode code = GenerateWindowCode(f.project, sources);
    benchmark::DoNotOptimize(code.callback.data());
  }
  state.counters["source_KB"] = static_cast<double>(f.sourceBytes) / 1024;
}

void BM_ScanHandlers(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    auto handlers = ScanProjectHandlers(f.project, f.Sources());
    benchmark::DoNotOptimize(handlers.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.sourceBytes));
}

// Reference: the same lines appended to fresh strings, each with its CR LF.
void BM_AppendSameLines(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    std::string callback, makeWindow;
    callback.reserve(f.code.callback.size());
    makeWindow.reserve(f.code.makeWindow.size());
    for (std::string_view line : f.callbackLines) callback.append(line).append("\r\n", 2);
    for (std::string_view line : f.makeWindowLines) makeWindow.append(line).append("\r\n", 2);
    benchmark::DoNotOptimize(callback.data());
    benchmark::DoNotOptimize(makeWindow.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.OutputBytes()));
}

// Reference for the scan: copying each source (what handing it over costs)
// and finding its line ends.
void BM_CopySourcesFindLineEnds(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    size_t lines = 0;
    for (const std::string& s : f.sources) {
      std::string copy = s;
      for (size_t at = 0; (at = copy.find('\n', at)) != std::string::npos; ++at) ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.sourceBytes));
}

BENCHMARK(BM_AppendSameLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateWindowCode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopySourcesFindLineEnds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanHandlers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanAndGenerate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Opening and saving a large project: 2,000 source files, 200 windows of 50
// controls each, menus, resources and a work state. In memory against a plain
// copy of the same bytes, and through files against plain file reads and
// writes of the same bytes, all in the same process.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_project_support.h"
#include "bench_files.h"
#include "project/project_file.h"
#include "project/project_open.h"
#include "project/project_resources.h"
#include "project/window_file.h"
#include "project/work_state.h"

namespace {

const char* const kTexts[] = {"OK", "キャンセル", "表示(&V)", "ソフト \"設定\"", "C:\\能力\\", "", "名前:", "Text"};

ProjectState MakeProject() {
  ProjectState s;
  s.projectName = "Large";
  s.projectDir = "C:\\Projects\\Large\\";
  s.options = 0x1000F;
  s.outputRelease = "bin\\Large.exe";
  s.resourceScript = "Large.rc";
  for (int i = 0; i < 2000; ++i) {
    s.sourceFiles.push_back(ProjectFile{(i % 7 == 0 ? "表示\\module" : "src\\module") + std::to_string(i) + ".sbp",
                                        nullptr});
  }
  for (int w = 0; w < 200; ++w) {
    const std::string name = "Window" + std::to_string(w);
    WindowDef def = MakeNewWindowDef(name, "h" + name, name + "Proc", static_cast<WindowType>(w % 2));
    def.menuId = "Menu" + std::to_string(w % 20);
    def.bgColor = w % 3 == 0 ? 4096 + w % 30 : 15;
    for (int c = 0; c < 50; ++c) {
      const ControlTypeInfo& t = ControlTypeTable()[(w + c) % kControlTypeCount];
      ControlDef control;
      control.name = std::string(t.typeName) + std::to_string(c + 1);
      control.x = c * 7;
      control.y = c * 11;
      control.cx = 80;
      control.cy = 24;
      control.text = kTexts[c % 8];
      control.style = t.style;
      control.exStyle = t.exStyle;
      control.controlType = t.type;
      if (t.type == ControlType::kImageBox) control.imagePath = "img\\表紙" + std::to_string(c) + ".bmp";
      def.controls.push_back(control);
    }
    s.windows.push_back(std::move(def));
  }
  AddLargeMenus(s, 20);
  for (int r = 0; r < 30; ++r) {
    s.cursors.push_back(ResourceEntry{"IDC_CURSOR" + std::to_string(r + 1), "cur\\c" + std::to_string(r) + ".cur", nullptr});
    s.bitmaps.push_back(ResourceEntry{"IDB_BITMAP" + std::to_string(r + 1), "bmp\\ソ" + std::to_string(r) + ".bmp", nullptr});
    s.icons.push_back(ResourceEntry{"IDI_ICON" + std::to_string(r + 1), "ico\\i" + std::to_string(r) + ".ico", nullptr});
  }
  return s;
}

WorkState MakeWorkState(const ProjectState& s) {
  WorkState w;
  for (int i = 0; i < 30; ++i) {
    WorkDoc d;
    d.kind = i % 3 == 0 ? WorkDocKind::kWindowDesign : WorkDocKind::kText;
    d.name = d.kind == WorkDocKind::kText ? s.sourceFiles[i * 50].path : s.windows[i].name;
    d.vScroll = i * 40;
    d.selStart = d.selEnd = i * 1000;
    w.documents.push_back(d);
  }
  w.materialExpanded.assign(5, true);
  return w;
}

// Every file a save writes, by name.
std::map<std::string, std::string> Save(const ProjectState& s, const WorkState& w) {
  return {{"Large.pj", BuildProjectFile(s, ProjectPlatform::k32)},
          {"Large.idx", BuildIndexProgram(s)},
          {"Large.wnd", BuildWindowFile(s.windows, s.menus)},
          {"Large.rc", BuildResourceScript(s)},
          {"resource.sbp", BuildResourceConstants(s)},
          {"Large.wrk", BuildWorkStateFile(w)}};
}

struct Fixture {
  ProjectState project = MakeProject();
  WorkState work = MakeWorkState(project);
  std::map<std::string, std::string> files = Save(project, work);
  std::string dir;
  size_t openBytes = 0, saveBytes = 0;

  Fixture() {
    for (const char* f : {"Large.pj", "Large.wnd", "Large.rc", "Large.wrk"}) openBytes += files[f].size();
    for (auto& f : files) saveBytes += f.second.size();
    char tmpl[] = "/tmp/quillet_bench_project_XXXXXX";
    dir = mkdtemp(tmpl) ? tmpl : "/tmp";
    for (auto& f : files) WriteAll((dir + "/" + f.first).c_str(), f.second);
  }
  ~Fixture() {
    for (auto& f : files) std::remove((dir + "/" + f.first).c_str());
    rmdir(dir.c_str());
  }
  // The opener's files by their Windows path from the bytes in memory.
  std::string Disk(const std::string& windowsPath) const { return dir + "/" + windowsPath.substr(project.projectDir.size()); }
};

Fixture& F() {
  static Fixture f;
  return f;
}

void Open(benchmark::State& state, bool fromDisk) {
  Fixture& f = F();
  const std::string pj = f.project.projectDir + "Large.pj";
  ProjectFileSource source = [&](const std::string& path, std::string& bytes) {
    if (fromDisk) return ReadAll(f.Disk(path).c_str(), bytes);
    auto it = f.files.find(path.substr(f.project.projectDir.size()));
    if (it == f.files.end()) return false;
    bytes = it->second;
    return true;
  };
  for (auto _ : state) {
    ProjectState s;
    if (!OpenProject(pj, source, s).ok) state.SkipWithError("open failed");
    std::string wrk;
    source(f.project.projectDir + "Large.wrk", wrk);
    WorkState w;
    if (!ReadWorkState(wrk, "Large.wrk", w).ok) state.SkipWithError("work state failed");
    benchmark::DoNotOptimize(s.windows.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.openBytes));
}

void BM_OpenInMemory(benchmark::State& state) { Open(state, false); }
void BM_OpenFromFiles(benchmark::State& state) { Open(state, true); }

void BM_CopyOpenBytes(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    for (const char* name : {"Large.pj", "Large.wnd", "Large.rc", "Large.wrk"}) {
      std::string copy = f.files[name];
      benchmark::DoNotOptimize(copy.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.openBytes));
}

void BM_ReadOpenFilesPlain(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    for (const char* name : {"Large.pj", "Large.wnd", "Large.rc", "Large.wrk"}) {
      std::string bytes;
      ReadAll((f.dir + "/" + name).c_str(), bytes);
      benchmark::DoNotOptimize(bytes.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.openBytes));
}

void BM_SaveInMemory(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    auto files = Save(f.project, f.work);
    benchmark::DoNotOptimize(files.begin()->second.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.saveBytes));
}

void BM_SaveToFiles(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    for (auto& file : Save(f.project, f.work)) WriteAll((f.dir + "/" + file.first).c_str(), file.second);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.saveBytes));
}

void BM_CopySaveBytes(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    for (auto& file : f.files) {
      std::string copy = file.second;
      benchmark::DoNotOptimize(copy.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.saveBytes));
}

void BM_WriteSaveFilesPlain(benchmark::State& state) {
  Fixture& f = F();
  for (auto _ : state) {
    for (auto& file : f.files) WriteAll((f.dir + "/" + file.first).c_str(), file.second);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.saveBytes));
}

BENCHMARK(BM_CopyOpenBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadOpenFilesPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenFromFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopySaveBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteSaveFilesPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveToFiles)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

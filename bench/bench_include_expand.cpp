// #include expansion and settings parsing on large inputs. The reference is a
// plain copy of the same bytes in the same process: expansion must stay
// linear and near copy speed whatever the number and size of included files.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "bench_text.h"
#include "files/include_expand.h"
#include "shell/settings_lists.h"
#include "shell/settings_load_save.h"

namespace {

// A main text of `total` bytes whose every 100th line includes one of
// `files` distinct files of `fileBytes` each.
struct Corpus {
  std::string main;
  std::map<std::string, std::string> files;
  size_t expandedBytes = 0;
};

Corpus MakeCorpus(size_t total, int fileCount, size_t fileBytes) {
  Corpus c;
  std::string body = MakeDialectSource(total);
  size_t line = 0, pos = 0;
  int included = 0;
  c.main.reserve(body.size() + fileCount * 32);
  while (pos < body.size()) {
    size_t next = body.find("\r\n", pos) + 2;
    if (++line % 100 == 0 && included < fileCount) {
      std::string name = "inc" + std::to_string(included++) + ".sbp";
      std::string directive = "#include \"" + name + "\"";
      c.main += directive + "\r\n";
      c.expandedBytes -= directive.size();
      c.files["C:\\proj\\" + name] = MakeDialectSource(fileBytes);
    }
    c.main.append(body, pos, next - pos);
    pos = next;
  }
  c.expandedBytes += c.main.size();
  for (auto& f : c.files) c.expandedBytes += f.second.size();
  return c;
}

void BM_CopyReference(benchmark::State& state) {
  Corpus c = MakeCorpus(static_cast<size_t>(state.range(0)) << 20, 2000, 20000);
  for (auto _ : state) {
    std::string out;
    out.reserve(c.main.size());
    out.append(c.main);
    for (auto& f : c.files) out.append(f.second);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c.expandedBytes));
}

void BM_ExpandIncludes(benchmark::State& state) {
  Corpus c = MakeCorpus(static_cast<size_t>(state.range(0)) << 20, 2000, 20000);
  IncludeTextSource source = [&](const std::string& path, std::string& text) {
    auto it = c.files.find(path);
    if (it == c.files.end()) return false;
    text = it->second;
    return true;
  };
  size_t size = 0;
  for (auto _ : state) {
    std::string out = ExpandIncludes(c.main, "C:\\proj\\", "C:\\Q\\", source);
    size = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  if (size != c.expandedBytes) state.SkipWithError("expansion lost or added text");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c.expandedBytes));
}

// Many settings lines: loading is linear in the file sizes.
void BM_SettingsLoad(benchmark::State& state) {
  MemorySettingsFiles files;
  EditorSettings saved;
  saved.fileHistory.paths.assign(14, "C:\\表示\\ソース\\file.sbp");
  files.files["editor.ini"] = BuildEditorIni(saved) + std::string(static_cast<size_t>(state.range(0)) << 20, 'x');
  ExtensionColourList list;
  for (int i = 0; i < 10000; ++i) list.push_back({1, "e" + std::to_string(i), "説明", 1, 0xE6E6E6});
  files.files["extlink.ini"] = BuildExtLinkIni(list);
  SettingsEnv env;
  env.files = &files;
  env.defaults = {"C:\\Q\\", 1280, 1024};
  for (auto _ : state) {
    EditorSettings s;
    SettingsLoad(s, env);
    benchmark::DoNotOptimize(s.TabSize);
  }
  state.SetBytesProcessed(
      static_cast<int64_t>(state.iterations() * (files.files["editor.ini"].size() + files.files["extlink.ini"].size())));
}

}  // namespace

BENCHMARK(BM_CopyReference)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandIncludes)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettingsLoad)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

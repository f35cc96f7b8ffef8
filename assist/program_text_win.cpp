#include "assist/program_text_win.h"

#include <string>
#include <vector>

#include "files/file_io.h"
#include "files/include_expand.h"
#include "files/paths.h"
#include "shell/app.h"

namespace {

// What an included file was when the program text was built.
struct IncludeStamp {
  std::string path;
  const TextDocument* openDoc = nullptr;  // taken from an open document
  uint64_t version = 0;                   // its version, or the file's write time
  uint64_t size = 0;
  bool had = false;
};

struct ProgramCache {
  int slot = -1;
  const TextDocument* doc = nullptr;
  uint64_t docVersion = 0;
  std::vector<IncludeStamp> stamps;
  IncludeMap map;
  uint64_t builds = 0;
  ProgramIndexCache index;
  const ProgramIndex* current = nullptr;  // owned by index
};

ProgramCache g_cache;

int OpenTextSlotOf(const std::string& path) {
  const int slot = g_app.docs.FindTextByPath(path);
  return slot >= 0 && g_app.docs.slots[slot].text ? slot : -1;
}

IncludeStamp StampOf(const std::string& path) {
  IncludeStamp s;
  s.path = path;
  const int slot = OpenTextSlotOf(path);
  if (slot >= 0) {
    s.openDoc = g_app.docs.slots[slot].text.get();
    s.version = s.openDoc->Version();
    s.had = true;
    return s;
  }
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
      !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    s.version = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                data.ftLastWriteTime.dwLowDateTime;
    s.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    s.had = true;
  }
  return s;
}

bool SameStamp(const IncludeStamp& a, const IncludeStamp& b) {
  return a.openDoc == b.openDoc && a.version == b.version && a.size == b.size && a.had == b.had;
}

bool ReadIncluded(const std::string& path, std::string& text) {
  const int slot = OpenTextSlotOf(path);
  if (slot >= 0) {
    const TextDocument& doc = *g_app.docs.slots[slot].text;
    text = doc.Substr(0, doc.Length());
    return true;
  }
  return ReadWholeFile(path, text);
}

bool CacheIsCurrent(int slot, const TextDocument& doc) {
  if (g_cache.slot != slot || g_cache.doc != &doc || g_cache.docVersion != doc.Version()) return false;
  for (const IncludeStamp& s : g_cache.stamps)
    if (!SameStamp(s, StampOf(s.path))) return false;
  return true;
}

// Relative includes of a saved document resolve next to it; an untitled one
// (and no project can be open yet) uses the program directory.
std::string BaseDirectoryOf(const DocumentSlot& slot) {
  std::string dir = PathDirectory(slot.path);
  return dir.empty() ? g_app.ProgramDir : dir;
}

void Rebuild(int slot, const TextDocument& doc) {
  const DocumentSlot& s = g_app.docs.slots[slot];
  ExpandedProgram program =
      ExpandIncludesMapped(doc.Substr(0, doc.Length()), BaseDirectoryOf(s), g_app.ProgramDir, ReadIncluded);
  g_cache.slot = slot;
  g_cache.doc = &doc;
  g_cache.docVersion = doc.Version();
  g_cache.stamps.clear();
  for (const auto& file : program.files) g_cache.stamps.push_back(StampOf(file.first));
  g_cache.map = std::move(program.map);
  g_cache.current =
      &g_cache.index.Get(program.text.data(), static_cast<int>(program.text.size()), ++g_cache.builds);
}

}  // namespace

const ProgramIndex* ProgramIndexAt(int slot, int docPos, int& programPos) {
  programPos = 0;
  if (slot < 0 || slot >= DocumentTable::kSlots || !g_app.docs.slots[slot].text) return nullptr;
  const TextDocument& doc = *g_app.docs.slots[slot].text;
  if (!CacheIsCurrent(slot, doc)) Rebuild(slot, doc);
  programPos = g_cache.map.ToProgram(docPos);
  return g_cache.current;
}

void ForgetProgramText(int slot) {
  if (g_cache.slot != slot) return;
  g_cache.index.Clear();
  g_cache.current = nullptr;
  g_cache.slot = -1;
  g_cache.doc = nullptr;
  g_cache.stamps.clear();
  g_cache.map = IncludeMap();
}

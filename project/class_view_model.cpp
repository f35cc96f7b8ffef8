#include "project/class_view_model.h"

#include <algorithm>
#include <unordered_set>

const char* const kClassViewGlobalsText = "グローバル関数";

std::string ClassViewRootText(const std::string& projectName) { return projectName + " クラス"; }

namespace {

// Never made by MakeClassOrigin: the root and the global group are never
// paired with anything else.
constexpr ClassOrigin kFixedOrigin = ~ClassOrigin(0);

int MemberImage(const ClassMember& m) {
  const bool open = m.access == MemberAccess::kPublic;
  if (IsMethod(m.kind)) return open ? ClassImage::kPublicMethod : ClassImage::kPrivateMethod;
  return open ? ClassImage::kPublicData : ClassImage::kPrivateData;
}

void AddFile(std::unordered_map<std::string, std::vector<int>>& index, const std::string& name, int file) {
  std::vector<int>& list = index[name];
  auto at = std::lower_bound(list.begin(), list.end(), file);
  if (at == list.end() || *at != file) list.insert(at, file);
}

void RemoveFile(std::unordered_map<std::string, std::vector<int>>& index, const std::string& name, int file) {
  auto it = index.find(name);
  if (it == index.end()) return;
  std::vector<int>& list = it->second;
  auto at = std::lower_bound(list.begin(), list.end(), file);
  if (at != list.end() && *at == file) list.erase(at);
  if (list.empty()) index.erase(it);
}

// Sorts items by text and keeps only the first (in their order) of each
// text; returns, for each item as it was, the index of the one that stands
// for it now.
std::vector<uint32_t> SortKeepingFirst(std::vector<WantedItem>& items) {
  std::vector<uint32_t> order(items.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<uint32_t>(i);
  std::stable_sort(order.begin(), order.end(),
                   [&](uint32_t x, uint32_t y) { return CompareClassItemText(items[x].text, items[y].text) < 0; });
  std::vector<uint32_t> at(items.size());
  std::vector<WantedItem> sorted;
  sorted.reserve(items.size());
  for (uint32_t i : order) {
    if (sorted.empty() || sorted.back().text != items[i].text) sorted.push_back(std::move(items[i]));
    at[i] = static_cast<uint32_t>(sorted.size() - 1);
  }
  items.swap(sorted);
  return at;
}

void SortUnique(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return CompareClassItemText(a, b) < 0; });
  names.erase(std::unique(names.begin(), names.end()), names.end());
}

std::vector<std::string> NamesOf(const FileScan& a, const FileScan& b, bool classes) {
  std::vector<std::string> names;
  for (const FileScan* scan : {&a, &b}) {
    if (classes) {
      for (const ClassBlock& c : scan->classes) {
        if (!c.name.empty()) names.push_back(c.name);
      }
    } else {
      for (const GlobalProc& g : scan->globals) names.push_back(g.name);
    }
  }
  SortUnique(names);
  return names;
}

}  // namespace

WantedItem ClassViewModel::ClassItem(const std::string& name) const {
  WantedItem item;
  item.text = name;
  item.image = ClassImage::kClass;
  const std::vector<int>& files = classFiles_.at(name);
  std::unordered_set<std::string_view> seen;
  bool first = true;
  for (int f : files) {
    const std::vector<ClassBlock>& blocks = files_[static_cast<size_t>(f)].classes;
    for (size_t b = 0; b < blocks.size(); ++b) {
      if (blocks[b].name != name) continue;
      if (first) item.origin = MakeClassOrigin(f, static_cast<int>(b), 0);
      first = false;
      const std::vector<ClassMember>& members = blocks[b].members;
      for (size_t m = 0; m < members.size(); ++m) {
        if (!seen.insert(members[m].name).second) continue;
        item.children.push_back(WantedItem{members[m].name, MemberImage(members[m]),
                                           MakeClassOrigin(f, static_cast<int>(b), static_cast<int>(m)), {}});
      }
    }
  }
  SortWantedItems(item.children);
  return item;
}

WantedItem ClassViewModel::GlobalItem(const std::string& name) const {
  const int f = globalFiles_.at(name).front();
  const std::vector<GlobalProc>& globals = files_[static_cast<size_t>(f)].globals;
  size_t k = 0;
  while (k < globals.size() && globals[k].name != name) ++k;
  return WantedItem{name, ClassImage::kPublicMethod, MakeClassOrigin(f, 0, static_cast<int>(k)), {}};
}

void ClassViewModel::ReplaceAll(const std::string& projectName, std::vector<FileScan> files, ClassViewChanges& out) {
  files_ = std::move(files);
  // Built by the first one-file scan: a scan of all files needs no index.
  classFiles_.clear();
  globalFiles_.clear();
  indexed_ = false;

  // One pass over the files in list order; the first declaration of a text
  // under a parent gives its item's image and origin. Each declaration
  // remembers the wanted item it lands in, so that its entry finds the tree
  // item without a search.
  constexpr uint32_t kNoClass = ~0u;
  struct FileDecls {
    std::vector<uint32_t> classes;  // per block: index into `classes` as built
    std::vector<uint32_t> members;  // per member of a named block: index into its class's members as built
  };
  std::vector<FileDecls> decls(files_.size());
  const std::string rootText = ClassViewRootText(projectName);
  WantedItem root{rootText, ClassImage::kRoot, kFixedOrigin, {}};
  WantedItem globals{kClassViewGlobalsText, ClassImage::kGroup, kFixedOrigin, {}};
  std::vector<WantedItem>& classes = root.children;
  std::unordered_map<std::string_view, uint32_t> classAt;
  size_t items = 2, procCount = 0, blockCount = 0;
  for (const FileScan& f : files_) {
    procCount += f.globals.size();
    blockCount += f.classes.size();
  }
  classAt.reserve(blockCount);
  globals.children.reserve(procCount);
  for (size_t f = 0; f < files_.size(); ++f) {
    const int file = static_cast<int>(f);
    const std::vector<ClassBlock>& blocks = files_[f].classes;
    FileDecls& d = decls[f];
    d.classes.assign(blocks.size(), kNoClass);
    for (size_t b = 0; b < blocks.size(); ++b) {
      const ClassBlock& block = blocks[b];
      if (block.name.empty()) continue;
      const auto at = classAt.emplace(block.name, static_cast<uint32_t>(classes.size()));
      if (at.second) classes.push_back(WantedItem{block.name, ClassImage::kClass, MakeClassOrigin(file, static_cast<int>(b), 0), {}});
      d.classes[b] = at.first->second;
      std::vector<WantedItem>& members = classes[at.first->second].children;
      members.reserve(members.size() + block.members.size());
      for (size_t m = 0; m < block.members.size(); ++m) {
        d.members.push_back(static_cast<uint32_t>(members.size()));
        members.push_back(WantedItem{block.members[m].name, MemberImage(block.members[m]),
                                     MakeClassOrigin(file, static_cast<int>(b), static_cast<int>(m)), {}});
      }
      items += block.members.size();
    }
    const std::vector<GlobalProc>& procs = files_[f].globals;
    for (size_t k = 0; k < procs.size(); ++k) {
      globals.children.push_back(
          WantedItem{procs[k].name, ClassImage::kPublicMethod, MakeClassOrigin(file, 0, static_cast<int>(k)), {}});
    }
  }
  items += classes.size() + procCount;
  std::vector<std::vector<uint32_t>> memberAt(classes.size());
  for (size_t c = 0; c < classes.size(); ++c) memberAt[c] = SortKeepingFirst(classes[c].children);
  const std::vector<uint32_t> procAt = SortKeepingFirst(globals.children);
  const uint32_t groupAsBuilt = static_cast<uint32_t>(classes.size());
  classes.push_back(std::move(globals));
  const std::vector<uint32_t> classSorted = SortKeepingFirst(classes);
  if (!HasTree()) {
    out.ops.reserve(items + 1);
    shape_.nodes.reserve(items + 1);
  }
  DiffClassTree(shape_, root, out.ops);

  out.allFiles = true;
  out.fileEntries.clear();
  out.fileEntries.reserve(files_.size());
  const WantedItem& group = root.children[classSorted[groupAsBuilt]];
  size_t proc = 0;
  for (size_t f = 0; f < files_.size(); ++f) {
    const int file = static_cast<int>(f);
    const FileScan& scan = files_[f];
    ClassViewFileEntries e{file, std::string(), {}};
    e.entries.reserve(scan.globals.size() + scan.classes.size() + decls[f].members.size());
    size_t member = 0;
    for (size_t b = 0; b < scan.classes.size(); ++b) {
      const uint32_t built = decls[f].classes[b];
      if (built == kNoClass) continue;
      const ClassBlock& block = scan.classes[b];
      const WantedItem& item = root.children[classSorted[built]];
      e.entries.push_back(ClassViewEntry{file, item.node, block.place});
      for (const ClassMember& m : block.members) {
        const ClassNodeId node = item.children[memberAt[built][decls[f].members[member++]]].node;
        e.entries.push_back(ClassViewEntry{file, node, m.place});
      }
    }
    for (const GlobalProc& g : scan.globals) {
      e.entries.push_back(ClassViewEntry{file, group.children[procAt[proc++]].node, g.place});
    }
    out.fileEntries.push_back(std::move(e));
  }
}

void ClassViewModel::BuildIndex() {
  for (size_t f = 0; f < files_.size(); ++f) {
    for (const ClassBlock& c : files_[f].classes) {
      if (!c.name.empty()) AddFile(classFiles_, c.name, static_cast<int>(f));
    }
    for (const GlobalProc& g : files_[f].globals) AddFile(globalFiles_, g.name, static_cast<int>(f));
  }
  indexed_ = true;
}

void ClassViewModel::ReplaceFile(int index, FileScan scan, ClassViewChanges& out) {
  if (!indexed_) BuildIndex();
  FileScan old = std::move(files_[static_cast<size_t>(index)]);
  files_[static_cast<size_t>(index)] = std::move(scan);
  const FileScan& now = files_[static_cast<size_t>(index)];
  for (const ClassBlock& c : old.classes) RemoveFile(classFiles_, c.name, index);
  for (const GlobalProc& g : old.globals) RemoveFile(globalFiles_, g.name, index);
  for (const ClassBlock& c : now.classes) {
    if (!c.name.empty()) AddFile(classFiles_, c.name, index);
  }
  for (const GlobalProc& g : now.globals) AddFile(globalFiles_, g.name, index);

  const std::vector<std::string> classScope = NamesOf(old, now, true);
  std::vector<WantedItem> classes;
  for (const std::string& name : classScope) {
    if (classFiles_.count(name)) classes.push_back(ClassItem(name));
  }
  DiffClassChildren(shape_, shape_.root, classes, &classScope, out.ops);

  const std::vector<std::string> globalScope = NamesOf(old, now, false);
  if (!globalScope.empty()) {
    std::vector<WantedItem> globals;
    for (const std::string& name : globalScope) {
      if (globalFiles_.count(name)) globals.push_back(GlobalItem(name));
    }
    const ClassNodeId group = shape_.FindChild(shape_.root, kClassViewGlobalsText);
    if (group) DiffClassChildren(shape_, group, globals, &globalScope, out.ops);
  }

  out.allFiles = false;
  out.fileEntries.clear();
  out.fileEntries.push_back(ClassViewFileEntries{index, std::string(), EntriesOf(index)});
}

std::vector<ClassViewEntry> ClassViewModel::EntriesOf(int file) const {
  const FileScan& scan = files_[static_cast<size_t>(file)];
  std::vector<ClassViewEntry> entries;
  for (const ClassBlock& c : scan.classes) {
    if (c.name.empty()) continue;
    const ClassNodeId item = shape_.FindChild(shape_.root, c.name);
    entries.push_back(ClassViewEntry{file, item, c.place});
    for (const ClassMember& m : c.members) {
      entries.push_back(ClassViewEntry{file, shape_.FindChild(item, m.name), m.place});
    }
  }
  const ClassNodeId globals = shape_.FindChild(shape_.root, kClassViewGlobalsText);
  for (const GlobalProc& g : scan.globals) {
    entries.push_back(ClassViewEntry{file, shape_.FindChild(globals, g.name), g.place});
  }
  return entries;
}

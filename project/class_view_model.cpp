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
  classFiles_.clear();
  globalFiles_.clear();
  for (size_t f = 0; f < files_.size(); ++f) {
    for (const ClassBlock& c : files_[f].classes) {
      if (!c.name.empty()) AddFile(classFiles_, c.name, static_cast<int>(f));
    }
    for (const GlobalProc& g : files_[f].globals) AddFile(globalFiles_, g.name, static_cast<int>(f));
  }

  WantedItem root{ClassViewRootText(projectName), ClassImage::kRoot, kFixedOrigin, {}};
  WantedItem globals{kClassViewGlobalsText, ClassImage::kGroup, kFixedOrigin, {}};
  globals.children.reserve(globalFiles_.size());
  for (const auto& g : globalFiles_) globals.children.push_back(GlobalItem(g.first));
  SortWantedItems(globals.children);
  root.children.reserve(classFiles_.size() + 1);
  root.children.push_back(std::move(globals));
  for (const auto& c : classFiles_) root.children.push_back(ClassItem(c.first));
  std::sort(root.children.begin(), root.children.end(),
            [](const WantedItem& x, const WantedItem& y) { return CompareClassItemText(x.text, y.text) < 0; });
  DiffClassTree(shape_, root, out.ops);

  out.allFiles = true;
  out.fileEntries.clear();
  out.fileEntries.reserve(files_.size());
  for (size_t f = 0; f < files_.size(); ++f) out.fileEntries.push_back(ClassViewFileEntries{static_cast<int>(f), std::string(), EntriesOf(static_cast<int>(f))});
}

void ClassViewModel::ReplaceFile(int index, FileScan scan, ClassViewChanges& out) {
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
  std::vector<ClassViewEntry> entries;
  const FileScan& scan = files_[static_cast<size_t>(file)];
  for (const ClassBlock& c : scan.classes) {
    if (c.name.empty()) continue;
    const ClassNodeId item = shape_.FindChild(shape_.root, c.name);
    entries.push_back(ClassViewEntry{c.name, file, item, c.place});
    for (const ClassMember& m : c.members) {
      entries.push_back(ClassViewEntry{m.name, file, shape_.FindChild(item, m.name), m.place});
    }
  }
  const ClassNodeId globals = shape_.FindChild(shape_.root, kClassViewGlobalsText);
  for (const GlobalProc& g : scan.globals) {
    entries.push_back(ClassViewEntry{g.name, file, shape_.FindChild(globals, g.name), g.place});
  }
  return entries;
}

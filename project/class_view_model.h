#pragma once
// What the class view shows, kept by the scan worker between scans: every
// file's declarations, which files declare each class and global procedure,
// and the tree shape the view holds. A scan of one file recomputes only the
// items that file declares (before or after) and the classes of those names.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "project/class_scan.h"
#include "project/class_tree.h"

// Where a tree item was declared (its name is the item's text). One item may
// have several entries (a class declared in two files); activating the item
// uses the first.
struct ClassViewEntry {
  int fileIndex = 0;  // in the project's source list
  ClassNodeId item = 0;
  SourcePlace place;
};

// The entries of one file, with the path the jump opens (indexes shift when
// files are removed; the path does not).
struct ClassViewFileEntries {
  int fileIndex = 0;
  std::string path;  // filled by the worker
  std::vector<ClassViewEntry> entries;
};

// The root's child that holds the global procedures.
extern const char* const kClassViewGlobalsText;  // "グローバル関数"
// "%s クラス" with the project name.
std::string ClassViewRootText(const std::string& projectName);

// What one scan changes.
struct ClassViewChanges {
  std::vector<ClassTreeOp> ops;
  // True: fileEntries holds every file, in list order, and the list may have
  // changed length. False: only the files listed are replaced.
  bool allFiles = false;
  std::vector<ClassViewFileEntries> fileEntries;
};

class ClassViewModel {
 public:
  // Every file of the project, in list order.
  void ReplaceAll(const std::string& projectName, std::vector<FileScan> files, ClassViewChanges& out);
  // File `index` alone; needs a tree (ReplaceAll first) and an index in range.
  void ReplaceFile(int index, FileScan scan, ClassViewChanges& out);

  bool HasTree() const { return shape_.root != 0; }
  size_t FileCount() const { return files_.size(); }
  const ClassTreeShape& Shape() const { return shape_; }
  // Forgets everything (the view's tree was emptied).
  void Clear() { *this = ClassViewModel(); }

 private:
  WantedItem ClassItem(const std::string& name) const;
  WantedItem GlobalItem(const std::string& name) const;
  std::vector<ClassViewEntry> EntriesOf(int file) const;
  void BuildIndex();

  std::vector<FileScan> files_;
  // Name -> the files (ascending) that declare it.
  std::unordered_map<std::string, std::vector<int>> classFiles_;
  std::unordered_map<std::string, std::vector<int>> globalFiles_;
  bool indexed_ = false;
  ClassTreeShape shape_;
};

#pragma once
// The program text that member completion and parameter hints search: the
// document's text with its includes expanded, indexed, and rebuilt only when
// the document or one of its included files changed since the last lookup.
// One per editor, made on first use and dropped when the document is no
// longer the active one.
#include <cstdint>
#include <string>
#include <vector>

#include "assist/program_index.h"
#include "files/include_expand.h"

class EditorView;
class TextDocument;

class ProgramText {
 public:
  // The index of the program text of the view's document, and the program
  // byte of the document byte docPos.
  const ProgramIndex* IndexAt(EditorView& view, int docPos, int& programPos);

 private:
  // What an included file was when the program text was built.
  struct IncludeStamp {
    std::string path;
    const TextDocument* openDoc = nullptr;  // taken from an open document
    uint64_t version = 0;                   // its version, or the file's write time
    uint64_t size = 0;
    bool had = false;
  };
  static IncludeStamp StampOf(const std::string& path);
  bool Current(const TextDocument& doc, const std::string& baseDir) const;
  void Rebuild(EditorView& view);

  uint64_t docVersion_ = ~0ull;
  std::string baseDir_;  // where relative includes resolved
  std::vector<IncludeStamp> stamps_;
  IncludeMap map_;
  uint64_t builds_ = 0;
  ProgramIndexCache index_;
  const ProgramIndex* current_ = nullptr;  // owned by index_
};

#pragma once
// The widest line of a document in cells, kept up to date edit by edit so that
// the horizontal scroll range costs nothing per paint whatever the size.
#include <cstdint>
#include <map>
#include <vector>

#include "editor/split_buffer.h"
#include "editor/text_document.h"

class LineWidthCache {
 public:
  void Reset() { valid_ = false; }
  // Cells of the widest line (its CR LF not counted); the table is built on
  // first use and after anything the edits did not report.
  int Widest(TextDocument& doc);
  // After an edit: [first, last] are the edited lines in the new text.
  void LinesChanged(TextDocument& doc, int first, int last);
  // False until built and after an edit it could not follow.
  bool Valid() const { return valid_; }

 private:
  void Build(TextDocument& doc);
  void Add(int w);
  void Remove(int w);

  static constexpr int kSmall = 4096;
  SplitBuffer<int> widths_;
  std::vector<int> small_;          // counts of widths below kSmall
  std::map<int, int> large_;        // counts of wider widths
  int top_ = 0;                     // no small width above it has a count
  bool valid_ = false;
  uint64_t version_ = 0;
  int tabSize_ = 0;
};

// Cells of every line from `firstLine` to the end of the text, appended to out.
void MeasureLinesFrom(TextDocument& doc, int firstLine, std::vector<int>& out);
// Cells of one line.
int MeasureLine(TextDocument& doc, int line);

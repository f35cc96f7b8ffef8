#pragma once
// Storage of a TextDocument, shared by its source files only.
#include <cstdint>
#include <vector>

#include "editor/partitioning.h"
#include "editor/split_buffer.h"
#include "editor/text_document.h"

struct TextDocument::Impl {
  SplitBuffer<char> text;
  SplitBuffer<uint8_t> classes;  // same length as text, edited in step with it
  Partitioning lines;            // byte start of every line, then the length
  Partitioning rows;             // first display row of every line, then the row count
  uint64_t version = 0;
  std::vector<int> scratchStarts;  // reused by every edit
  std::vector<int> scratchRows;
};

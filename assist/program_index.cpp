#include "assist/program_index.h"

#include <algorithm>

namespace {

// A block still being written runs to the end of the text, and a caret at the
// very end is inside it.
template <typename Block>
int BlockAt(const std::vector<Block>& blocks, int pos, int textLength) {
  auto it = std::upper_bound(blocks.begin(), blocks.end(), pos,
                             [](int p, const Block& b) { return p < b.start; });
  if (it == blocks.begin()) return -1;
  --it;
  const bool inside = pos < it->end || (it->end == textLength && pos == textLength);
  return inside ? static_cast<int>(it - blocks.begin()) : -1;
}

}  // namespace

int ProgramIndex::FindType(std::string_view name) const {
  auto it = typeByName_.find(name);
  return it == typeByName_.end() ? -1 : it->second;
}

int ProgramIndex::ProcAt(int pos) const { return BlockAt(procs_, pos, static_cast<int>(text_.size())); }

int ProgramIndex::TypeAt(int pos) const { return BlockAt(types_, pos, static_cast<int>(text_.size())); }

bool ProgramIndex::InBlockComment(int pos) const {
  auto it = std::upper_bound(blockComments_.begin(), blockComments_.end(), pos,
                             [](int p, const std::pair<int, int>& c) { return p < c.first; });
  if (it == blockComments_.begin()) return false;
  --it;
  return pos > it->first && pos < it->second;
}

const VarDecl* ProgramIndex::GlobalVar(std::string_view name) const {
  auto it = globals_.find(name);
  return it == globals_.end() ? nullptr : &it->second;
}

const std::string_view* ProgramIndex::TypeDefBase(std::string_view name) const {
  auto it = typeDefs_.find(name);
  return it == typeDefs_.end() ? nullptr : &it->second;
}

const GlobalDecl* ProgramIndex::FindGlobalDecl(std::string_view name) const {
  auto it = globalDecls_.find(name);
  return it == globalDecls_.end() ? nullptr : &it->second;
}

namespace {

// A cheap fingerprint of the text, so that a caller reusing a version number
// for another text still gets a fresh index in most cases.
uint64_t Sample(const char* text, int length) {
  uint64_t h = 1469598103934665603ull;
  auto mix = [&h](unsigned char c) { h = (h ^ c) * 1099511628211ull; };
  int step = length / 64 + 1;
  for (int i = 0; i < length; i += step) mix(static_cast<unsigned char>(text[i]));
  for (int i = std::max(0, length - 16); i < length; ++i) mix(static_cast<unsigned char>(text[i]));
  return h;
}

}  // namespace

const ProgramIndex& ProgramIndexCache::Get(const char* text, int length, uint64_t version) {
  if (!text || length < 0) length = 0;
  uint64_t sample = Sample(text, length);
  if (!index_ || version != version_ || length != length_ || sample != sample_) {
    index_ = std::make_unique<ProgramIndex>(text, length);
    version_ = version;
    length_ = length;
    sample_ = sample;
  }
  return *index_;
}

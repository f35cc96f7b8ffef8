#include "assist/block_completion.h"

#include "assist/text_scan.h"
#include "editor/text_document.h"

namespace {

using assist::EqualsNoCase;

// kSub or kFunction for "Virtual Sub"/"Virtual Function": a virtual method
// with a body ends like a Sub or Function, so backward searches pair them.
Block VirtualBodyOf(std::string_view statement) {
  size_t i = 0;
  if (!EqualsNoCase(BlockWordAt(statement, i), "Virtual")) return Block::kNone;
  std::string_view w = BlockWordAt(statement, i);
  if (EqualsNoCase(w, "Sub")) return Block::kSub;
  if (EqualsNoCase(w, "Function")) return Block::kFunction;
  return Block::kNone;
}

}  // namespace

OpenBlockWalker::OpenBlockWalker(const char* text, int length, int n, int backNumSetting) : text_(text) {
  const int limit = assist::EffectiveBackNum(backNumSetting);
  if (limit != 0 && text && length > 0) walker_.emplace(text, length, n, limit);
}

bool OpenBlockWalker::Next(Block& block, int& start, int& end, int& lineStart) {
  if (!walker_ || mismatched_) return false;
  while (walker_->Next(start, end, lineStart)) {
    std::string_view st(text_ + start, static_cast<size_t>(end - start));
    Block closer = BlockCloserOf(st);
    if (closer != Block::kNone) {
      closers_.push_back(closer);
      continue;
    }
    Block opener = BlockOpenerOf(st);
    if (opener == Block::kNone) {
      if (!closers_.empty() && VirtualBodyOf(st) == closers_.back()) closers_.pop_back();
      continue;
    }
    if (closers_.empty()) {
      block = opener;
      return true;
    }
    if (closers_.back() != opener) {
      mismatched_ = true;
      return false;
    }
    closers_.pop_back();
  }
  return false;
}

bool FindOpenBlock(const char* text, int length, int n, int backNumSetting, OpenBlock& out) {
  out = OpenBlock();
  OpenBlockWalker walker(text, length, n, backNumSetting);
  Block block;
  int start, end, lineStart;
  if (!walker.Next(block, start, end, lineStart)) return false;
  out.block = block;
  int t = lineStart;
  while (t < length && text[t] == '\t') ++t;
  out.indentation.assign(text + lineStart, text + t);
  out.statementStart = start;
  return true;
}

bool IsBlockCompletionLetter(unsigned char c) {
  switch (c) {
    case 'C': case 'E': case 'L': case 'N': case 'P': case 'W':
    case 'c': case 'e': case 'l': case 'n': case 'p': case 'w':
      return true;
  }
  return false;
}

bool OfferBlockCompletion(const char* text, int length, int letterByte, int backNumSetting,
                          BlockOffer& out) {
  out = BlockOffer();
  if (assist::EffectiveBackNum(backNumSetting) == 0) return false;
  if (!text || letterByte < 0 || letterByte >= length) return false;
  unsigned char typed = static_cast<unsigned char>(text[letterByte]);
  if (!IsBlockCompletionLetter(typed)) return false;
  unsigned char upper = typed >= 'a' && typed <= 'z' ? static_cast<unsigned char>(typed - 32) : typed;
  int b = letterByte;
  while (b > 0 && assist::IsBlank(static_cast<unsigned char>(text[b - 1]))) --b;
  if (b > 0 && text[b - 1] != '\n') {
    if (text[b - 1] != ':') return false;
    // The colon must separate statements, not lie in a string or comment.
    int lineStart = assist::LineStartOf(text, length, b - 1);
    std::vector<int> colons;
    assist::StatementColons(text, lineStart, b, colons);
    if (colons.empty() || colons.back() != b - 1) return false;
  }
  if (!FindOpenBlock(text, length, letterByte, backNumSetting, out.open)) return false;
  out.items.push_back({BlockCloserText(out.open.block), 0, kItemBlock});
  const char* const* further = BlockFurtherItems(out.open.block);
  for (int i = 0; i < 3 && further[i]; ++i) out.items.push_back({further[i], 0, kItemBlock});
  bool any = false;
  for (const CompletionItem& item : out.items) {
    unsigned char first = static_cast<unsigned char>(item.text[0]);
    if (first == upper) any = true;
  }
  if (!any) {
    out.items.clear();
    return false;
  }
  out.startByte = letterByte;
  return true;
}

BlockInsertion BlockItemInsertion(const char* text, int length, int startByte, int caret,
                                  const std::string& savedIndentation, const std::string& item) {
  BlockInsertion r;
  if (startByte > length) startByte = length;
  if (startByte < 0) startByte = 0;
  int s = startByte;
  while (s > 0 && text[s - 1] == '\t') --s;
  // When only blanks stand between the line start and the item, they all are
  // the line's indentation and are replaced.
  int b = s;
  while (b > 0 && assist::IsBlank(static_cast<unsigned char>(text[b - 1]))) --b;
  if (b == 0 || text[b - 1] == '\n') s = b;
  r.replaceStart = s;
  r.replaceEnd = caret < s ? s : (caret > length ? length : caret);
  r.text = savedIndentation;
  if (item == "Case") r.text += '\t';
  r.text += item;
  return r;
}

#pragma once
// An index of a program text (the dialect's source with includes expanded):
// its Class/Interface/Type blocks with their members, its procedures with
// parameters and local Dims, the global Dims, TypeDefs and the global
// procedure declarations. Built in one pass so that each completion or hint
// lookup costs O(log n + the size of the block it looks at).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Names are views into the index's own copy of the text.

// A declared variable, parameter or member variable and its type as written.
struct VarDecl {
  std::string_view name;
  std::string_view typeName;  // without the leading "*"
  int typeStars = 0;     // number of leading "*" of the type
  bool isArray = false;  // the name is followed by a bracketed group
};

enum TypeBlockKind { kBlockClass, kBlockInterface, kBlockType };

struct MemberDecl {
  VarDecl var;            // name; for variables also the type
  int flags = 0;          // CompletionFlags
  int visibility = 1;     // CompletionKind 1..3
  int declStart = 0;      // the declaring statement [declStart, declEnd)
  int declEnd = 0;
};

struct TypeBlock {
  std::string_view name;
  TypeBlockKind kind = kBlockClass;
  int start = 0;          // first byte of the "Class name" statement
  int end = 0;            // byte after the closing statement (or where it was cut)
  std::string_view base;  // from a first statement "Inherits Base"
  std::vector<MemberDecl> members;  // in text order
};

struct ProcBlock {
  int start = 0;          // declaring statement start
  int end = 0;            // after "End Sub"/"End Function" (or where it was cut)
  int declEnd = 0;        // end of the declaring statement
  int owner = -1;         // index of the enclosing TypeBlock, or -1
  std::vector<VarDecl> params;
  std::vector<VarDecl> locals;  // Dim statements of the body, in text order
};

// A global Sub/Function/Declare/Function Export statement.
struct GlobalDecl {
  int declStart = 0;
  int declEnd = 0;
};

class ProgramIndex {
 public:
  ProgramIndex() = default;
  ProgramIndex(const char* text, int length);
  ProgramIndex(const ProgramIndex&) = delete;
  ProgramIndex& operator=(const ProgramIndex&) = delete;

  const std::string& Text() const { return text_; }

  // The Class/Interface/Type block named exactly name (the first one), or -1.
  int FindType(std::string_view name) const;
  // The procedure whose range holds pos, or -1.
  int ProcAt(int pos) const;
  // The type block whose range holds pos, or -1.
  int TypeAt(int pos) const;
  // True when pos lies inside a block comment ("/*" ... "*/").
  bool InBlockComment(int pos) const;
  const VarDecl* GlobalVar(std::string_view name) const;
  // The base type of a TypeDef name (as written), or null.
  const std::string_view* TypeDefBase(std::string_view name) const;
  const GlobalDecl* FindGlobalDecl(std::string_view name) const;

  const std::vector<TypeBlock>& Types() const { return types_; }
  const std::vector<ProcBlock>& Procs() const { return procs_; }

 private:
  friend class ProgramIndexBuilder;
  std::string text_;
  std::string blanked_;  // text_ with comments blanked; names point into it
  std::vector<TypeBlock> types_;     // sorted by start
  std::vector<ProcBlock> procs_;     // sorted by start, not overlapping
  std::vector<std::pair<int, int>> blockComments_;  // sorted [start, end)
  std::unordered_map<std::string_view, int> typeByName_;
  std::unordered_map<std::string_view, VarDecl> globals_;
  std::unordered_map<std::string_view, std::string_view> typeDefs_;
  std::unordered_map<std::string_view, GlobalDecl> globalDecls_;
};

// Keeps the index of the last program text asked for. The editor keeps one
// and passes a version that changes with every change of the text (for
// example the document's edit counter combined with the include files').
class ProgramIndexCache {
 public:
  const ProgramIndex& Get(const char* text, int length, uint64_t version);
  void Clear() { index_.reset(); }

 private:
  std::unique_ptr<ProgramIndex> index_;
  uint64_t version_ = 0;
  int length_ = -1;
  uint64_t sample_ = 0;
};

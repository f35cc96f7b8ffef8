#include "assist/member_lookup.h"

#include <string>
#include <unordered_set>

#include "assist/source_words.h"
#include "assist/text_scan.h"

namespace {

// TypeDef chains longer than this are taken as cycles.
constexpr int kMaxTypeDefHops = 64;

bool IsBuiltinType(std::string_view name) {
  static const char* const kBuiltins[] = {"Double", "Single", "DWORD", "Long", "WORD",
                                          "Integer", "Byte", "String", "Any", "VoidPtr"};
  for (const char* b : kBuiltins) {
    if (assist::EqualsNoCase(name, b)) return true;
  }
  return false;
}

// The type and its bases, the root last; a base met twice ends the chain.
std::vector<int> InheritanceChain(const ProgramIndex& index, int type) {
  std::vector<int> chain;
  std::unordered_set<int> seen;
  while (type >= 0 && seen.insert(type).second) {
    chain.push_back(type);
    std::string_view base = index.Types()[type].base;
    type = base.empty() ? -1 : index.FindType(base);
  }
  return chain;
}

bool OperatorFits(bool arrow, int stars, bool isArray, bool hasIndex) {
  if (stars == 0) return !arrow && isArray == hasIndex;
  if (stars == 1) return arrow ? isArray == hasIndex : (!isArray && hasIndex);
  return false;
}

}  // namespace

const VarDecl* FindMemberVariable(const ProgramIndex& index, int type, std::string_view name) {
  std::vector<int> chain = InheritanceChain(index, type);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const MemberDecl& m : index.Types()[*it].members) {
      if (m.flags == kItemVariable && m.var.name == name) return &m.var;
    }
  }
  return nullptr;
}

const VarDecl* FindVariableAt(const ProgramIndex& index, int pos, std::string_view name) {
  int proc = index.ProcAt(pos);
  int type = index.TypeAt(pos);
  if (proc >= 0) {
    const ProcBlock& p = index.Procs()[proc];
    for (const VarDecl& v : p.params) {
      if (v.name == name) return &v;
    }
    for (const VarDecl& v : p.locals) {
      if (v.name == name) return &v;
    }
    if (p.owner >= 0) type = p.owner;
  }
  if (type >= 0) {
    if (const VarDecl* v = FindMemberVariable(index, type, name)) return v;
  }
  return index.GlobalVar(name);
}

bool ResolveDeclaredType(const ProgramIndex& index, const VarDecl& var, int& stars, int& type) {
  stars = var.typeStars;
  std::string_view name = var.typeName;
  type = -1;
  for (int hops = 0;; ++hops) {
    const std::string_view* base = index.TypeDefBase(name);
    if (!base) break;
    if (hops > kMaxTypeDefHops) return false;
    int more = 0;
    assist::ParseTypeText(*base, more, name);
    stars += more;
  }
  if (name.empty() || stars > 1 || IsBuiltinType(name)) return false;
  type = index.FindType(name);
  return type >= 0;
}

int ResolveExpressionType(const ProgramIndex& index, int pos, std::string_view expr) {
  const char* p = expr.data();
  const char* e = p + expr.size();
  int type = -1;
  bool head = true;
  while (p < e) {
    std::string_view name = assist::ReadName(p, e);
    if (name.empty()) return -1;
    p += name.size();
    bool hasIndex = false;
    if (p < e && (*p == '[' || *p == '(')) {
      p = assist::SkipGroup(p, e);
      if (!p) return -1;
      hasIndex = true;
      if (p < e && (*p == '[' || *p == '(')) return -1;
    }
    bool arrow;
    if (p < e && *p == '.') {
      arrow = false;
      p += 1;
    } else if (p + 1 < e && p[0] == '-' && p[1] == '>') {
      arrow = true;
      p += 2;
    } else {
      return -1;
    }
    const VarDecl* var = head ? FindVariableAt(index, pos, name) : FindMemberVariable(index, type, name);
    head = false;
    if (!var) return -1;
    int stars;
    if (!ResolveDeclaredType(index, *var, stars, type)) return -1;
    if (!OperatorFits(arrow, stars, var->isArray, hasIndex)) return -1;
  }
  return type;
}

void EnumerateMembers(const ProgramIndex& index, int type, std::vector<CompletionItem>& items) {
  std::unordered_set<std::string_view> seen;
  std::vector<int> chain = InheritanceChain(index, type);
  for (size_t k = chain.size(); k-- > 0;) {
    const TypeBlock& t = index.Types()[chain[k]];
    bool asBase = k > 0;
    for (const MemberDecl& m : t.members) {
      std::string_view name = m.var.name;
      // A base's constructor and destructor are not members of the derived type.
      if (asBase && (name == t.name || (!name.empty() && name[0] == '~'))) continue;
      if (!seen.insert(name).second) continue;
      items.push_back({std::string(name), m.flags, m.visibility});
    }
  }
}

void FindMethodMembers(const ProgramIndex& index, int type, std::string_view name,
                       std::vector<const MemberDecl*>& out) {
  std::vector<int> chain = InheritanceChain(index, type);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const MemberDecl& m : index.Types()[*it].members) {
      if (m.flags != kItemVariable && m.var.name == name) out.push_back(&m);
    }
  }
}

#include "assist/declaration_finder.h"

#include <vector>

#include "assist/member_lookup.h"
#include "assist/text_scan.h"
#include "platform/sjis.h"

namespace {

void TrimBlanks(std::string& s) {
  while (!s.empty() && assist::IsBlank(static_cast<unsigned char>(s.back()))) s.pop_back();
}

bool Balanced(const std::string& s) {
  int depth = 0;
  bool inString = false;
  for (char c : s) {
    if (c == '"') inString = !inString;
    if (inString) continue;
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return false;
  }
  return depth == 0 && !inString;
}

bool MethodHint(const ProgramIndex& program, int type, std::string_view member, std::string& out) {
  std::vector<const MemberDecl*> candidates;
  FindMethodMembers(program, type, member, candidates);
  for (const MemberDecl* m : candidates) {
    if (DeclarationHintText(program.Text(), m->declStart, m->declEnd, member, out)) return true;
  }
  return false;
}

}  // namespace

bool DeclarationHintText(std::string_view text, int declStart, int declEnd, std::string_view name,
                         std::string& out) {
  out.clear();
  int n = static_cast<int>(text.size());
  if (declStart < 0 || declEnd > n || declStart >= declEnd) return false;
  const char* t = text.data();
  const char* e = t + declEnd;
  // The first "(" outside strings and comments.
  const char* p = t + declStart;
  bool inString = false;
  for (; p < e; p += SjisCharLen(p, e)) {
    char c = *p;
    if (c == '\r' || c == '\n') {
      inString = false;
    } else if (inString) {
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '(') {
      break;
    } else if (c == '\'') {
      while (p < e && *p != '\r') ++p;
      if (p >= e) return false;
    } else if (c == '/' && p + 1 < e && p[1] == '*') {
      p += 2;
      while (p + 1 < e && !(p[0] == '*' && p[1] == '/')) p += SjisCharLen(p, e);
      if (p + 1 >= e) return false;
      ++p;
    }
  }
  if (p >= e) return false;
  std::string body;
  inString = false;
  while (p < e) {
    char c = *p;
    if (c == '\r' && p + 1 < e && p[1] == '\n') {
      // A continued line: drop the underscore, join the next line's text.
      TrimBlanks(body);
      bool underscore = !body.empty() && body.back() == '_';
      if (underscore) {
        body.pop_back();
        TrimBlanks(body);
      }
      p = assist::SkipBlanks(p + 2, e);
      if (underscore && !body.empty() && body.back() != '(' && body.back() != ',' && p < e &&
          *p != ')' && *p != ',')
        body += ' ';
      inString = false;
      continue;
    }
    if (inString) {
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '\'') {
      TrimBlanks(body);
      while (p < e && !(p[0] == '\r' && p + 1 < e && p[1] == '\n')) ++p;
      continue;
    } else if (c == '/' && p + 1 < e && p[1] == '*') {
      p += 2;
      while (p < e && !(p[0] == '*' && p + 1 < e && p[1] == '/')) p += SjisCharLen(p, e);
      p = p < e ? p + 2 : e;
      continue;
    }
    int len = SjisCharLen(p, e);
    body.append(p, static_cast<size_t>(len));
    p += len;
  }
  TrimBlanks(body);
  if (!Balanced(body)) return false;
  out.assign(name);
  out += body;
  return true;
}

bool FindDeclaration(const ProgramIndex& program, int caret, std::string_view name,
                     std::string& out) {
  out.clear();
  if (name.empty()) return false;
  // The last operator splits the object expression from the method name.
  size_t cut = std::string_view::npos;
  size_t opLen = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '.') {
      cut = i;
      opLen = 1;
    } else if (name[i] == '-' && i + 1 < name.size() && name[i + 1] == '>') {
      cut = i;
      opLen = 2;
    }
  }
  if (cut != std::string_view::npos) {
    std::string_view expr = name.substr(0, cut + opLen);
    std::string_view member = name.substr(cut + opLen);
    if (member.empty()) return false;
    int type = ResolveExpressionType(program, caret, expr);
    return type >= 0 && MethodHint(program, type, member, out);
  }
  int proc = program.ProcAt(caret);
  int owner = proc >= 0 ? program.Procs()[proc].owner : program.TypeAt(caret);
  if (owner >= 0 && MethodHint(program, owner, name, out)) return true;
  const GlobalDecl* decl = program.FindGlobalDecl(name);
  return decl && DeclarationHintText(program.Text(), decl->declStart, decl->declEnd, name, out);
}

bool FindDeclaration(const char* text, int length, int caret, std::string_view name,
                     std::string& out) {
  ProgramIndex program(text, length);
  return FindDeclaration(program, caret, name, out);
}

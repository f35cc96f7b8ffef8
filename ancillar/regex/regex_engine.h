#pragma once
// The matcher behind BREGEXP.DLL: compiled command strings (cached), search
// and substitution over Shift-JIS text without copying the subject. Errors
// come back as Shift-JIS texts; nothing here lets an exception escape.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct RegexProgram;

struct RegexSpan {
  const char* begin = nullptr;
  const char* end = nullptr;
  std::vector<const char*> subBegin;  // [groups + 1], nullptr when unset
  std::vector<const char*> subEnd;
};

// Compiles the command or takes it from a small cache; null with an error text.
std::shared_ptr<const RegexProgram> GetRegexProgram(std::string_view command, std::string& error);
bool IsSubstituteProgram(const RegexProgram& program);
bool IsGlobalProgram(const RegexProgram& program);

// First match at or after `from` in the text [text, end); the bytes before
// `from` are context for look-behind, "\b" and "^". 1 found, 0 none, -1 error.
int RegexFind(const RegexProgram& program, const char* text, const char* from, const char* end,
              RegexSpan& match, std::string& error);

// Substitutes the first match at or after `from` (every match with "g"); out
// receives the whole text from `from` to end with the replacements. `count`
// is the number of replacements. 1 substituted, 0 none, -1 error.
int RegexSubstitute(const RegexProgram& program, const char* text, const char* from, const char* end,
                    std::string& out, RegexSpan& first, int& count, std::string& error);

// Replacement text of the first match at or after `from`. 1, 0 or -1 as above.
int RegexReplacementOf(const RegexProgram& program, const char* text, const char* from, const char* end,
                       RegexSpan& match, std::string& replacement, std::string& error);

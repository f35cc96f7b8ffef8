#include "ancillar/regex/regex_engine.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <mutex>
#include <new>
#include <stdexcept>

#include "ancillar/regex/regex_command_parse.h"
#include "ancillar/regex/regex_prefix.h"
#include "ancillar/regex/sjis_find.h"
#include "ancillar/regex/sjis_iterator.h"
#include "ancillar/regex/sjis_regex_traits.h"
#include "platform/sjis.h"

namespace {

using Regex = boost::basic_regex<char32_t, SjisRegexTraits>;
using Match = boost::match_results<SjisIterator>;
namespace rc = boost::regex_constants;

// Work allowed to one search call (Boost counts matcher states): a base plus
// a share per byte searched. Long subjects are searched in blocks, so this
// bounds a pathological pattern without refusing a long but ordinary search.
constexpr std::ptrdiff_t kBaseStates = 1000000;
constexpr std::ptrdiff_t kStatesPerByte = 64;
constexpr std::ptrdiff_t kBlockBytes = 64 * 1024;

thread_local std::ptrdiff_t g_stateBudget = kBaseStates;

}  // namespace

// Boost gives non-random-access iterators a fixed allowance of 100 million
// states per search; ours is set per call.
namespace boost {
namespace BOOST_REGEX_DETAIL_NS {
template <>
inline void perl_matcher<SjisIterator, std::allocator<sub_match<SjisIterator>>,
                         SjisRegexTraits>::estimate_max_state_count(void*) {
  max_state_count = g_stateBudget;
}
}  // namespace BOOST_REGEX_DETAIL_NS
}  // namespace boost

struct RegexProgram {
  RegexCommand command;
  Regex re;
  std::u32string format;
  std::string prefix;  // bytes every match begins with, or empty
  bool keep = false;   // the pattern holds "\K": a match need not begin where its attempt began
};

namespace {

using Byte = unsigned char;

std::u32string Decode(const std::string& s, bool sjis) {
  std::u32string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    unsigned c = static_cast<Byte>(s[i]);
    if (sjis && IsSjisLead(static_cast<Byte>(c)) && i + 1 < s.size()) {
      out.push_back(static_cast<char32_t>((c << 8) | static_cast<Byte>(s[i + 1])));
      i += 2;
    } else {
      out.push_back(c);
      ++i;
    }
  }
  return out;
}

void AppendCode(std::string& out, char32_t c) {
  if (c > 0xFF) out.push_back(static_cast<char>((c >> 8) & 0xFF));
  out.push_back(static_cast<char>(c & 0xFF));
}

std::string MessageFor(rc::error_type code) {
  switch (code) {
    case rc::error_collate: return "照合要素の名前が正しくありません。";
    case rc::error_ctype: return "文字クラスの名前が正しくありません。";
    case rc::error_escape: return "エスケープ (\\) の使い方が正しくありません。";
    case rc::error_backref: return "後方参照の番号が正しくありません。";
    case rc::error_brack: return "角括弧 [ ] の対応が取れていません。";
    case rc::error_paren: return "括弧 ( ) の対応が取れていません。";
    case rc::error_brace: return "波括弧 { } の対応が取れていません。";
    case rc::error_badbrace: return "繰り返し回数 { } の指定が正しくありません。";
    case rc::error_range: return "文字範囲の指定が正しくありません。";
    case rc::error_space: return "メモリが足りません。";
    case rc::error_badrepeat: return "繰り返し (* + ? { }) の前に対象がありません。";
    case rc::error_empty: return "正規表現が空です。";
    case rc::error_complexity: return "正規表現が複雑すぎるため、検索を中止しました。";
    case rc::error_stack: return "正規表現の処理に必要なメモリが足りないため、検索を中止しました。";
    case rc::error_perl_extension: return "(? で始まる拡張構文が正しくありません。";
    default: return "正規表現が正しくありません。";
  }
}

// Does the pattern use "\K"? (An escaped backslash followed by "K" does not.)
bool HoldsKeep(const std::u32string& pattern) {
  for (size_t i = 0; i + 1 < pattern.size(); ++i) {
    if (pattern[i] != '\\') continue;
    if (pattern[i + 1] == 'K') return true;
    ++i;
  }
  return false;
}

std::string CompileMessage(const boost::regex_error& e) {
  std::string m = MessageFor(e.code());
  if (e.code() != rc::error_complexity && e.code() != rc::error_stack && e.code() != rc::error_space) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "（パターンの %d 文字目付近）", static_cast<int>(e.position()) + 1);
    m += buf;
  }
  return m;
}

std::shared_ptr<const RegexProgram> Compile(std::string_view command, std::string& error) {
  auto prog = std::make_shared<RegexProgram>();
  if (!ParseRegexCommand(command, prog->command, error)) return nullptr;
  const RegexCommand& c = prog->command;
  const std::u32string pattern = Decode(c.pattern, c.sjis);
  rc::syntax_option_type opts = rc::perl;
  if (c.icase) opts |= rc::icase;
  opts |= c.dotAll ? rc::mod_s : rc::no_mod_s;
  if (c.extended) opts |= rc::mod_x;
  try {
    prog->re.assign(pattern.data(), pattern.data() + pattern.size(), opts);
  } catch (const boost::regex_error& e) {
    error = CompileMessage(e);
    return nullptr;
  }
  prog->format = Decode(c.replacement, c.sjis);
  prog->keep = HoldsKeep(pattern);
  if (!c.extended) {
    for (char32_t ch : RequiredLiteralPrefix(pattern)) AppendCode(prog->prefix, ch);
  }
  return prog;
}

// ---- searching

// The text of one call. Its iterators share the run cache, so the Subject
// stays in place while any of them is in use.
struct Subject {
  const Byte* text;
  const Byte* end;
  bool sjis;
  mutable SjisRunCache runs;
  Subject(const Byte* t, const Byte* e, bool s) : text(t), end(e), sjis(s) {}
  Subject(const Subject&) = delete;
  Subject& operator=(const Subject&) = delete;
  SjisIterator At(const Byte* p) const { return SjisIterator(p, text, end, sjis, &runs); }
  int CharLen(const Byte* p) const { return (sjis && IsSjisLead(*p) && p + 1 < end) ? 2 : 1; }
};

rc::match_flag_type FlagsAt(const Subject& s, const Byte* from) {
  return from > s.text ? rc::match_prev_avail : rc::match_default;
}

// `wholeBudget`: one search over the whole rest, allowed work in proportion.
bool SearchFrom(const Subject& s, const Regex& re, const Byte* from, const Byte* last, Match& m,
                rc::match_flag_type extra, bool wholeBudget = false) {
  const std::ptrdiff_t bytes = last - from;
  g_stateBudget = kBaseStates + kStatesPerByte * (bytes < kBlockBytes || wholeBudget ? bytes : kBlockBytes);
  return boost::regex_search(s.At(from), s.At(last), m, re, FlagsAt(s, from) | extra, s.At(s.text));
}

// A character boundary about kBlockBytes after a, preferably a line start;
// nullptr when the rest of the text is short.
const Byte* BlockEnd(const Subject& s, const Byte* a) {
  if (s.end - a <= 2 * kBlockBytes) return nullptr;
  const Byte* from = a + kBlockBytes;
  const Byte* lf = static_cast<const Byte*>(std::memchr(from, '\n', kBlockBytes));
  if (lf) return lf + 1;
  // The byte after a non-lead byte always starts a character.
  for (const Byte* p = from; p < a + 2 * kBlockBytes; ++p) {
    if (!IsSjisLead(*p)) return p + 1;
  }
  return nullptr;
}

bool Find(const RegexProgram& prog, const Subject& s, const Byte* from, Match& m) {
  const Regex& re = prog.re;
  if (!prog.prefix.empty()) {
    const Byte* pre = reinterpret_cast<const Byte*>(prog.prefix.data());
    for (const Byte* p = from; p <= s.end;) {
      const Byte* q = SjisFindLiteral(p, s.end, pre, prog.prefix.size(), prog.command.icase, s.sjis);
      if (!q) return false;
      if (SearchFrom(s, re, q, s.end, m, rc::match_continuous)) return true;
      p = q + s.CharLen(q);
    }
    return false;
  }
  // Blocks need every match to begin where its attempt began; "\K" moves
  // the beginning, so such a pattern is searched in one go.
  if (prog.keep) return SearchFrom(s, re, from, s.end, m, rc::match_default, true);
  const Byte* a = from;
  for (;;) {
    const Byte* b = BlockEnd(s, a);
    if (!b) return SearchFrom(s, re, a, s.end, m, rc::match_default);
    // Within a block a match may need text beyond it: partial matches report
    // such starts, and every start found is confirmed against the whole text.
    Match partial;
    const rc::match_flag_type blockFlags =
        rc::match_partial | rc::match_not_eol | rc::match_not_eob | rc::match_not_eow;
    while (a < b && SearchFrom(s, re, a, b, partial, blockFlags)) {
      const Byte* start = partial[0].first.base();
      if (SearchFrom(s, re, start, s.end, m, rc::match_continuous)) return true;
      if (start >= b) break;
      if (start > a) a = start;
      a += s.CharLen(a);
    }
    a = b;
  }
}

const char kKeepOutOfOrder[] =
    "\\K を先読み・後読みの中で使ったため、一致の始まりが終わりより後ろ（または検索の開始より前）になりました。"
    "このような \\K は使えません。";

// Find, refusing a match whose start lies after its end or before `from`
// ("\K" inside a look-around): no loop could go on from it. 1, 0 or -1.
int FindInOrder(const RegexProgram& prog, const Subject& s, const Byte* from, Match& m, std::string& error) {
  if (!Find(prog, s, from, m)) return 0;
  const Byte* b = m[0].first.base();
  if (b < from || b > m[0].second.base()) {
    error = kKeepOutOfOrder;
    return -1;
  }
  return 1;
}

void FillSpan(const Match& m, RegexSpan& span) {
  span.begin = reinterpret_cast<const char*>(m[0].first.base());
  span.end = reinterpret_cast<const char*>(m[0].second.base());
  span.subBegin.assign(m.size(), nullptr);
  span.subEnd.assign(m.size(), nullptr);
  for (size_t i = 0; i < m.size(); ++i) {
    if (m[i].matched) {
      span.subBegin[i] = reinterpret_cast<const char*>(m[i].first.base());
      span.subEnd[i] = reinterpret_cast<const char*>(m[i].second.base());
    }
  }
}

void AppendReplacement(const RegexProgram& prog, const Match& m, std::string& out) {
  std::u32string codes;
  m.format(std::back_inserter(codes), prog.format, boost::format_perl, prog.re);
  for (char32_t c : codes) AppendCode(out, c);
}

template <class Fn>
int Guard(std::string& error, Fn fn) {
  try {
    return fn();
  } catch (const boost::regex_error& e) {
    error = MessageFor(e.code());
  } catch (const std::bad_alloc&) {
    error = MessageFor(rc::error_space);
  } catch (...) {
    error = "正規表現の処理中にエラーが発生しました。";
  }
  return -1;
}

Subject MakeSubject(const RegexProgram& prog, const char* text, const char* end) {
  return Subject(reinterpret_cast<const Byte*>(text), reinterpret_cast<const Byte*>(end), prog.command.sjis);
}

}  // namespace

std::shared_ptr<const RegexProgram> GetRegexProgram(std::string_view command, std::string& error) {
  // A handful of recent programs: find-next and replace loops repeat the same commands.
  static std::mutex lock;
  static std::vector<std::pair<std::string, std::shared_ptr<const RegexProgram>>> cache;
  try {
    {
      std::lock_guard<std::mutex> g(lock);
      for (size_t i = 0; i < cache.size(); ++i) {
        if (cache[i].first == command) {
          auto hit = cache[i].second;
          if (i != 0) std::swap(cache[i], cache[0]);
          return hit;
        }
      }
    }
    auto prog = Compile(command, error);
    if (!prog) return nullptr;
    std::lock_guard<std::mutex> g(lock);
    cache.insert(cache.begin(), {std::string(command), prog});
    if (cache.size() > 8) cache.pop_back();
    return prog;
  } catch (...) {
    error = MessageFor(rc::error_space);
    return nullptr;
  }
}

bool IsSubstituteProgram(const RegexProgram& program) { return program.command.substitute; }
bool IsGlobalProgram(const RegexProgram& program) { return program.command.global; }

int RegexFind(const RegexProgram& program, const char* text, const char* from, const char* end,
              RegexSpan& match, std::string& error) {
  return Guard(error, [&] {
    Subject s = MakeSubject(program, text, end);
    Match m;
    const int rc = FindInOrder(program, s, reinterpret_cast<const Byte*>(from), m, error);
    if (rc > 0) FillSpan(m, match);
    return rc;
  });
}

int RegexSubstitute(const RegexProgram& program, const char* text, const char* from, const char* end,
                    std::string& out, RegexSpan& first, int& count, std::string& error) {
  count = 0;
  return Guard(error, [&] {
    Subject s = MakeSubject(program, text, end);
    const Byte* copied = reinterpret_cast<const Byte*>(from);
    const Byte* pos = copied;
    const Byte* lastEnd = nullptr;
    out.clear();
    Match m;
    // Every turn moves pos on: a match never begins before pos nor ends
    // before it begins, and after an empty one the next character is passed.
    for (;;) {
      const int rc = pos <= s.end ? FindInOrder(program, s, pos, m, error) : 0;
      if (rc < 0) {
        out.clear();
        return -1;
      }
      if (rc == 0) break;
      const Byte* b = m[0].first.base();
      const Byte* e = m[0].second.base();
      if (b == e && b == lastEnd) {
        // No empty match right where the previous one ended (as Perl does).
        if (b >= s.end) break;
        pos = b + s.CharLen(b);
        continue;
      }
      if (count == 0) FillSpan(m, first);
      out.append(reinterpret_cast<const char*>(copied), reinterpret_cast<const char*>(b));
      AppendReplacement(program, m, out);
      copied = e;
      lastEnd = e;
      ++count;
      if (!program.command.global) break;
      if (b == e) {
        if (e >= s.end) break;
        out.append(reinterpret_cast<const char*>(e), static_cast<size_t>(s.CharLen(e)));
        copied = e + s.CharLen(e);
        pos = copied;
      } else {
        pos = e;
      }
    }
    if (count == 0) {
      out.clear();
      return 0;
    }
    out.append(reinterpret_cast<const char*>(copied), reinterpret_cast<const char*>(s.end));
    return 1;
  });
}

int RegexReplacementOf(const RegexProgram& program, const char* text, const char* from, const char* end,
                       RegexSpan& match, std::string& replacement, std::string& error) {
  return Guard(error, [&] {
    Subject s = MakeSubject(program, text, end);
    Match m;
    replacement.clear();
    const int rc = FindInOrder(program, s, reinterpret_cast<const Byte*>(from), m, error);
    if (rc <= 0) return rc;
    FillSpan(m, match);
    AppendReplacement(program, m, replacement);
    return 1;
  });
}

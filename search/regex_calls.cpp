#include "search/regex_calls.h"

#include <cstring>

#include "search/regex_command.h"

const char kRegexLibraryMissing[] = "BREGEXP.DLL が見つからないため、正規表現で検索できません。";

namespace {

struct ResultHolder {
  const RegexApi& api;
  BREGEXP* r = nullptr;
  explicit ResultHolder(const RegexApi& a) : api(a) {}
  ~ResultHolder() {
    if (r) api.regfree(r);
  }
};

std::string ErrorFrom(const char* buffer) {
  std::string s(buffer, strnlen(buffer, BREGEXP_ERROR_TEXT_SIZE - 1));
  if (s.empty()) s = "正規表現の処理に失敗しました。";
  return s;
}

SearchHit Fail(std::string text) {
  SearchHit h;
  h.status = SearchStatus::kError;
  h.errorText = std::move(text);
  return h;
}

// A match span from the library, checked to lie inside the searched range.
bool SpanInside(const char* b, const char* e, const char* lo, const char* hi) {
  return b && e && lo <= b && b <= e && e <= hi;
}

}  // namespace

SearchHit RunRegexMatch(const RegexApi& api, const char* text, int len, int from, const std::string& pattern,
                        bool matchCase, bool emptyMatches) {
  if (!api.Usable()) return Fail(kRegexLibraryMissing);
  SearchHit hit;
  if (!text || from < 0 || from > len || (from == len && !emptyMatches)) return hit;
  const std::string cmd = BuildMatchCommand(pattern, matchCase);
  char err[BREGEXP_ERROR_TEXT_SIZE] = {0};
  ResultHolder res(api);
  const int rc = api.matchEx ? api.matchEx(cmd.c_str(), text, text + from, text + len, &res.r, err)
                             : api.match(cmd.c_str(), text + from, text + len, &res.r, err);
  if (rc < 0) return Fail(ErrorFrom(err));
  if (rc == 0 || !res.r) return hit;
  if (!SpanInside(res.r->outp, res.r->outendp, text + from, text + len)) {
    return Fail("正規表現ライブラリの結果が正しくありません。");
  }
  if (res.r->outendp == res.r->outp && !emptyMatches) return hit;
  hit.status = SearchStatus::kFound;
  hit.pos = static_cast<int>(res.r->outp - text);
  hit.length = static_cast<int>(res.r->outendp - res.r->outp);
  return hit;
}

SearchStatus RunRegexSubstitute(const RegexApi& api, const char* subject, int len, const std::string& pattern,
                                const std::string& replacement, bool matchCase, std::string& out,
                                std::string& errorText) {
  out.clear();
  if (!api.Usable()) {
    errorText = kRegexLibraryMissing;
    return SearchStatus::kError;
  }
  if (!subject || len < 0) return SearchStatus::kNotFound;
  const std::string cmd = BuildSubstCommand(pattern, replacement, matchCase);
  char err[BREGEXP_ERROR_TEXT_SIZE] = {0};
  ResultHolder res(api);
  const int rc = api.subst(cmd.c_str(), subject, subject + len, &res.r, err);
  if (rc < 0) {
    errorText = ErrorFrom(err);
    return SearchStatus::kError;
  }
  if (rc == 0 || !res.r || !res.r->outp || res.r->outendp < res.r->outp) return SearchStatus::kNotFound;
  out.assign(res.r->outp, res.r->outendp);
  return SearchStatus::kFound;
}

ReplacementHit RunRegexReplacement(const RegexApi& api, const char* text, int len, int from,
                                   const std::string& pattern, const std::string& replacement, bool matchCase,
                                   bool emptyMatches) {
  ReplacementHit out;
  if (!api.substEx) {
    // Without the in-context call: find the match, then substitute within
    // the matched text alone.
    static_cast<SearchHit&>(out) = RunRegexMatch(api, text, len, from, pattern, matchCase, emptyMatches);
    if (!out.Found()) return out;
    std::string err;
    SearchStatus st = RunRegexSubstitute(api, text + out.pos, out.length, pattern, replacement, matchCase,
                                         out.replacement, err);
    if (st == SearchStatus::kFound) return out;
    ReplacementHit none;
    if (st == SearchStatus::kError) static_cast<SearchHit&>(none) = Fail(err);
    return none;
  }
  if (!api.Usable()) {
    static_cast<SearchHit&>(out) = Fail(kRegexLibraryMissing);
    return out;
  }
  if (!text || from < 0 || from > len || (from == len && !emptyMatches)) return out;
  const std::string cmd = BuildSubstCommand(pattern, replacement, matchCase);
  char err[BREGEXP_ERROR_TEXT_SIZE] = {0};
  ResultHolder res(api);
  const int rc = api.substEx(cmd.c_str(), text, text + from, text + len, &res.r, err);
  if (rc < 0) {
    static_cast<SearchHit&>(out) = Fail(ErrorFrom(err));
    return out;
  }
  if (rc == 0 || !res.r) return out;
  if (!SpanInside(res.r->matchp, res.r->matchendp, text + from, text + len) || !res.r->outp ||
      res.r->outendp < res.r->outp) {
    static_cast<SearchHit&>(out) = Fail("正規表現ライブラリの結果が正しくありません。");
    return out;
  }
  if (res.r->matchendp == res.r->matchp && !emptyMatches) return out;
  out.status = SearchStatus::kFound;
  out.pos = static_cast<int>(res.r->matchp - text);
  out.length = static_cast<int>(res.r->matchendp - res.r->matchp);
  out.replacement.assign(res.r->outp, res.r->outendp);
  return out;
}

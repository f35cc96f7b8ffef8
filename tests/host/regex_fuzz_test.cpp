#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

#include <memory>

#include "ancillar/regex/regex_command_parse.h"
#include "editor/text_document.h"
#include "editor/undo_ring.h"
#include "regex_test_api.h"
#include "search/find_core.h"
#include "search/regex_command.h"
#include "search/replace_all.h"

namespace {

double FuzzSeconds() {
  const char* s = std::getenv("QUILLET_FUZZ_SECONDS");
  return s ? std::atof(s) : 1.5;
}

// Bytes biased to what breaks Shift-JIS and regex parsing.
std::string RandomBytes(std::mt19937& rng, size_t maxLen, const std::string& alphabet) {
  std::uniform_int_distribution<size_t> len(0, maxLen);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string s;
  const size_t n = len(rng);
  for (size_t i = 0; i < n; ++i) {
    s.push_back(kind(rng) < 7 ? alphabet[pick(rng)] : static_cast<char>(byte(rng)));
  }
  return s;
}

const std::string kPatternAlphabet = std::string("ab.*+?()[]{}|^$\\/#@-,0123dwsbx:=<!") + "\x83\x5c\x95\x81\x40";
const std::string kSubjectAlphabet = std::string("abAB /#@\r\n\\_1") + "\x83\x41\x95\x5c\x82\x60\x81";

}  // namespace

TEST(RegexFuzz, CommandParserSurvivesRandomInput) {
  std::mt19937 rng(20240601);
  const auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(FuzzSeconds() / 3);
  int runs = 0;
  while (std::chrono::steady_clock::now() < stop || runs < 200) {
    std::string cmd = RandomBytes(rng, 24, "ms/#@\\kigx" + kPatternAlphabet);
    RegexCommand c;
    std::string err;
    if (!ParseRegexCommand(cmd, c, err)) {
      EXPECT_FALSE(err.empty());
    } else {
      EXPECT_LE(c.pattern.size(), cmd.size());
    }
    ++runs;
  }
}

TEST(RegexFuzz, MatcherSurvivesRandomPatternsAndSubjects) {
  std::mt19937 rng(77);
  const RegexApi api = EngineApi();
  const auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(FuzzSeconds() * 2 / 3);
  int runs = 0;
  while (std::chrono::steady_clock::now() < stop || runs < 100) {
    const std::string pattern = RandomBytes(rng, 12, kPatternAlphabet);
    const std::string replacement = RandomBytes(rng, 6, "$1&\\x" + kSubjectAlphabet);
    const std::string subject = RandomBytes(rng, 200, kSubjectAlphabet);
    const bool matchCase = rng() & 1;
    const int from = subject.empty() ? 0 : static_cast<int>(rng() % subject.size());
    SearchHit hit = FindInText(subject.data(), static_cast<int>(subject.size()), from, pattern,
                               SearchOptions{matchCase, true}, &api);
    if (hit.Found()) {
      EXPECT_GE(hit.pos, from);
      EXPECT_GT(hit.length, 0);
      EXPECT_LE(hit.pos + hit.length, static_cast<int>(subject.size()));
    } else if (hit.Error()) {
      EXPECT_FALSE(hit.errorText.empty());
    }
    std::string out, err;
    RunRegexSubstitute(api, subject.data(), static_cast<int>(subject.size()), pattern, replacement, matchCase, out,
                       err);
    ReplaceAllResult all = ReplaceAllInText(subject.data(), static_cast<int>(subject.size()), pattern, replacement,
                                            SearchOptions{matchCase, true}, &api);
    if (all.status == SearchStatus::kFound) {
      EXPECT_GT(all.count, 0);
    }
    // Raw command strings straight into the library.
    const std::string raw = RandomBytes(rng, 16, "ms/#@kig" + kPatternAlphabet);
    BREGEXP* res = nullptr;
    char e[BREGEXP_ERROR_TEXT_SIZE];
    int rc = BMatch(raw.c_str(), subject.data(), subject.data() + subject.size(), &res, e);
    if (rc > 0) {
      EXPECT_GE(res->outp, subject.data());
      EXPECT_LE(res->outendp, subject.data() + subject.size());
    }
    BRegfree(res);
    ++runs;
  }
}

// Patterns made of pieces that match empty strings, look around and move the
// start of a match ("\\K"): every loop that steps from match to match must end,
// taking at most one match per position.
TEST(RegexFuzz, MatchLoopsAlwaysMoveOn) {
  static const char* const kPieces[] = {"a",      "b*",      "a*?",   "^",          "$",         "\\b",
                                        "(?=a)",  "(?<=b)",  "\\K", "(?=a\\K)", "(?<=\\Ka)", "|",
                                        "x?",     ".",       "表",    "(a)\\1",   "(?!b)",     "\\r?\\n"};
  std::mt19937 rng(4242);
  std::uniform_int_distribution<size_t> piece(0, sizeof kPieces / sizeof kPieces[0] - 1);
  const RegexApi apis[] = {EngineApi(), EngineApi(false)};
  const auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(FuzzSeconds() / 2);
  int runs = 0;
  while (std::chrono::steady_clock::now() < stop || runs < 100) {
    std::string pattern;
    for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n) pattern += kPieces[piece(rng)];
    const std::string subject = RandomBytes(rng, 40, kSubjectAlphabet);
    const std::string replacement = (rng() & 1) ? "<$&>" : "";
    const int len = static_cast<int>(subject.size());
    SCOPED_TRACE("pattern " + pattern);
    // The library's own "g" loop: one replacement per position at most.
    BREGEXP* res = nullptr;
    char err[BREGEXP_ERROR_TEXT_SIZE];
    const std::string cmd = BuildSubstCommand(pattern, replacement, true) + "g";
    if (BSubst(cmd.c_str(), subject.data(), subject.data() + len, &res, err) > 0) {
      EXPECT_LE(res->nsubst, len + 1);
    }
    BRegfree(res);
    const RegexApi& api = apis[rng() % 2];
    // Find next from the end of each match, and the match list.
    int found = 0;
    for (int from = 0;;) {
      SearchHit h = FindInText(subject.data(), len, from, pattern, kCaseRegexSearch, &api);
      if (!h.Found()) break;
      ASSERT_GE(h.pos, from);
      ASSERT_GT(h.length, 0);
      from = h.pos + h.length;
      ASSERT_LE(++found, len);
    }
    MatchList list = FillMatchList(subject.data(), len, pattern, kCaseRegexSearch, &api);
    EXPECT_LE(list.entries.size(), subject.size() / 2 + 1);
    // Replace all over the text and in a document.
    ReplaceAllResult all = ReplaceAllInText(subject.data(), len, pattern, replacement, kCaseRegexSearch, &api);
    EXPECT_LE(all.count, len + 1);
    EditableText edited(subject);
    ReplaceAllOutcome doc = ReplaceAllInDocument(edited, pattern, replacement, kCaseRegexSearch, &api);
    EXPECT_LE(doc.count, len + 1);
    ++runs;
  }
}

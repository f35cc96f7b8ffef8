#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

#include "ancillar/regex/regex_command_parse.h"
#include "regex_test_api.h"
#include "search/find_core.h"

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
    SearchHit hit = FindInText(subject.data(), static_cast<int>(subject.size()), from, pattern, matchCase, true, &api);
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
                                            matchCase, true, &api);
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

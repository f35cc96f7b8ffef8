#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "search/regex_adapter_win.h"
#include "shell/message_box_win.h"
#include "test_support.h"

namespace {

struct Shown {
  std::string text;
  std::string caption;
  unsigned type = 0;
};
std::vector<Shown> g_shown;

int Record(HWND, const char* text, const char* caption, unsigned type) {
  g_shown.push_back({text ? text : "", caption ? caption : "", type});
  return IDOK;
}

class RegexDll : public ::testing::Test {
 protected:
  void SetUp() override {
    g_shown.clear();
    previous_ = SetQuilletMessageBoxHook(Record);
  }
  void TearDown() override {
    FreeRegexLibrary();
    SetQuilletMessageBoxHook(previous_);
  }
  MessageBoxHook previous_ = nullptr;
};

}  // namespace

TEST_F(RegexDll, ExportsEveryEntryPoint) {
  const std::string path = TestProgramDir() + "Ancillar\\BREGEXP.DLL";
  HMODULE m = LoadLibraryA(path.c_str());
  ASSERT_NE(m, nullptr) << path;
  for (const char* name : {"BMatch", "BSubst", "BTrans", "BSplit", "BRegfree", "BRegexpVersion"}) {
    EXPECT_NE(GetProcAddress(m, name), nullptr) << name;
  }
  auto version = reinterpret_cast<BRegexpVersionProc>(reinterpret_cast<void*>(GetProcAddress(m, "BRegexpVersion")));
  ASSERT_NE(version, nullptr);
  EXPECT_NE(std::string(version()).find("BREGEXP"), std::string::npos);
  FreeLibrary(m);
}

TEST_F(RegexDll, MatchesThroughTheLoadedLibrary) {
  ASSERT_TRUE(LoadRegexLibrary(TestProgramDir()));
  const std::string text = "concat cat";
  SearchHit hit = RegexMatch(nullptr, text.data(), static_cast<int>(text.size()), 0, "\\bcat", true);
  ASSERT_TRUE(hit.Found());
  EXPECT_EQ(hit.pos, 7);
  const std::string sjis = "ソ表能ア";  // narrow literals are Shift-JIS already
  hit = RegexMatch(nullptr, sjis.data(), static_cast<int>(sjis.size()), 0, "\\\\|A", true);
  EXPECT_FALSE(hit.Found());
  std::string out;
  EXPECT_EQ(RegexSubstitute(nullptr, text.data(), static_cast<int>(text.size()), "CAT", "dog", false, out), 1);
  EXPECT_EQ(out, "condog cat");
  EXPECT_TRUE(g_shown.empty());
}

TEST_F(RegexDll, ErrorsAreShownOnceCaptionedQuillet) {
  ASSERT_TRUE(LoadRegexLibrary(TestProgramDir()));
  const std::string text = "abc";
  SearchHit hit = RegexMatch(nullptr, text.data(), 3, 0, "(a", true);
  EXPECT_TRUE(hit.Error());
  ASSERT_EQ(g_shown.size(), 1u);
  EXPECT_EQ(g_shown[0].caption, "Quillet");
  EXPECT_EQ(g_shown[0].text, hit.errorText);
  EXPECT_TRUE(g_shown[0].type & MB_ICONWARNING);
}

TEST_F(RegexDll, MissingLibraryFailsWithAMessage) {
  const std::string empty = MakeTempFolder("noregex");
  EXPECT_FALSE(LoadRegexLibrary(empty));
  const std::string text = "abc";
  SearchHit hit = FindInTextReporting(nullptr, text.data(), 3, 0, "b", kCaseRegexSearch);
  EXPECT_TRUE(hit.Error());
  ASSERT_EQ(g_shown.size(), 1u);
  EXPECT_EQ(g_shown[0].text, kRegexLibraryMissing);
  // Plain search needs no library.
  EXPECT_TRUE(FindInTextReporting(nullptr, text.data(), 3, 0, "b", kCasePlainSearch).Found());
  RemoveTree(empty);
}

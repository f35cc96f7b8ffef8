// Two instances of the program: the request by which a second one hands its
// files to the first, and the histories merged when each saves its settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz_support.h"
#include "search/find_history.h"
#include "shell/open_request.h"
#include "shell/settings_history.h"
#include "shell/settings_load_save.h"

namespace {

History Files(std::vector<std::string> paths) { return History{100, std::move(paths)}; }

SearchHistory Search(std::initializer_list<const char*> texts) {
  SearchHistory h{};
  size_t i = 0;
  for (const char* t : texts) h[i++] = t;
  return h;
}

std::vector<std::string> Numbered(const char* prefix, int from, int to) {
  std::vector<std::string> out;
  for (int i = from; i <= to; ++i) out.push_back(prefix + std::to_string(i));
  return out;
}

}  // namespace

TEST(OpenRequest, RoundTripAndRefusals) {
  const std::string dir = "Z:\\tmp\\Quillet\\";
  const std::vector<std::vector<std::string>> lists = {
      {"C:\\a.txt"},
      {"C:\\作業\\表示.bas", "\\\\server\\share\\x y.txt", std::string(259, 'p')},
      Numbered("C:\\f", 1, 255),
  };
  for (const auto& paths : lists) {
    OpenRequest r;
    ASSERT_TRUE(ParseOpenRequest(BuildOpenRequest(dir, paths), r));
    EXPECT_EQ(r.programDir, dir);
    EXPECT_EQ(r.paths, paths);
  }
  const std::string refused[] = {
      std::string(),
      std::string("Z:\\dir\\\0", 8),                        // no path
      std::string("Z:\\dir\\\0C:\\a.txt", 15),              // no final NUL
      std::string("Z:\\dir\\\0\0C:\\a.txt\0", 17),          // an empty field
      std::string("\0C:\\a.txt\0", 10),                     // no directory
      BuildOpenRequest(dir, {std::string(260, 'p')}),       // a path too long
      BuildOpenRequest(dir, Numbered("C:\\f", 1, 256)),     // too many
  };
  for (const std::string& data : refused) {
    OpenRequest r;
    EXPECT_FALSE(ParseOpenRequest(data, r)) << data.size();
    EXPECT_TRUE(r.paths.empty());
  }
}

TEST(OpenRequest, FuzzedBytesNeverCrashAndWhatParsesBuildsBackTheSame) {
  RunFuzzWith<FuzzRandom>(7100, [](FuzzRandom& g) {
    std::string data;
    const int n = g.Uniform(0, 600);
    for (int i = 0; i < n; ++i) data += g.Uniform(0, 3) == 0 ? '\0' : static_cast<char>(g.Uniform(1, 255));
    OpenRequest r;
    if (ParseOpenRequest(data, r)) {
      EXPECT_EQ(BuildOpenRequest(r.programDir, r.paths), data);
    }
  });
}

TEST(HistoryMerge, OursFirstThenTheOthersCutToTheLength) {
  struct Case {
    const char* name;
    History ours, disk;
    std::vector<std::string> merged;
  };
  const Case cases[] = {
      {"disjoint", Files({"C:\\b", "C:\\a"}), Files({"C:\\x", "C:\\y"}), {"C:\\b", "C:\\a", "C:\\x", "C:\\y"}},
      {"shared entries keep our order and letter case", Files({"C:\\A.txt", "C:\\b"}), Files({"c:\\b", "c:\\a.TXT", "C:\\z"}),
       {"C:\\A.txt", "C:\\b", "C:\\z"}},
      {"nothing on disk", Files({"C:\\a"}), Files({}), {"C:\\a"}},
      {"nothing of ours", Files({}), Files({"C:\\a"}), {"C:\\a"}},
      {"cut at 14", Files(Numbered("C:\\o", 1, 10)), Files(Numbered("C:\\d", 1, 10)),
       [] {
         auto v = Numbered("C:\\o", 1, 10);
         for (auto& d : Numbered("C:\\d", 1, 4)) v.push_back(d);
         return v;
       }()},
  };
  for (const Case& c : cases) {
    History m = MergeHistory(c.ours, c.disk);
    EXPECT_EQ(m.paths, c.merged) << c.name;
    EXPECT_EQ(m.menuBaseId, 100) << c.name;
  }
}

TEST(HistoryMerge, SearchHistories) {
  struct Case {
    SearchHistory ours, disk, merged;
  };
  SearchHistory many{}, manyOther{}, manyMerged{};
  for (int i = 0; i < 20; ++i) {
    many[i] = "o" + std::to_string(i);
    manyOther[i] = "d" + std::to_string(i);
  }
  for (int i = 0; i < 12; ++i) manyMerged[i] = many[i];
  for (int i = 12; i < 20; ++i) manyMerged[i] = manyOther[i - 12];
  SearchHistory twelve{};
  for (int i = 0; i < 12; ++i) twelve[i] = many[i];
  const Case cases[] = {
      {Search({"beta", "x"}), Search({"alpha", "x", "y"}), Search({"beta", "x", "alpha", "y"})},
      // Exact comparison: letter case differs, so both stay.
      {Search({"Find"}), Search({"find"}), Search({"Find", "find"})},
      {Search({}), Search({"a"}), Search({"a"})},
      {twelve, manyOther, manyMerged},
      {many, manyOther, many},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(MergeSearchHistory(cases[i].ours, cases[i].disk), cases[i].merged) << i;
}

TEST(HistoryMerge, TwoInstancesSavingInTurnKeepBothHistories) {
  MemorySettingsFiles disk;
  SettingsEnv env;
  env.files = &disk;
  env.defaults = {"C:\\Q\\", 1280, 1024};
  EditorSettings first, second;
  SettingsLoad(first, env);
  SettingsLoad(second, env);
  HistoryAdd(first.fileHistory, "C:\\one.txt");
  HistoryAdd(first.projectHistory, "C:\\one.pj");
  HistoryAdd(first.findHistory, "alpha");
  HistoryAdd(first.replaceHistory, "ALPHA");
  HistoryAdd(second.fileHistory, "C:\\two.txt");
  HistoryAdd(second.findHistory, "beta");
  ASSERT_TRUE(SettingsSave(first, disk));
  ASSERT_TRUE(SettingsSave(second, disk));  // the one that closes last
  EXPECT_EQ(disk.files["history.ini"], "C:\\two.txt\r\nC:\\one.txt\r\n");
  EXPECT_EQ(disk.files["pj_history.ini"], "C:\\one.pj\r\n");
  EXPECT_EQ(disk.files["findstr.ini"].substr(0, 13), "beta\r\nalpha\r\n");
  EXPECT_EQ(disk.files["permustr.ini"].substr(0, 9), "ALPHA\r\n\r\n");

  // An instance that does not keep search histories writes them empty.
  second.IsSaveFindStr = 0;
  ASSERT_TRUE(SettingsSave(second, disk));
  EXPECT_EQ(disk.files["findstr.ini"], "");
}

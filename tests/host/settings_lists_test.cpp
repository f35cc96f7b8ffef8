#include "shell/settings_lists.h"

#include <gtest/gtest.h>

#include "prefs/extension_list.h"
#include "shell/settings_history.h"

TEST(SettingsLists, ExtLinkStopsAtEmptyFieldsAndUnterminatedLines) {
  auto list = ParseExtLinkIni("1,txt,テキスト ドキュメント,1,e6e6e6\r\n0,htm,HTML,0,ffdcc8\r\n");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].associate, 1);
  EXPECT_EQ(list[0].extension, "txt");
  EXPECT_EQ(list[0].description, "テキスト ドキュメント");
  EXPECT_EQ(list[0].searchable, 1);
  EXPECT_EQ(list[0].tabColour, 0xE6E6E6u);
  EXPECT_EQ(list[1].tabColour, 0xFFDCC8u);

  // The last line lacks its CR LF: not taken.
  EXPECT_EQ(ParseExtLinkIni("1,txt,T,1,e6e6e6\r\n1,pl,Perl,1,c8ffc8").size(), 1u);
  // An empty field (other than the description) ends the list.
  EXPECT_EQ(ParseExtLinkIni("1,txt,T,1,e6e6e6\r\n1,,X,1,0\r\n1,pl,P,1,0\r\n").size(), 1u);
  EXPECT_EQ(ParseExtLinkIni(",txt,T,1,e6e6e6\r\n").size(), 0u);
  EXPECT_EQ(ParseExtLinkIni("1,txt,T,1,\r\n").size(), 0u);
  EXPECT_EQ(ParseExtLinkIni("1,txt,T,,0\r\n").size(), 0u);
  // Too few fields, or an empty line, end it as well.
  EXPECT_EQ(ParseExtLinkIni("1,txt,T,1\r\n1,pl,P,1,0\r\n").size(), 0u);
  EXPECT_EQ(ParseExtLinkIni("1,txt,T,1,0\r\n\r\n1,pl,P,1,0\r\n").size(), 1u);
  // An empty description (the entry dialog allows one) does not lose the rest.
  list = ParseExtLinkIni("1,txt,,1,e6e6e6\r\n1,pl,P,1,0\r\n");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].description, "");
  // Commas inside the description stay in it.
  list = ParseExtLinkIni("1,php,PHP, HTML, and more,0,c8c8ff\r\n");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].description, "PHP, HTML, and more");
  EXPECT_EQ(list[0].searchable, 0);
  EXPECT_EQ(list[0].tabColour, 0xC8C8FFu);
}

TEST(SettingsLists, ExtLinkSkipsDuplicateExtensionsWithoutRegardToCase) {
  auto list = ParseExtLinkIni("1,txt,A,1,1\r\n0,TXT,B,0,2\r\n1,Txt,C,1,3\r\n1,pl,P,1,4\r\n");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].description, "A");
  EXPECT_EQ(list[1].extension, "pl");
  // Double-byte extensions: a trail byte that looks like a letter does not fold.
  list = ParseExtLinkIni("1,\x83\x41,A,1,1\r\n1,\x83\x61,B,1,1\r\n");
  EXPECT_EQ(list.size(), 2u);
}

TEST(SettingsLists, ExtLinkWritesTheLineFormat) {
  ExtensionColourList list = {{1, "txt", "テキスト ドキュメント", 1, 0xE6E6E6}, {0, "php", "PHP", 0, 0xC8}};
  EXPECT_EQ(BuildExtLinkIni(list), "1,txt,テキスト ドキュメント,1,e6e6e6\r\n0,php,PHP,0,c8\r\n");
  auto back = ParseExtLinkIni(BuildExtLinkIni(DefaultExtensionList()));
  ASSERT_EQ(back.size(), 7u);
  EXPECT_EQ(back[6].extension, "tpl");
  EXPECT_EQ(back[6].description, "テンプレート ドキュメント");
  EXPECT_EQ(back[6].tabColour, 0xB4FFFFu);
}

TEST(SettingsLists, Domains) {
  auto d = ParseDomainIni("辞書,ja.wikipedia.org\r\nMSDN,learn.microsoft.com");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].name, "辞書");
  EXPECT_EQ(d[0].domain, "ja.wikipedia.org");
  EXPECT_EQ(d[1].domain, "learn.microsoft.com");
  EXPECT_EQ(ParseDomainIni("a,b\r\n,c\r\nd,e\r\n").size(), 1u);
  EXPECT_EQ(ParseDomainIni("a,b\r\nnocomma\r\nd,e\r\n").size(), 1u);
  EXPECT_EQ(ParseDomainIni("a,\r\n").size(), 0u);
  // Entries that would end the list on reading are not written.
  EXPECT_EQ(BuildDomainIni({{"a", "b"}, {"", "x"}, {"c", "d"}}), "a,b\r\nc,d\r\n");
  auto defaults = DefaultWebDomains();
  ASSERT_EQ(defaults.size(), 2u);
  EXPECT_EQ(defaults[0].name, "辞書");
  EXPECT_EQ(defaults[1].name, "MSDN");
  EXPECT_FALSE(defaults[0].domain.empty());
}

TEST(SettingsLists, HistoriesStopAtAnEmptyLineAndAfterFourteen) {
  History h{100, {}};
  ParseHistoryIni("C:\\a\r\nC:\\b\r\n\r\nC:\\c\r\n", h);
  EXPECT_EQ(h.paths, (std::vector<std::string>{"C:\\a", "C:\\b"}));
  std::string many;
  for (int i = 0; i < 20; ++i) many += "C:\\f" + std::to_string(i) + "\r\n";
  ParseHistoryIni(many, h);
  ASSERT_EQ(h.paths.size(), 14u);
  EXPECT_EQ(h.paths[13], "C:\\f13");
  ParseHistoryIni("C:\\last", h);
  EXPECT_EQ(h.paths, std::vector<std::string>{"C:\\last"});
  EXPECT_EQ(h.menuBaseId, 100);
  EXPECT_EQ(BuildHistoryIni(History{200, {"C:\\表\\a.pj", "D:\\b.pj"}}), "C:\\表\\a.pj\r\nD:\\b.pj\r\n");
}

TEST(SettingsLists, HistoryAddMovesOrInserts) {
  History h{100, {}};
  HistoryAdd(h, "C:\\a.txt");
  HistoryAdd(h, "C:\\b.txt");
  HistoryAdd(h, "C:\\c.txt");
  HistoryAdd(h, "c:\\A.TXT");  // same path in other letter case moves to the front
  EXPECT_EQ(h.paths, (std::vector<std::string>{"C:\\a.txt", "C:\\c.txt", "C:\\b.txt"}));
  HistoryAdd(h, "");
  EXPECT_EQ(h.paths.size(), 3u);
  // Double-byte names: "ソ" and "ン" differ only in a trail byte; no folding.
  HistoryAdd(h, "C:\\ソ");
  HistoryAdd(h, "C:\\ン");
  EXPECT_EQ(h.paths.size(), 5u);
  for (int i = 0; i < 20; ++i) HistoryAdd(h, "C:\\n" + std::to_string(i));
  ASSERT_EQ(h.paths.size(), 14u);
  EXPECT_EQ(h.paths.front(), "C:\\n19");
  EXPECT_EQ(h.paths.back(), "C:\\n6");
}

TEST(SettingsLists, RecentMenuItems) {
  auto items = RecentMenuItems(History{200, {}});
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].id, 100);
  EXPECT_EQ(items[0].text, "なし");
  EXPECT_FALSE(items[0].enabled);
  items = RecentMenuItems(History{200, {"C:\\a.pj", "C:\\b.pj"}});
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].id, 200);
  EXPECT_EQ(items[1].id, 201);
  EXPECT_EQ(items[1].text, "C:\\b.pj");
  EXPECT_TRUE(items[1].enabled);
}

TEST(SettingsLists, SearchHistoriesAreTwentyLines) {
  SearchHistory h = ParseSearchHistoryIni("one\r\n\r\nthree\r\n");
  EXPECT_EQ(h[0], "one");
  EXPECT_EQ(h[1], "");
  EXPECT_EQ(h[2], "three");
  EXPECT_EQ(h[3], "");
  std::string lines;
  for (int i = 0; i < 25; ++i) lines += std::to_string(i) + "\r\n";
  h = ParseSearchHistoryIni(lines);
  EXPECT_EQ(h[19], "19");
  h = ParseSearchHistoryIni(std::string(300, 'a') + "\r\nb");
  EXPECT_EQ(h[0].size(), 259u);
  EXPECT_EQ(h[1], "b");
  std::string cut = "a";
  for (int i = 0; i < 200; ++i) cut += "表";
  h = ParseSearchHistoryIni(cut);
  EXPECT_EQ(h[0].size(), 259u);  // 1 + 129 double-byte characters

  SearchHistory w{};
  w[0] = "x";
  w[2] = "line\r\nbreak";
  std::string expected = "x\r\n\r\nline\r\n";  // a line break inside an entry does not shift the rest
  for (int i = 3; i < 20; ++i) expected += "\r\n";
  EXPECT_EQ(BuildSearchHistoryIni(w, true), expected);
  EXPECT_EQ(BuildSearchHistoryIni(w, false), "");
}

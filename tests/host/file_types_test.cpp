#include "files/file_types.h"

#include <gtest/gtest.h>

#include "prefs/extension_list.h"
#include "lang/document_kind.h"

TEST(FileTypes, TypeByExtensionWithoutRegardToCase) {
  struct Case {
    const char* path;
    int type;
    DocumentKind kind;
  } cases[] = {
      {"C:\\a\\prog.bas", 1, DocumentKind::kSource},   {"C:\\a\\PROG.OVP", 1, DocumentKind::kSource},
      {"C:\\a\\x.sbp", 2, DocumentKind::kSource},      {"C:\\a\\MakeWindow.wbp", 0, DocumentKind::kSource},
      {"C:\\a\\readme.TXT", 3, DocumentKind::kText},   {"C:\\a\\p.pj", 4, DocumentKind::kText},
      {"C:\\a\\i.Ico", 5, DocumentKind::kIcon},        {"C:\\a\\index.html", 6, DocumentKind::kHtml},
      {"C:\\a\\index.HTM", 6, DocumentKind::kHtml},    {"C:\\a\\t.tpl", 6, DocumentKind::kHtml},
      {"C:\\a\\s.php", 6, DocumentKind::kHtml},        {"C:\\a\\s.pl", 0, DocumentKind::kText},
      {"C:\\a\\noext", 0, DocumentKind::kText},        {"C:\\a.txt\\noext", 0, DocumentKind::kText},
      {"C:\\表\\ソ.sbp", 2, DocumentKind::kSource},     {"C:\\a\\x.txt.bak", 0, DocumentKind::kText},
      {"C:\\a\\x.", 0, DocumentKind::kText},           {"", 0, DocumentKind::kText},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(FileTypeOfPath(c.path)), c.type) << c.path;
    EXPECT_EQ(DocumentKindOfPath(c.path), c.kind) << c.path;
  }
}

TEST(FileTypes, TabColourOfAPath) {
  ExtensionColourList list = DefaultExtensionList();
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x.TXT"), 0xE6E6E6u);
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x.php"), 0xC8C8FFu);
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x.Html"), 0xFFDCC8u);
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x.pl"), 0xC8FFC8u);
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x.tpl"), 0xB4FFFFu);
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\noext"), 0xE6E6E6u);
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x."), 0xE6E6E6u);
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x.unknown"), 0xE6E6E6u);
  list.push_back({0, "表", "", 0, 0x010203});
  EXPECT_EQ(TabColourOfPath(list, "C:\\a\\x.表"), 0x010203u);
  EXPECT_EQ(TabColourOfPath({}, "C:\\a\\x.php"), 0xE6E6E6u);
}

TEST(FileTypes, DefaultExtensionListAndColourNames) {
  ExtensionColourList list = DefaultExtensionList();
  const char* order[] = {"txt", "htm", "html", "cgi", "pl", "php", "tpl"};
  const int associate[] = {1, 0, 0, 1, 1, 1, 1};
  ASSERT_EQ(list.size(), 7u);
  for (size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].extension, order[i]);
    EXPECT_EQ(list[i].associate, associate[i]) << order[i];
    EXPECT_EQ(list[i].searchable, 1);
  }
  EXPECT_EQ(list[1].description, "HTML ドキュメント");
  EXPECT_STREQ(TabColourName(list[0].tabColour), "灰色");
  EXPECT_STREQ(TabColourName(list[1].tabColour), "青");
  EXPECT_STREQ(TabColourName(list[3].tabColour), "緑");
  EXPECT_STREQ(TabColourName(list[5].tabColour), "赤");
  EXPECT_STREQ(TabColourName(list[6].tabColour), "黄色");
  EXPECT_STREQ(TabColourName(0xFFFFFF), "白");
  EXPECT_STREQ(TabColourName(0x123456), "ユーザー設定");
}

TEST(FileTypes, AddAndRemoveEntries) {
  ExtensionColourList list = DefaultExtensionList();
  EXPECT_FALSE(AddExtension(list, {1, "PHP", "again", 1, 0}));
  EXPECT_TRUE(AddExtension(list, {1, "sbp", "source", 0, 0xFFFFFF}));
  EXPECT_EQ(FindExtension(list, "SBP"), 7);
  EXPECT_TRUE(RemoveExtension(list, "Htm"));
  EXPECT_EQ(FindExtension(list, "htm"), -1);
  EXPECT_EQ(FindExtension(list, "html"), 1);
  EXPECT_FALSE(RemoveExtension(list, "htm"));
}

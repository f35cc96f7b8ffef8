// Adding, ordering and removing resources, and what removing a bitmap does to
// the windows whose background it is.
#include <gtest/gtest.h>

#include "project/project_resources.h"

namespace {

ProjectState Project() {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  return s;
}

std::vector<std::string> Ids(const ResourceList& list) {
  std::vector<std::string> ids;
  for (const auto& e : list) ids.push_back(e.idName);
  return ids;
}

TEST(ProjectResources, AddingNumbersIdsAndNamesTheScript) {
  ProjectState s = Project();
  EXPECT_EQ(NextResourceId(s.icons, "IDI_ICON"), "IDI_ICON1");
  EXPECT_TRUE(s.resourceScript.empty());  // asking for an ID changes nothing
  EXPECT_FALSE(s.resourcesModified);

  AddResource(s, ResourceKind::kIcon, "C:\\P\\a.ico");
  EXPECT_EQ(s.resourceScript, "Demo.rc");
  EXPECT_TRUE(s.resourcesModified);
  AddResource(s, ResourceKind::kIcon, "C:\\P\\icons\\b.ico");
  AddResource(s, ResourceKind::kIcon, "D:\\c.ico");
  s.icons[1].idName = "Other";
  AddResource(s, ResourceKind::kIcon, "C:\\d.ico");
  EXPECT_EQ(Ids(s.icons), (std::vector<std::string>{"IDI_ICON1", "Other", "IDI_ICON3", "IDI_ICON2"}));
  EXPECT_EQ(s.icons[1].path, "icons\\b.ico");
  EXPECT_EQ(s.icons[2].path, "D:\\c.ico");
  EXPECT_EQ(s.icons[3].path, "..\\d.ico");

  // Case-sensitive: idi_icon1 does not take IDI_ICON1's number.
  s.cursors.push_back(ResourceEntry{"idc_cursor1", "x.cur", nullptr});
  EXPECT_EQ(AddResource(s, ResourceKind::kCursor, "C:\\P\\y.cur"), 1u);
  EXPECT_EQ(s.cursors[1].idName, "IDC_CURSOR1");
  AddResource(s, ResourceKind::kBitmap, "C:\\P\\z.bmp");
  EXPECT_EQ(s.bitmaps[0].idName, "IDB_BITMAP1");

  s.resourceScript = "Kept.rc";
  AddResource(s, ResourceKind::kBitmap, "C:\\P\\w.bmp");
  EXPECT_EQ(s.resourceScript, "Kept.rc");
}

TEST(ProjectResources, MainIconMovesToTheFront) {
  ProjectState s = Project();
  for (const char* id : {"A", "B", "C", "D"}) s.icons.push_back(ResourceEntry{id, "x.ico", nullptr});
  SetMainIcon(s, 0);
  EXPECT_FALSE(s.resourcesModified);
  SetMainIcon(s, 9);
  EXPECT_FALSE(s.resourcesModified);
  SetMainIcon(s, 2);
  EXPECT_EQ(Ids(s.icons), (std::vector<std::string>{"C", "A", "B", "D"}));
  EXPECT_TRUE(s.resourcesModified);
  EXPECT_EQ(ResourceTreeText(s, ResourceKind::kIcon, 0), "C (Main)");
  EXPECT_EQ(ResourceTreeText(s, ResourceKind::kIcon, 1), "A");
  RemoveResource(s, ResourceKind::kIcon, 0);
  EXPECT_EQ(ResourceTreeText(s, ResourceKind::kIcon, 0), "A (Main)");
  s.bitmaps.push_back(ResourceEntry{"B1", "b.bmp", nullptr});
  EXPECT_EQ(ResourceTreeText(s, ResourceKind::kBitmap, 0), "B1");
}

TEST(ProjectResources, RemovingABitmapFixesWindowBackgrounds) {
  ProjectState s = Project();
  for (const char* id : {"B0", "B1", "B2", "B3"}) s.bitmaps.push_back(ResourceEntry{id, "x.bmp", nullptr});
  const int32_t backgrounds[] = {4096, 4097, 4098, 4099, 15, -255, 0, kBgColorWhite, 4095, 5000};
  for (int32_t bg : backgrounds) {
    s.windows.push_back(MakeNewWindowDef("W", "hW", "WProc", WindowType::kWindow));
    s.windows.back().bgColor = bg;
  }
  std::vector<size_t> changed = RemoveResource(s, ResourceKind::kBitmap, 1);
  EXPECT_EQ(changed, (std::vector<size_t>{1, 2, 3, 9}));
  std::vector<int32_t> after;
  for (const auto& w : s.windows) after.push_back(w.bgColor);
  EXPECT_EQ(after, (std::vector<int32_t>{4096, 15, 4097, 4098, 15, -255, 0, kBgColorWhite, 4095, 4999}));
  EXPECT_TRUE(s.windowsModified);
  EXPECT_EQ(Ids(s.bitmaps), (std::vector<std::string>{"B0", "B2", "B3"}));
  // Whatever a window holds, consumers only ever get an index inside the list.
  EXPECT_EQ(BackgroundBitmapIndex(4098, s.bitmaps.size()), 2);
  EXPECT_EQ(BackgroundBitmapIndex(4999, s.bitmaps.size()), -1);
  EXPECT_EQ(BackgroundBitmapIndex(INT32_MAX, s.bitmaps.size()), -1);
  EXPECT_EQ(BackgroundBitmapIndex(15, s.bitmaps.size()), -1);

  ProjectState quiet = Project();
  quiet.bitmaps.push_back(ResourceEntry{"B", "b.bmp", nullptr});
  quiet.icons.push_back(ResourceEntry{"I", "i.ico", nullptr});
  quiet.windows.push_back(MakeNewWindowDef("W", "hW", "WProc", WindowType::kWindow));
  quiet.windows.back().bgColor = 4096;
  EXPECT_TRUE(RemoveResource(quiet, ResourceKind::kIcon, 0).empty());
  EXPECT_EQ(quiet.windows[0].bgColor, 4096);  // an icon is no background
  EXPECT_FALSE(quiet.windowsModified);
  EXPECT_TRUE(RemoveResource(quiet, ResourceKind::kBitmap, 5).empty());
  EXPECT_EQ(quiet.bitmaps.size(), 1u);
}

TEST(ProjectResources, ScriptReaderAcceptsOldSingleBackslashes) {
  ProjectState s = Project();
  ASSERT_TRUE(ReadResourceScript("IDI_A ICON \"icons\\a.ico\"\r\nIDB_B BITMAP \"x\\\\y.bmp\"\r\n\r\n", "D.rc", s).ok);
  EXPECT_EQ(s.icons[0].path, "icons\\a.ico");
  EXPECT_EQ(s.bitmaps[0].path, "x\\y.bmp");
}

}  // namespace

// The records a chooser offers a project command, and the questions asked
// before one is deleted.
#include <gtest/gtest.h>

#include "project/material_choice.h"
#include "project/project_resources.h"

namespace {

ProjectState Sample() {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  for (const char* f : {"Demo.bas", "Main.sbp", "..\\lib\\表.sbp"}) s.sourceFiles.push_back(ProjectFile{f, nullptr});
  s.windows.push_back(MakeNewWindowDef("Main", "hMain", "MainProc", WindowType::kWindow));
  s.windows.push_back(MakeNewWindowDef("About", "hAbout", "AboutProc", WindowType::kModalDialog));
  s.menus.push_back(MakeNewMenuDef("MainMenu"));
  s.icons = {{"IDI_ICON1", "a.ico", nullptr}, {"IDI_ICON2", "b.ico", nullptr}};
  s.bitmaps = {{"IDB_BACK", "back.bmp", nullptr}};
  s.cursors = {{"IDC_CURSOR1", "c.cur", nullptr}};
  return s;
}

std::vector<std::string> Labels(const std::vector<MaterialChoice>& choices) {
  std::vector<std::string> out;
  for (const auto& c : choices) out.push_back(c.label);
  return out;
}

TEST(ProjectMaterials, ChoicesInTheOrderOfTheMaterialTree) {
  const ProjectState s = Sample();
  struct Case {
    MaterialMask mask;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {MaskOf(MaterialKind::kSourceFile), {"ファイル: Main.sbp", "ファイル: ..\\lib\\表.sbp"}},  // never the main file
      {kResourceMaterials,
       {"アイコン: IDI_ICON1 (Main)", "アイコン: IDI_ICON2", "ビットマップ: IDB_BACK", "カーソル: IDC_CURSOR1"}},
      {kDeletableMaterials,
       {"ウィンドウ: Main", "ウィンドウ: About", "アイコン: IDI_ICON1 (Main)", "アイコン: IDI_ICON2",
        "ビットマップ: IDB_BACK", "カーソル: IDC_CURSOR1"}},
      {MaskOf(MaterialKind::kMenu), {"メニュー: MainMenu"}},
      {0, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Labels(MaterialChoices(s, c.mask)), c.labels) << c.mask;
  const auto all = MaterialChoices(s, kDeletableMaterials);
  EXPECT_EQ(all[1].ref.kind, MaterialKind::kWindow);
  EXPECT_EQ(all[1].ref.index, 1u);
  EXPECT_EQ(all[5].ref.kind, MaterialKind::kCursor);

  // Only icons after the first can become the main icon.
  const auto main = MainIconChoices(s);
  ASSERT_EQ(main.size(), 1u);
  EXPECT_EQ(main[0].ref.index, 1u);
  ProjectState one = s;
  one.icons.pop_back();
  EXPECT_TRUE(MainIconChoices(one).empty());
  EXPECT_TRUE(MaterialChoices(ProjectState(), kDeletableMaterials).empty());
}

TEST(ProjectMaterials, DeleteQuestionsNameTheRecord) {
  const ProjectState s = Sample();
  struct Case {
    MaterialRef ref;
    std::string question;
    bool exists;
  };
  const Case cases[] = {
      {{MaterialKind::kCursor, 0}, "IDC_CURSOR1 カーソルをプロジェクトから削除します。よろしいですか？", true},
      {{MaterialKind::kBitmap, 0}, "IDB_BACK ビットマップをプロジェクトから削除します。よろしいですか？", true},
      {{MaterialKind::kIcon, 0}, "IDI_ICON1 アイコンをプロジェクトから削除します。よろしいですか？", true},
      {{MaterialKind::kMenu, 0}, "MainMenu メニューをプロジェクトから削除します。よろしいですか？", true},
      {{MaterialKind::kWindow, 1}, "About ウィンドウをプロジェクトから削除します。よろしいですか？", true},
      {{MaterialKind::kWindow, 2}, "", false},     // past the list
      {{MaterialKind::kSourceFile, 1}, "", true},  // files go without a question
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DeleteMaterialQuestion(s, c.ref), c.question);
    EXPECT_EQ(MaterialExists(s, c.ref), c.exists);
  }
  for (ResourceKind k : {ResourceKind::kCursor, ResourceKind::kBitmap, ResourceKind::kIcon}) {
    ResourceKind back = ResourceKind::kCursor;
    ASSERT_TRUE(ResourceOfMaterial(MaterialOfResource(k), back));
    EXPECT_EQ(back, k);
  }
  ResourceKind none = ResourceKind::kCursor;
  EXPECT_FALSE(ResourceOfMaterial(MaterialKind::kWindow, none));
}

}  // namespace

// The save protocol: which files a save writes, which flags it may clear
// after some writes failed, and what QuerySaveProject answers.
#include <gtest/gtest.h>

#include "project/project_save.h"
#include "project/window_definitions.h"

namespace {

TEST(ProjectSave, WindowFileIsWrittenWheneverThereIsSomethingToKeep) {
  struct Case {
    bool modified, window, menu, onDisk, write;
  };
  const Case cases[] = {
      {false, true, true, true, false},  {true, true, false, false, true},  {true, false, true, false, true},
      {true, false, false, true, true},  {true, false, false, false, false}, {true, true, true, true, true},
  };
  for (const auto& c : cases) {
    ProjectState s;
    s.windowsModified = c.modified;
    if (c.window) s.windows.emplace_back();
    if (c.menu) s.menus.push_back(MakeNewMenuDef("M"));
    s.windowFileOnDisk = c.onDisk;
    EXPECT_EQ(ShouldWriteWindowFile(s), c.write) << c.modified << c.window << c.menu << c.onDisk;
    EXPECT_EQ(PlanProjectSave(s).writeWindowFile, c.write);
    EXPECT_EQ(PlanProjectSave(s).generateWindowCode, c.window);
  }
}

TEST(ProjectSave, DeletingTheLastWindowStillRewritesTheWindowFile) {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  s.sourceFiles.push_back(ProjectFile{"Demo.bas", nullptr});
  AppendWindowDefinition(s, NewWindowInput{"Main", "hMain", "MainProc", WindowType::kWindow});
  ProjectSavePlan plan = PlanProjectSave(s);
  ProjectSaveOutcome all{true, true, true, true, true, true};
  ASSERT_TRUE(FinishProjectSave(s, plan, all));
  EXPECT_TRUE(s.windowFileOnDisk);
  DeleteWindowDefinition(s, 0);
  EXPECT_TRUE(PlanProjectSave(s).writeWindowFile);
  EXPECT_FALSE(PlanProjectSave(s).generateWindowCode);
}

TEST(ProjectSave, FlagsClearOnlyWithTheirFiles) {
  struct Case {
    ProjectSaveOutcome outcome;
    bool ok, windows, resources, project;  // result and the flags left set
  };
  const Case cases[] = {
      {{true, true, true, true, true, true}, true, false, false, false},
      {{true, true, true, true, false, true}, false, true, false, false},
      {{true, true, false, true, true, true}, false, false, true, false},
      {{true, false, true, true, true, true}, false, false, false, true},
      {{true, true, true, false, true, true}, false, false, false, true},
      {{true, true, true, true, true, false}, false, false, false, true},
      {{false, true, true, true, true, true}, false, false, false, false},
      {{true, false, false, false, false, false}, false, true, true, true},
  };
  for (const auto& c : cases) {
    ProjectState s;
    s.projectName = "Demo";
    s.resourceScript = "Demo.rc";
    s.windows.emplace_back();
    s.windowsModified = s.resourcesModified = s.projectModified = true;
    const ProjectSavePlan plan = PlanProjectSave(s);
    ASSERT_TRUE(plan.writeResourceFiles && plan.writeWindowFile && plan.generateWindowCode);
    EXPECT_EQ(FinishProjectSave(s, plan, c.outcome), c.ok);
    EXPECT_EQ(s.windowsModified, c.windows);
    EXPECT_EQ(s.resourcesModified, c.resources);
    EXPECT_EQ(s.projectModified, c.project);
    EXPECT_EQ(s.windowFileOnDisk, c.outcome.windowFileWritten);
  }

  // Flags with nothing to write behind them are cleared by a good save.
  ProjectState s;
  s.windowsModified = s.resourcesModified = true;
  const ProjectSavePlan plan = PlanProjectSave(s);
  EXPECT_FALSE(plan.writeResourceFiles || plan.writeWindowFile || plan.generateWindowCode);
  EXPECT_TRUE(FinishProjectSave(s, plan, ProjectSaveOutcome{true, true, false, true, false, false}));
  EXPECT_FALSE(s.AnyModified());
}

TEST(ProjectSave, QuestionAndItsAnswers) {
  ProjectState s;
  s.projectName = "Demo";
  EXPECT_FALSE(ProjectNeedsSaveQuestion(s, false));
  EXPECT_TRUE(ProjectNeedsSaveQuestion(s, true));
  s.resourcesModified = true;
  EXPECT_TRUE(ProjectNeedsSaveQuestion(s, false));
  EXPECT_EQ(SaveProjectQuestion(s), "\"Demo\" プロジェクトは変更されています。保存しますか？");

  EXPECT_EQ(QuerySaveOutcome(SaveAnswer::kYes, true), QuerySaveResult::kSavedOrDeclined);
  EXPECT_EQ(QuerySaveOutcome(SaveAnswer::kYes, false), QuerySaveResult::kCancel);
  EXPECT_EQ(QuerySaveOutcome(SaveAnswer::kNo, false), QuerySaveResult::kSavedOrDeclined);
  EXPECT_EQ(QuerySaveOutcome(SaveAnswer::kCancel, true), QuerySaveResult::kCancel);
}

TEST(ProjectSave, ClosingResetsTheWholeState) {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  s.moduleType = 3;
  s.options = 0x10000;
  s.outputRelease = s.outputDebug = s.debugCmdLine = s.debugExePath = s.resourceScript = "x";
  s.sourceFiles.emplace_back();
  s.windows.emplace_back();
  s.menus.emplace_back();
  s.cursors.emplace_back();
  s.bitmaps.emplace_back();
  s.icons.emplace_back();
  s.windowsModified = s.resourcesModified = s.projectModified = s.windowFileOnDisk = true;
  s.platform = ProjectPlatform::k64;
  s.Clear();
  EXPECT_FALSE(s.IsOpen());
  EXPECT_TRUE(s.projectDir.empty() && s.outputRelease.empty() && s.outputDebug.empty() && s.debugCmdLine.empty() &&
              s.debugExePath.empty() && s.resourceScript.empty());
  EXPECT_EQ(s.moduleType, 0);
  EXPECT_EQ(s.options, 0u);
  EXPECT_TRUE(s.sourceFiles.empty() && s.windows.empty() && s.menus.empty() && !s.HasResources());
  EXPECT_FALSE(s.AnyModified() || s.windowFileOnDisk);
  EXPECT_EQ(s.platform, ProjectPlatform::k32);
}

}  // namespace

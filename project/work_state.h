#pragma once
// The work-state file (Name.wrk): which project documents were open, in Z
// order from the bottom to the active one, and how the project view looked.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/project_state.h"
#include "project/read_result.h"

enum class WorkDocKind { kText, kWindowDesign, kMenuDesign, kIcon };

struct WorkDoc {
  WorkDocKind kind = WorkDocKind::kText;
  std::string name;  // text and icon: the stored path; window and menu: the name
  int32_t hScroll = 0, vScroll = 0;   // text only
  int32_t selStart = 0, selEnd = 0;   // text only: byte offsets, start <= end
};

struct WorkState {
  std::vector<WorkDoc> documents;  // bottom of the Z order first, the active one last
  int32_t selectedTab = 0;         // 0 File, 1 Class, 2 Material
  bool fileRootExpanded = false;
  bool classRootExpanded = false;
  std::vector<bool> materialExpanded;  // top-level Material items in order
};

// "case4", the documents, the view state; the last line has no line end.
std::string BuildWorkStateFile(const WorkState& work);

// Reads what BuildWorkStateFile writes; on failure `work` is unchanged.
ReadResult ReadWorkState(std::string_view bytes, std::string_view fileName, WorkState& work);

// One document the opener is to restore: the index of the source file,
// window, menu or icon it shows.
struct RestoreItem {
  WorkDocKind kind = WorkDocKind::kText;
  size_t index = 0;
  const WorkDoc* doc = nullptr;
};

// The documents of `work` that still belong to the project, in the order to
// open them (the last becomes the active one). Documents whose file, window,
// menu or icon is no longer in the project are left out.
std::vector<RestoreItem> PlanWorkStateRestore(const WorkState& work, const ProjectState& state);

// Caret and scroll of a text document restored into `text` as it is now (it
// may have changed since the work state was written): the selection is
// clamped to the text and moved off a trail byte, the scroll positions to
// [0, max].
struct TextRestore {
  int32_t hScroll = 0, vScroll = 0, selStart = 0, selEnd = 0;
};
TextRestore ClampTextRestore(const WorkDoc& doc, std::string_view text, int32_t maxHScroll, int32_t maxVScroll);

// The tab index restored: 0 to 2, anything else 0.
int32_t ClampedTab(int32_t selectedTab);

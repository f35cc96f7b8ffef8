#pragma once
// The records of a project a command acts on when no project view names one:
// what a chooser lists, and the questions asked before one is deleted.
#include <cstddef>
#include <string>
#include <vector>

#include "project/project_state.h"

enum class MaterialKind { kSourceFile, kWindow, kMenu, kIcon, kBitmap, kCursor };

struct MaterialRef {
  MaterialKind kind = MaterialKind::kWindow;
  size_t index = 0;
};

// Which kinds a chooser offers (bits of 1 << MaterialKind).
using MaterialMask = unsigned;
constexpr MaterialMask MaskOf(MaterialKind kind) { return 1u << static_cast<unsigned>(kind); }
constexpr MaterialMask kResourceMaterials =
    MaskOf(MaterialKind::kIcon) | MaskOf(MaterialKind::kBitmap) | MaskOf(MaterialKind::kCursor);
// What deleting from the Material tree reaches here (menus belong to the menu editor).
constexpr MaterialMask kDeletableMaterials = kResourceMaterials | MaskOf(MaterialKind::kWindow);

struct MaterialChoice {
  MaterialRef ref;
  std::string label;  // "ウィンドウ: Main", "アイコン: IDI_ICON1 (Main)", ...
};

// The records of the kinds in mask, in the Material tree's group order
// (windows, menus, icons, bitmaps, cursors; source files first). Source file
// 0, the main file, is left out: nothing that chooses files may take it.
std::vector<MaterialChoice> MaterialChoices(const ProjectState& state, MaterialMask mask);
// Icons that can become the main icon: every icon but the first.
std::vector<MaterialChoice> MainIconChoices(const ProjectState& state);

// Whether ref names a record of the project.
bool MaterialExists(const ProjectState& state, const MaterialRef& ref);
// Resource kinds as materials and back.
MaterialKind MaterialOfResource(ResourceKind kind);
bool ResourceOfMaterial(MaterialKind kind, ResourceKind& out);

// "%s カーソルをプロジェクトから削除します。よろしいですか？" and its
// bitmap, icon, menu and window forms, with the record's ID or name; empty
// for source files, which are removed without a question.
std::string DeleteMaterialQuestion(const ProjectState& state, const MaterialRef& ref);

#include "project/material_choice.h"

#include "project/project_resources.h"

namespace {

struct KindText {
  MaterialKind kind;
  const char* label;     // prefix of the chooser's lines
  const char* question;  // after the name in the delete question; null: none asked
};

const KindText kKinds[] = {
    {MaterialKind::kSourceFile, "ファイル", nullptr},  // removed without a question
    {MaterialKind::kWindow, "ウィンドウ", " ウィンドウをプロジェクトから削除します。よろしいですか？"},
    {MaterialKind::kMenu, "メニュー", " メニューをプロジェクトから削除します。よろしいですか？"},
    {MaterialKind::kIcon, "アイコン", " アイコンをプロジェクトから削除します。よろしいですか？"},
    {MaterialKind::kBitmap, "ビットマップ", " ビットマップをプロジェクトから削除します。よろしいですか？"},
    {MaterialKind::kCursor, "カーソル", " カーソルをプロジェクトから削除します。よろしいですか？"},
};

const KindText& TextOf(MaterialKind kind) { return kKinds[static_cast<int>(kind)]; }

size_t CountOf(const ProjectState& s, MaterialKind kind) {
  switch (kind) {
    case MaterialKind::kSourceFile: return s.sourceFiles.size();
    case MaterialKind::kWindow: return s.windows.size();
    case MaterialKind::kMenu: return s.menus.size();
    case MaterialKind::kIcon: return s.icons.size();
    case MaterialKind::kBitmap: return s.bitmaps.size();
    case MaterialKind::kCursor: return s.cursors.size();
  }
  return 0;
}

// The name the Material tree shows for a record.
std::string NameOf(const ProjectState& s, const MaterialRef& ref) {
  ResourceKind resource = ResourceKind::kIcon;
  switch (ref.kind) {
    case MaterialKind::kSourceFile: return s.sourceFiles[ref.index].path;
    case MaterialKind::kWindow: return s.windows[ref.index].name;
    case MaterialKind::kMenu: return s.menus[ref.index].idName.value_or(std::string());
    default:
      ResourceOfMaterial(ref.kind, resource);
      return ResourceTreeText(s, resource, ref.index);
  }
}

void Append(const ProjectState& s, MaterialKind kind, size_t first, std::vector<MaterialChoice>& out) {
  for (size_t i = first; i < CountOf(s, kind); ++i) {
    MaterialRef ref{kind, i};
    out.push_back(MaterialChoice{ref, std::string(TextOf(kind).label) + ": " + NameOf(s, ref)});
  }
}

}  // namespace

std::vector<MaterialChoice> MaterialChoices(const ProjectState& state, MaterialMask mask) {
  std::vector<MaterialChoice> out;
  for (MaterialKind kind : {MaterialKind::kSourceFile, MaterialKind::kWindow, MaterialKind::kMenu, MaterialKind::kIcon,
                            MaterialKind::kBitmap, MaterialKind::kCursor}) {
    if (mask & MaskOf(kind)) Append(state, kind, kind == MaterialKind::kSourceFile ? 1 : 0, out);
  }
  return out;
}

std::vector<MaterialChoice> MainIconChoices(const ProjectState& state) {
  std::vector<MaterialChoice> out;
  Append(state, MaterialKind::kIcon, 1, out);
  return out;
}

bool MaterialExists(const ProjectState& state, const MaterialRef& ref) { return ref.index < CountOf(state, ref.kind); }

MaterialKind MaterialOfResource(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::kCursor: return MaterialKind::kCursor;
    case ResourceKind::kBitmap: return MaterialKind::kBitmap;
    default: return MaterialKind::kIcon;
  }
}

bool ResourceOfMaterial(MaterialKind kind, ResourceKind& out) {
  switch (kind) {
    case MaterialKind::kCursor: out = ResourceKind::kCursor; return true;
    case MaterialKind::kBitmap: out = ResourceKind::kBitmap; return true;
    case MaterialKind::kIcon: out = ResourceKind::kIcon; return true;
    default: return false;
  }
}

std::string DeleteMaterialQuestion(const ProjectState& state, const MaterialRef& ref) {
  if (!MaterialExists(state, ref) || !TextOf(ref.kind).question) return std::string();
  std::string name;
  ResourceKind resource = ResourceKind::kIcon;
  // The plain ID, without the main icon's " (Main)".
  if (ResourceOfMaterial(ref.kind, resource)) name = ResourcesOf(state, resource)[ref.index].idName;
  else name = NameOf(state, ref);
  return name + TextOf(ref.kind).question;
}

#include "project/project_names.h"

#include "files/paths.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(std::string_view s) {
  std::string out = "\"";
  out += s;
  out += '"';
  return out;
}

// "%sを入力して下さい。" and "\"%s\" は%sに使えません。..." for one kind of name.
Refusal CheckIdentifier(std::string_view name, const char* what) {
  Refusal r;
  if (name.empty()) {
    r.message = std::string(what) + "を入力して下さい。";
  } else if (!IsIdentifier(name)) {
    r.message = Quoted(name) + " は" + what + "に使えません。英字か \"_\" で始まり、英字、数字と \"_\" だけからなる名前にして下さい。";
  } else if (name.size() > kMaxPathBytes) {
    r.message = std::string(what) + "が長すぎます。";
  }
  return r;
}

// A name that becomes a file name in dir with an extension of up to four bytes.
Refusal CheckFileName(std::string_view name, std::string_view dir, const char* what) {
  Refusal r;
  if (IsReservedDeviceName(name)) {
    r.message = Quoted(name) + " はファイル名に使えないため、" + what + "にできません。";
  } else if (dir.size() + name.size() + 4 > kMaxPathBytes) {
    r.message = std::string(what) + "が長すぎます。";
  }
  return r;
}

Refusal Clash(const char* format, std::string_view value) {
  Refusal r;
  r.message = Quoted(value) + format;
  r.caption = "エラー";
  return r;
}

}  // namespace

bool IsIdentifier(std::string_view name) {
  if (name.empty() || !(IsLetter(name[0]) || name[0] == '_')) return false;
  for (char c : name) {
    if (!IsLetter(c) && !IsDigit(c) && c != '_') return false;
  }
  return true;
}

bool IsReservedDeviceName(std::string_view name) {
  std::string base = PathFoldCase(name.substr(0, name.find('.')));
  if (base == "con" || base == "prn" || base == "aux" || base == "nul") return true;
  return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
         base[3] >= '1' && base[3] <= '9';
}

std::string DerivedHandleName(std::string_view windowName) {
  return windowName.empty() ? std::string() : "h" + std::string(windowName);
}

std::string DerivedProcedureName(std::string_view windowName) {
  return windowName.empty() ? std::string() : std::string(windowName) + "Proc";
}

Refusal ValidateNewWindow(const ProjectState& state, const NewWindowInput& in) {
  if (Refusal r = CheckIdentifier(in.name, "ウィンドウ名")) return r;
  if (Refusal r = CheckFileName(in.name, state.projectDir, "ウィンドウ名")) return r;
  if (Refusal r = CheckIdentifier(in.handleName, "ハンドル名")) return r;
  if (Refusal r = CheckIdentifier(in.procedureName, "プロシージャ名")) return r;

  const std::string file = in.name + ".sbp";
  if (FindProjectFile(state, state.projectDir + file) >= 0) {
    Refusal r;
    r.message = Quoted(file) + " ファイルは既にプロジェクト内に存在します。";
    return r;
  }
  for (const auto& w : state.windows) {
    if (PathEqualsNoCase(w.name, in.name)) return Clash(" ウィンドウは既にプロジェクト内に存在します。", w.name);
    if (PathEqualsNoCase(w.handleName, in.handleName)) return Clash(" ハンドルは既にプロジェクト内に存在します。", w.handleName);
    if (PathEqualsNoCase(w.callbackName, in.procedureName)) return Clash(" プロシージャは既にプロジェクト内に存在します。", w.callbackName);
  }
  return Refusal();
}

std::string ReplaceFileQuestion(std::string_view path) {
  return Quoted(path) + " ファイルは既に存在します。置き換えますか？";
}

Refusal ValidateProjectName(std::string_view name, std::string_view projectDir) {
  if (Refusal r = CheckIdentifier(name, "プロジェクト名")) return r;
  return CheckFileName(name, projectDir, "プロジェクト名");
}

Refusal ValidateResourceId(const ProjectState& state, ResourceKind kind, int index, std::string_view id) {
  Refusal r;
  if (id.empty()) {
    r.message = "ID名を入力して下さい。";
    return r;
  }
  if (Refusal bad = CheckIdentifier(id, "ID名")) return bad;
  for (ResourceKind k : {ResourceKind::kCursor, ResourceKind::kBitmap, ResourceKind::kIcon}) {
    const ResourceList& list = ResourcesOf(state, k);
    for (size_t i = 0; i < list.size(); ++i) {
      if (k == kind && static_cast<int>(i) == index) continue;
      if (list[i].idName == id) {
        r.message = "ID " + Quoted(id) + " は既にプロジェクト内に存在します。";
        r.caption = "エラー";
        return r;
      }
    }
  }
  return r;
}

Refusal ValidateMenuRename(const ProjectState& state, int index, std::string_view name) {
  Refusal r;
  for (size_t i = 0; i < state.menus.size(); ++i) {
    if (static_cast<int>(i) == index) continue;
    if (PathEqualsNoCase(state.menus[i].idName.value_or(std::string()), name)) {
      r.message = "ID " + Quoted(name) + " は既にプロジェクト内に存在します。";
      r.caption = "エラー";
      return r;
    }
  }
  return r;
}

#include "project/project_file.h"

#include "files/paths.h"
#include "platform/sjis.h"
#include "project/line_text.h"
#include "project/project_names.h"

namespace {

const char kHeader[] = "' Orvenic Project file.";

void KeyLine(std::string& out, const char* key, std::string_view value) {
  out += key;
  AppendLineSafe(out, value);
  out += "\r\n\r\n";
}

void KeyLine(std::string& out, const char* key, int64_t value) {
  out += key;
  AppendDecimal(out, value);
  out += "\r\n\r\n";
}

// A name that becomes the base of the project's file names: nothing that
// would put them into another folder or that no file can be called.
bool IsProjectFileBase(std::string_view name) {
  if (name.empty() || name.size() > kMaxPathBytes || IsReservedDeviceName(name)) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  for (size_t i = 0; i < name.size(); i += SjisCharLen(name.data() + i, name.data() + name.size())) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

std::string BuildProjectFile(const ProjectState& s, ProjectPlatform platform) {
  std::string out;
  size_t sources = 0;
  for (const auto& f : s.sourceFiles) sources += f.path.size() + 2;
  out.reserve(320 + s.projectName.size() + s.outputRelease.size() + s.outputDebug.size() + s.debugCmdLine.size() +
              s.debugExePath.size() + s.resourceScript.size() + sources);
  out += kHeader;
  out += "\r\n\r\n";
  KeyLine(out, "#VERSION=", kProjectFileVersion);
  KeyLine(out, "#MODULETYPE=", s.moduleType);
  KeyLine(out, "#NAME=", s.projectName);
  out += platform == ProjectPlatform::k64 ? "#PLATFORM=64\r\n\r\n" : "#PLATFORM=32\r\n\r\n";
  KeyLine(out, "#USEWINDOW=", static_cast<int64_t>(s.windows.size()));
  out += "#OPTION=";
  AppendHex8(out, s.options);
  out += "\r\n\r\n";
  KeyLine(out, "#OUTPUT_RELEASE=", s.outputRelease);
  KeyLine(out, "#OUTPUT_DEBUG=", s.outputDebug);
  KeyLine(out, "#DEBUG_CMD_LINE=", s.debugCmdLine);
  KeyLine(out, "#DEBUG_EXE_PATH=", s.debugExePath);
  KeyLine(out, "#RESOURCE=", s.resourceScript.empty() ? std::string_view("0") : std::string_view(s.resourceScript));
  out += "#SOURCE\r\n";
  for (const auto& f : s.sourceFiles) {
    AppendLineSafe(out, f.path);
    AppendCrLf(out);
  }
  return out;
}

ReadResult ReadProjectFile(std::string_view bytes, std::string_view fileName, ProjectState& state) {
  if (HoldsNul(bytes)) return FormatError(fileName, 0, "NUL 文字が含まれています");
  LineCursor lines(bytes);
  std::string_view line;
  if (!lines.Next(line) || line != kHeader) return FormatError(fileName, 1, "プロジェクト ファイルではありません");

  ProjectState fresh;
  bool inSources = false, haveName = false;
  while (lines.Next(line)) {
    const int n = lines.LineNumber();
    if (line.empty()) continue;
    if (inSources) {
      if (line.size() > kMaxPathBytes) return FormatError(fileName, n, "パスが長すぎます");
      fresh.sourceFiles.push_back(ProjectFile{std::string(line), nullptr});
      continue;
    }
    if (line == "#SOURCE") {
      inSources = true;
      continue;
    }
    std::string_view rest = line, key;
    if (line[0] != '#' || !SplitAt(rest, '=', key)) return FormatError(fileName, n, "不明な行です");
    int32_t number = 0;
    std::string* text = nullptr;
    if (key == "#VERSION" || key == "#USEWINDOW" || key == "#MODULETYPE") {
      if (!ParseInt32(rest, number)) return FormatError(fileName, n, "数値が正しくありません");
      if (key == "#MODULETYPE") fresh.moduleType = number;
    } else if (key == "#PLATFORM") {
      if (rest != "32" && rest != "64") return FormatError(fileName, n, "プラットフォームは 32 か 64 です");
      fresh.platform = rest == "64" ? ProjectPlatform::k64 : ProjectPlatform::k32;
    } else if (key == "#OPTION") {
      if (!ParseHex32(rest, fresh.options)) return FormatError(fileName, n, "数値が正しくありません");
    } else if (key == "#NAME") {
      if (!IsProjectFileBase(rest)) return FormatError(fileName, n, "プロジェクト名がファイル名として使えません");
      fresh.projectName = std::string(rest);
      haveName = true;
    } else if (key == "#OUTPUT_RELEASE") {
      text = &fresh.outputRelease;
    } else if (key == "#OUTPUT_DEBUG") {
      text = &fresh.outputDebug;
    } else if (key == "#DEBUG_CMD_LINE") {
      text = &fresh.debugCmdLine;
    } else if (key == "#DEBUG_EXE_PATH") {
      text = &fresh.debugExePath;
    } else if (key == "#RESOURCE") {
      if (rest != "0") text = &fresh.resourceScript;
    } else {
      return FormatError(fileName, n, "不明な行です");
    }
    if (text) {
      if (rest.size() > kMaxPathBytes) return FormatError(fileName, n, "値が長すぎます");
      *text = std::string(rest);
    }
  }
  if (!haveName) return FormatError(fileName, 0, "#NAME がありません");
  if (fresh.sourceFiles.empty()) return FormatError(fileName, 0, "メイン ファイルがありません");
  state = std::move(fresh);
  return ReadResult();
}

std::string BuildIndexProgram(const ProjectState& s) {
  std::string out = "' インデックス プログラム\r\n";
  if (s.options & 0xFFFFFFu) {
    if (s.options & ProjectOption::kStrict) out += "\r\n#strict\r\n";
    out += "\r\n'Win32APIの定義ファイル\r\n";
    if (s.options & ProjectOption::kMultimedia) out += "#include <api_mmsys.sbp>\r\n";
    if (s.options & ProjectOption::kCommonControls) out += "#include <api_commctrl.sbp>\r\n";
    if (s.options & ProjectOption::kRichEdit) out += "#include <api_richedit.sbp>\r\n";
    if (s.options & ProjectOption::kWinsock) out += "#include <api_winsock2.sbp>\r\n";
  }
  if (!s.windows.empty()) out += "\r\n'RADツールが生成するウィンドウ制御プログラム\r\n#include \"Callback.wbp\"\r\n";
  if (s.sourceFiles.size() > 1) {
    out += "\r\n'プロジェクト内のプログラム ファイル\r\n";
    for (size_t i = 1; i < s.sourceFiles.size(); ++i) {
      out += "#include \"";
      AppendLineSafe(out, s.sourceFiles[i].path);
      out += "\"\r\n";
    }
  }
  if (!s.windows.empty()) out += "\r\n'RADツールが生成するウィンドウ生成プログラム\r\n#include \"MakeWindow.wbp\"\r\n";
  if (s.HasResources()) {
    out += "\r\n'リソースファイル\r\n#include \"resource.sbp\"\r\n#resource \"";
    AppendLineSafe(out, s.projectName);
    out += ".rc\"\r\n";
  }
  return out;
}

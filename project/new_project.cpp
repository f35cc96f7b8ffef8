#include "project/new_project.h"

#include "files/paths.h"
#include "platform/sjis.h"

namespace {

// The longest file the project keeps in its folder besides Name.xxx.
constexpr size_t kLongestFixedName = sizeof("MakeWindow.wbp") - 1;

Refusal Refuse(std::string message) {
  Refusal r;
  r.message = std::move(message);
  return r;
}

// A component named like a device (con, lpt1, ...) is no folder.
bool HoldsDeviceName(std::string_view folder) {
  const char* end = folder.data() + folder.size();
  const char* start = folder.data() + PathRootLength(folder);
  const char* p = start;
  for (;;) {
    if (p == end || IsPathSeparator(*p)) {
      if (IsReservedDeviceName(std::string_view(start, static_cast<size_t>(p - start)))) return true;
      if (p == end) return false;
      start = ++p;
    } else {
      p += SjisCharLen(p, end);
    }
  }
}

bool HoldsBadFolderChar(std::string_view folder) {
  const char* p = folder.data();
  const char* end = p + folder.size();
  while (p < end) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c < 0x20 || std::string_view("*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) return true;
    // A colon belongs only to the drive.
    if (c == ':' && p - folder.data() != 1) return true;
    p += SjisCharLen(p, end);
  }
  return false;
}

std::string ReplaceName(std::string_view text, std::string_view name) {
  std::string out;
  out.reserve(text.size() + 4 * name.size());
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, 6, "#name#") == 0) {
      out.append(name);
      i += 6;
    } else {
      out += text[i++];
    }
  }
  return out;
}

constexpr const char kWindowMain[] =
    "'------------------------------------------------------------\r\n"
    "' #name# のメイン プログラム (ウィンドウ プログラム)\r\n"
    "' ウィンドウは「新しいウィンドウ」で追加します。\r\n"
    "'------------------------------------------------------------\r\n"
    "#include \"#name#.idx\"\r\n"
    "\r\n"
    "' メッセージ ループ\r\n"
    "Dim _Main_msg As MSG\r\n"
    "Dim _Main_result As Long\r\n"
    "Do\r\n"
    "\t_Main_result=GetMessage(_Main_msg,0,0,0)\r\n"
    "\tIf _Main_result=0 or _Main_result=-1 Then Exit Do\r\n"
    "\tTranslateMessage(_Main_msg)\r\n"
    "\tDispatchMessage(_Main_msg)\r\n"
    "Loop\r\n"
    "\r\n"
    "End\r\n";

constexpr const char kConsoleMain[] =
    "'------------------------------------------------------------\r\n"
    "' #name# のメイン プログラム (コンソール プログラム)\r\n"
    "'------------------------------------------------------------\r\n"
    "#include \"#name#.idx\"\r\n"
    "\r\n"
    "Print \"Hello, World!\"\r\n"
    "\r\n"
    "End\r\n";

}  // namespace

std::string DefaultProjectFolder(std::string_view saveDir, std::string_view name) {
  std::string folder = FolderWithSeparator(saveDir);
  folder += name;
  return folder;
}

std::string FolderWithSeparator(std::string_view folder) {
  std::string out(folder);
  if (!out.empty() && !EndsWithSeparator(out)) out += '\\';
  return out;
}

Refusal ValidateNewProject(const NewProjectInput& input) {
  const std::string dir = FolderWithSeparator(input.folder);
  if (Refusal r = ValidateProjectName(input.name, dir)) return r;
  if (input.folder.empty()) return Refuse("プロジェクトを作成するフォルダを入力して下さい。");
  if (PathRootLength(input.folder) == 0 || HoldsBadFolderChar(input.folder) || HoldsDeviceName(input.folder)) {
    return Refuse("\"" + input.folder + "\" はフォルダとして使えません。ドライブから始まるフォルダのパスを入力して下さい。");
  }
  if (dir.size() + kLongestFixedName > kMaxPathBytes) return Refuse("フォルダのパスが長すぎます。");
  return Refusal();
}

std::string ProjectFolderTakenMessage(std::string_view folder) {
  return "\"" + std::string(folder) +
         "\" フォルダには既にプロジェクトがあります。\n別のフォルダを指定して下さい。";
}

uint32_t NewProjectOptions(NewProjectKind kind) {
  return kind == NewProjectKind::kWindowProgram ? ProjectOption::kCommonControls : 0;
}

std::string MainSourceName(std::string_view name) { return std::string(name) + ".bas"; }

std::string MainSourceText(NewProjectKind kind, std::string_view name) {
  return ReplaceName(kind == NewProjectKind::kWindowProgram ? kWindowMain : kConsoleMain, name);
}

ProjectState NewProjectState(const NewProjectInput& input) {
  ProjectState s;
  s.projectName = input.name;
  s.projectDir = FolderWithSeparator(input.folder);
  s.options = NewProjectOptions(input.kind);
  s.sourceFiles.push_back(ProjectFile{MainSourceName(input.name), nullptr});
  return s;
}

WorkState InitialViewState() {
  WorkState w;
  w.selectedTab = 0;
  w.fileRootExpanded = true;
  w.classRootExpanded = false;
  w.materialExpanded.assign(5, false);
  return w;
}

std::string FrameTitle(const ProjectState& state) {
  return state.IsOpen() ? "Quillet - " + state.projectName : std::string("Quillet");
}

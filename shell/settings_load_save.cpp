#include "shell/settings_load_save.h"

#include <cstring>

#include "prefs/extension_list.h"
#include "shell/settings_history.h"
#include "shell/settings_lists.h"

namespace {

// Settings files are C strings: anything after a NUL byte is not part of them.
std::string_view AsCText(const std::string& content) {
  return std::string_view(content.data(), std::strlen(content.c_str()));
}

bool ReadText(SettingsFileStore& files, const char* name, std::string& content) {
  if (!files.Read(name, content)) return false;
  content.resize(AsCText(content).size());
  return true;
}

// Another instance may have saved its histories since we read them: keep its
// entries after ours instead of overwriting them.
History MergedWithDisk(SettingsFileStore& files, const char* name, const History& ours) {
  std::string content;
  History onDisk{ours.menuBaseId, {}};
  if (ReadText(files, name, content)) ParseHistoryIni(content, onDisk);
  return MergeHistory(ours, onDisk);
}

SearchHistory MergedWithDisk(SettingsFileStore& files, const char* name, const SearchHistory& ours) {
  std::string content;
  if (!ReadText(files, name, content)) return ours;
  return MergeSearchHistory(ours, ParseSearchHistoryIni(content));
}

}  // namespace

void SettingsLoad(EditorSettings& s, const SettingsEnv& env) {
  MemorySettingsFiles none;  // no store: every file missing
  SettingsFileStore& files = env.files ? *env.files : none;
  std::string content;

  s.extensions = ReadText(files, "extlink.ini", content) ? ParseExtLinkIni(content) : DefaultExtensionList();
  s.domains = ReadText(files, "domain.ini", content) ? ParseDomainIni(content) : DefaultWebDomains();

  s.fileHistory.paths.clear();
  if (ReadText(files, "history.ini", content)) ParseHistoryIni(content, s.fileHistory);
  s.projectHistory.paths.clear();
  if (ReadText(files, "pj_history.ini", content)) ParseHistoryIni(content, s.projectHistory);

  s.findHistory = SearchHistory{};
  s.replaceHistory = SearchHistory{};
  s.webHistory = SearchHistory{};

  if (!ReadText(files, "editor.ini", content)) {
    SetEditorIniDefaults(s, env.defaults, true);
    if (env.associationStep) env.associationStep(s);
    return;
  }
  bool haveLinkFile = ParseEditorIni(content, s, env.defaults);
  if (ReadText(files, "findstr.ini", content)) s.findHistory = ParseSearchHistoryIni(content);
  if (ReadText(files, "permustr.ini", content)) s.replaceHistory = ParseSearchHistoryIni(content);
  if (ReadText(files, "webstr.ini", content)) s.webHistory = ParseSearchHistoryIni(content);
  if (!haveLinkFile && env.associationStep) env.associationStep(s);
}

bool SettingsSave(const EditorSettings& s, SettingsFileStore& files) {
  if (!files.EnsureDirectory()) return false;
  bool ok = true;
  ok &= files.Write("editor.ini", BuildEditorIni(s));
  auto searchHistory = [&files](const char* name, const SearchHistory& ours, bool save) {
    return files.Write(name, BuildSearchHistoryIni(save ? MergedWithDisk(files, name, ours) : ours, save));
  };
  ok &= searchHistory("findstr.ini", s.findHistory, s.IsSaveFindStr != 0);
  ok &= searchHistory("permustr.ini", s.replaceHistory, s.IsSaveFindStr != 0);
  ok &= searchHistory("webstr.ini", s.webHistory, s.IsSaveWebFindStr != 0);
  ok &= files.Write("extlink.ini", BuildExtLinkIni(s.extensions));
  ok &= files.Write("domain.ini", BuildDomainIni(s.domains));
  ok &= files.Write("history.ini", BuildHistoryIni(MergedWithDisk(files, "history.ini", s.fileHistory)));
  ok &= files.Write("pj_history.ini", BuildHistoryIni(MergedWithDisk(files, "pj_history.ini", s.projectHistory)));
  return ok;
}

#include "project/window_definitions.h"

#include <algorithm>

std::string ExpandWindowTemplate(std::string_view templateText, std::string_view projectName,
                                 std::string_view windowName, std::string_view handleName,
                                 std::string_view procedureName) {
  struct Marker {
    std::string_view text, value;
  };
  const Marker markers[] = {
      {"#name#", projectName}, {"#window#", windowName}, {"#handle#", handleName}, {"#procedure#", procedureName}};
  std::string out;
  out.reserve(templateText.size() + 256);
  size_t i = 0;
  while (i < templateText.size()) {
    // '#' is never a trail byte, so a marker found at any byte starts a character.
    size_t hash = templateText.find('#', i);
    if (hash == std::string_view::npos) break;
    out.append(templateText.substr(i, hash - i));
    const Marker* hit = nullptr;
    for (const auto& m : markers) {
      if (templateText.substr(hash, m.text.size()) == m.text) hit = &m;
    }
    if (hit) {
      out.append(hit->value);
      i = hash + hit->text.size();
    } else {
      out += '#';
      i = hash + 1;
    }
  }
  out.append(templateText.substr(std::min(i, templateText.size())));
  return out;
}

std::string NewWindowSourcePath(const ProjectState& state, std::string_view windowName) {
  return state.projectDir + std::string(windowName) + ".sbp";
}

size_t AppendWindowDefinition(ProjectState& state, const NewWindowInput& input) {
  AddProjectFileEntry(state, NewWindowSourcePath(state, input.name));
  state.windows.push_back(MakeNewWindowDef(input.name, input.handleName, input.procedureName, input.type));
  state.windowsModified = true;
  return state.windows.size() - 1;
}

void DeleteWindowDefinition(ProjectState& state, size_t index) {
  if (index >= state.windows.size()) return;
  state.windows.erase(state.windows.begin() + static_cast<std::ptrdiff_t>(index));
  state.windowsModified = true;
}

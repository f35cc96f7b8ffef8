#pragma once
// The project file (Name.pj) and the index program (Name.idx).
#include <string>
#include <string_view>

#include "project/project_state.h"
#include "project/read_result.h"

constexpr int kProjectFileVersion = 10;

// Name.pj: the key lines, each followed by an empty line, then "#SOURCE" and
// one line per source file.
std::string BuildProjectFile(const ProjectState& state, ProjectPlatform platform);

// Reads a Name.pj into a fresh state (name, module type, options, output and
// debug settings, resource script, sources, platform) and, on success, makes
// it the whole of `state`; on failure `state` is unchanged. The project
// directory is not in the file: the opener sets it.
ReadResult ReadProjectFile(std::string_view bytes, std::string_view fileName, ProjectState& state);

// Name.idx: the program that includes every part of the project.
std::string BuildIndexProgram(const ProjectState& state);

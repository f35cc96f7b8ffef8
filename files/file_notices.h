#pragma once
// The texts that tell the user what happened to a file: what opening could not
// keep, a read-only file, changes made by another program, and the questions
// asked before a document is written over its file.
#include <cstddef>
#include <string>

#include "platform/text_codes.h"

struct OpenFindings {
  size_t nulBytes = 0;   // NUL bytes shown as blanks
  size_t lostChars = 0;  // characters shown as the geta mark
  Charset charset = Charset::kShiftJis;
  bool readOnly = false;
};
// One message with a paragraph per finding; empty when there is nothing to say.
std::string OpenNotice(const std::string& path, const OpenFindings& findings);
// Whether the notice is a warning (something will be lost) rather than information.
bool OpenNoticeWarns(const OpenFindings& findings);

// Before a document whose opening lost bytes or characters is written over its file.
std::string OpenLossesSaveQuestion(const std::string& path, size_t nulBytes, size_t lostChars);

// Another program changed the file: reload? (activation: Yes reloads, No keeps ours).
std::string ChangedOnDiskQuestion(const std::string& path, bool documentModified);
// The same before saving: Yes reloads, No overwrites, Cancel saves nothing.
std::string ChangedBeforeSaveQuestion(const std::string& path);
// The file is gone.
std::string DeletedOnDiskNotice(const std::string& path);
// Save over a read-only file: offer another name.
std::string ReadOnlySaveQuestion(const std::string& path);
// A write that failed, offering another name.
std::string WriteFailedSaveAsQuestion(const std::string& path);

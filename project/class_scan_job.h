#pragma once
// The hand-over to the scan worker, made on the GUI thread when a scan
// starts: the project's file list and a copy of the text of each open
// document the scan reads. The copy is taken here, once per scan (after the
// quiet delay), never per keystroke; the worker then reads only the copy.
#include <memory>
#include <string>
#include <vector>

#include "editor/text_document.h"
#include "project/class_scan_worker.h"
#include "project/project_state.h"

// An open text document and its path (absolute).
struct OpenText {
  std::string path;
  TextDocument* doc = nullptr;
};

// An immutable copy of the document's text as it is now.
std::shared_ptr<const std::string> SnapshotText(TextDocument& doc);

// The job of a scan of `scope` (kScanAllFiles or a file index): every source
// file's absolute path in list order, and for each file the scan reads (all,
// or the one) that is open among `open` (paths compared without regard to
// case), a snapshot of its text.
ClassScanJob BuildClassScanJob(const ProjectState& project, int scope, uint64_t serial,
                               const std::vector<OpenText>& open);

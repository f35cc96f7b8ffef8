#include "project/class_scan_job.h"

#include <unordered_map>

#include "files/paths.h"

std::shared_ptr<const std::string> SnapshotText(TextDocument& doc) {
  return std::make_shared<const std::string>(doc.CStr(), static_cast<size_t>(doc.Length()));
}

ClassScanJob BuildClassScanJob(const ProjectState& project, int scope, uint64_t serial,
                               const std::vector<OpenText>& open) {
  ClassScanJob job;
  job.serial = serial;
  job.file = scope;
  job.projectName = project.projectName;
  job.sources.reserve(project.sourceFiles.size());
  std::unordered_map<std::string, TextDocument*> openByPath;
  for (const OpenText& o : open) {
    if (o.doc) openByPath.emplace(PathFoldCase(o.path), o.doc);
  }
  for (size_t i = 0; i < project.sourceFiles.size(); ++i) {
    ScanSource source;
    source.path = ProjectAbsolutePath(project, project.sourceFiles[i].path);
    if (!openByPath.empty() && (scope == kScanAllFiles || static_cast<size_t>(scope) == i)) {
      auto it = openByPath.find(PathFoldCase(source.path));
      if (it != openByPath.end()) source.text = SnapshotText(*it->second);
    }
    job.sources.push_back(std::move(source));
  }
  return job;
}

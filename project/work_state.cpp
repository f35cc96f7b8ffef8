#include "project/work_state.h"

#include <algorithm>

#include "files/paths.h"
#include "platform/sjis.h"
#include "project/line_text.h"

namespace {

bool ParseFlag(std::string_view text, bool& flag) {
  if (text != "0" && text != "1") return false;
  flag = text == "1";
  return true;
}

// text,"path",h,v,s,e: the four numbers are taken from the end, so the path
// may hold anything.
const char* ParseTextDoc(std::string_view value, WorkDoc& doc) {
  int32_t n[4];
  for (int k = 3; k >= 0; --k) {
    size_t comma = value.rfind(',');
    if (comma == std::string_view::npos || !ParseInt32(value.substr(comma + 1), n[k])) return "数値が正しくありません";
    value = value.substr(0, comma);
  }
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return "パスが引用符で囲まれていません";
  doc.name = std::string(value.substr(1, value.size() - 2));
  doc.hScroll = n[0];
  doc.vScroll = n[1];
  doc.selStart = n[2];
  doc.selEnd = n[3];
  return nullptr;
}

const char* ParseDoc(std::string_view line, WorkDoc& doc) {
  std::string_view rest = line, kind;
  if (!SplitAt(rest, ',', kind)) return "ドキュメントの行が正しくありません";
  if (kind == "text") {
    doc.kind = WorkDocKind::kText;
    return ParseTextDoc(rest, doc);
  }
  if (kind == "rad") doc.kind = WorkDocKind::kWindowDesign;
  else if (kind == "menu") doc.kind = WorkDocKind::kMenuDesign;
  else if (kind == "icon") doc.kind = WorkDocKind::kIcon;
  else return "ドキュメントの種類が正しくありません";
  doc.name = std::string(rest);
  return nullptr;
}

// Moves p back onto the start of the character it falls in: an odd run of
// lead-byte values just before p means p is a trail byte.
int32_t CharStartAtOrBefore(std::string_view text, int32_t p) {
  size_t run = 0;
  while (run < static_cast<size_t>(p) && IsSjisLead(static_cast<unsigned char>(text[p - 1 - run]))) ++run;
  return (run % 2 == 1) ? p - 1 : p;
}

}  // namespace

std::string BuildWorkStateFile(const WorkState& work) {
  std::string out = "case4\r\n\r\n";
  for (const auto& d : work.documents) {
    switch (d.kind) {
      case WorkDocKind::kText:
        out += "text,\"";
        AppendLineSafe(out, d.name);
        out += '"';
        for (int32_t v : {d.hScroll, d.vScroll, d.selStart, d.selEnd}) {
          out += ',';
          AppendDecimal(out, v);
        }
        break;
      case WorkDocKind::kWindowDesign: out += "rad,"; AppendLineSafe(out, d.name); break;
      case WorkDocKind::kMenuDesign: out += "menu,"; AppendLineSafe(out, d.name); break;
      case WorkDocKind::kIcon: out += "icon,"; AppendLineSafe(out, d.name); break;
    }
    AppendCrLf(out);
  }
  out += "\r\n";
  AppendDecimal(out, work.selectedTab);
  out += work.fileRootExpanded ? "\r\n1\r\n" : "\r\n0\r\n";
  out += work.classRootExpanded ? "1\r\n" : "0\r\n";
  for (size_t i = 0; i < work.materialExpanded.size(); ++i) {
    if (i) out += ',';
    out += work.materialExpanded[i] ? '1' : '0';
  }
  return out;
}

ReadResult ReadWorkState(std::string_view bytes, std::string_view fileName, WorkState& work) {
  if (HoldsNul(bytes)) return FormatError(fileName, 0, "NUL 文字が含まれています");
  LineCursor lines(bytes);
  std::string_view line;
  if (!lines.Next(line) || line != "case4") return FormatError(fileName, 1, "作業状態ファイルではありません");
  if (!lines.Next(line) || !line.empty()) return FormatError(fileName, lines.LineNumber(), "空行がありません");
  WorkState fresh;
  for (;;) {
    if (!lines.Next(line)) return FormatError(fileName, 0, "プロジェクト ビューの状態がありません");
    if (line.empty()) break;
    WorkDoc doc;
    if (const char* fault = ParseDoc(line, doc)) return FormatError(fileName, lines.LineNumber(), fault);
    fresh.documents.push_back(std::move(doc));
  }
  if (!lines.Next(line) || !ParseInt32(line, fresh.selectedTab)) {
    return FormatError(fileName, lines.LineNumber(), "タブの番号が正しくありません");
  }
  if (!lines.Next(line) || !ParseFlag(line, fresh.fileRootExpanded) || !lines.Next(line) ||
      !ParseFlag(line, fresh.classRootExpanded)) {
    return FormatError(fileName, lines.LineNumber(), "ツリーの展開状態が正しくありません");
  }
  if (lines.Next(line) && !line.empty()) {
    std::string_view rest = line, head;
    for (;;) {
      const bool more = SplitAt(rest, ',', head);
      bool flag = false;
      if (!ParseFlag(more ? head : rest, flag)) {
        return FormatError(fileName, lines.LineNumber(), "ツリーの展開状態が正しくありません");
      }
      fresh.materialExpanded.push_back(flag);
      if (!more) break;
    }
  }
  if (lines.Next(line)) {
    return FormatError(fileName, lines.LineNumber(), "余分な行があります");
  }
  work = std::move(fresh);
  return ReadResult();
}

std::vector<RestoreItem> PlanWorkStateRestore(const WorkState& work, const ProjectState& state) {
  std::vector<RestoreItem> plan;
  for (const auto& d : work.documents) {
    int index = -1;
    switch (d.kind) {
      case WorkDocKind::kText: index = FindProjectFile(state, ProjectAbsolutePath(state, d.name)); break;
      case WorkDocKind::kWindowDesign: index = FindWindowDef(state, d.name); break;
      case WorkDocKind::kMenuDesign: index = FindMenuDef(state, d.name); break;
      case WorkDocKind::kIcon: index = FindProjectIcon(state, ProjectAbsolutePath(state, d.name)); break;
    }
    if (index >= 0) plan.push_back(RestoreItem{d.kind, static_cast<size_t>(index), &d});
  }
  return plan;
}

TextRestore ClampTextRestore(const WorkDoc& doc, std::string_view text, int32_t maxHScroll, int32_t maxVScroll) {
  const int32_t length = static_cast<int32_t>(std::min<size_t>(text.size(), INT32_MAX));
  auto clamp = [](int32_t v, int32_t hi) { return std::max(0, std::min(v, std::max(0, hi))); };
  TextRestore r;
  r.hScroll = clamp(doc.hScroll, maxHScroll);
  r.vScroll = clamp(doc.vScroll, maxVScroll);
  r.selStart = CharStartAtOrBefore(text, clamp(doc.selStart, length));
  r.selEnd = CharStartAtOrBefore(text, clamp(doc.selEnd, length));
  if (r.selEnd < r.selStart) std::swap(r.selStart, r.selEnd);
  return r;
}

int32_t ClampedTab(int32_t selectedTab) { return (selectedTab >= 0 && selectedTab <= 2) ? selectedTab : 0; }

#include "project/control_naming.h"

#include <algorithm>

#include "project/line_text.h"
#include "project/project_names.h"

namespace {

constexpr size_t kMaxNumberDigits = 9;

std::string WithNumber(std::string_view prefix, int64_t number, size_t width) {
  std::string digits;
  AppendDecimal(digits, number);
  std::string out(prefix);
  if (digits.size() < width) out.append(width - digits.size(), '0');
  out += digits;
  return out;
}

}  // namespace

NameParts SplitTrailingNumber(std::string_view name) {
  size_t start = name.size();
  while (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9' && name.size() - start < kMaxNumberDigits) {
    --start;
  }
  return NameParts{name.substr(0, start), name.substr(start)};
}

std::string ChooseControlName(const std::unordered_set<std::string>& taken, std::string_view proposal,
                              InsertMode mode, int64_t& number) {
  const NameParts parts = SplitTrailingNumber(proposal);
  int64_t n = 0;
  for (char c : parts.digits) n = n * 10 + (c - '0');
  if (mode == InsertMode::kToolbox) ++n;
  for (;; ++n) {
    std::string candidate = (n == 0 && parts.digits.empty()) ? std::string(parts.prefix)
                                                              : WithNumber(parts.prefix, n, parts.digits.size());
    if (!taken.count(candidate)) {
      number = n;
      return candidate;
    }
  }
}

ControlDef NewToolboxControl(ControlType type, int32_t x, int32_t y, int32_t cx, int32_t cy) {
  const ControlTypeInfo& info = ControlTypeOf(type);
  ControlDef c;
  c.name = info.typeName;
  c.x = x;
  c.y = y;
  c.cx = cx;
  c.cy = cy;
  c.style = info.style;
  c.exStyle = info.exStyle;
  c.controlType = type;
  return c;
}

size_t InsertControl(WindowDef& window, int index, ControlDef control, InsertMode mode) {
  std::unordered_set<std::string> names;
  if (mode != InsertMode::kRestore) {
    names.reserve(window.controls.size());
    for (const auto& c : window.controls) names.insert(c.name);
  }
  return InsertControl(window, index, std::move(control), mode, names);
}

size_t InsertControl(WindowDef& window, int index, ControlDef control, InsertMode mode,
                     std::unordered_set<std::string>& names) {
  if (mode != InsertMode::kRestore) {
    const ControlTypeInfo& info = ControlTypeOf(control.controlType);
    std::string proposal = control.name;
    InsertMode naming = mode;
    if (!IsIdentifier(proposal)) {
      proposal = info.typeName;
      naming = InsertMode::kToolbox;
    }
    int64_t number = 0;
    control.name = ChooseControlName(names, proposal, naming, number);
    if (mode == InsertMode::kToolbox) {
      control.text.clear();
      if (info.textPrefix[0] != '\0') {
        control.text = info.textPrefix;
        AppendDecimal(control.text, number);
      }
    }
    names.insert(control.name);
  }
  control.cx = std::max(control.cx, kMinControlWidth);
  control.cy = std::max(control.cy, kMinControlHeight);
  if (control.controlType != ControlType::kImageBox) {
    control.imageType = 0;
    control.imagePath.clear();
  }
  size_t at = (index < 0 || static_cast<size_t>(index) > window.controls.size()) ? window.controls.size()
                                                                                   : static_cast<size_t>(index);
  window.controls.insert(window.controls.begin() + static_cast<std::ptrdiff_t>(at), std::move(control));
  return at;
}

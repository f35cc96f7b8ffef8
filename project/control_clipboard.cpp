#include "project/control_clipboard.h"

#include <cstring>
#include <limits>
#include <unordered_set>

#include "project/control_naming.h"

namespace {

// Three empty strings and eight integers.
constexpr size_t kMinRecordBytes = 3 + 8 * 4;

void PutInt(std::string& out, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}

void PutString(std::string& out, const std::string& s) {
  out.append(s.c_str(), strnlen(s.c_str(), s.size()));
  out += '\0';
}

int32_t SaturatingAdd(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sum);
}

class BlockReader {
 public:
  explicit BlockReader(std::string_view block) : rest_(block) {}
  bool Int(int32_t& v) {
    if (rest_.size() < 4) return false;
    uint32_t u = 0;
    for (int k = 3; k >= 0; --k) u = (u << 8) | static_cast<unsigned char>(rest_[k]);
    v = static_cast<int32_t>(u);
    rest_.remove_prefix(4);
    return true;
  }
  bool Uint(uint32_t& v) {
    int32_t i = 0;
    if (!Int(i)) return false;
    v = static_cast<uint32_t>(i);
    return true;
  }
  bool String(std::string& s) {
    const void* nul = std::memchr(rest_.data(), '\0', rest_.size());
    if (!nul) return false;
    const size_t n = static_cast<size_t>(static_cast<const char*>(nul) - rest_.data());
    s.assign(rest_.data(), n);
    rest_.remove_prefix(n + 1);
    return true;
  }
  size_t Left() const { return rest_.size(); }

 private:
  std::string_view rest_;
};

}  // namespace

std::string BuildControlClipboard(const WindowDef& window, const std::vector<int>& selection, int32_t dx,
                                  int32_t dy) {
  std::vector<const ControlDef*> picked;
  for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
    if (*it >= 0 && static_cast<size_t>(*it) < window.controls.size()) picked.push_back(&window.controls[*it]);
  }
  std::string out;
  PutInt(out, static_cast<int32_t>(picked.size()));
  for (const ControlDef* c : picked) {
    PutString(out, c->name);
    for (int32_t v : {SaturatingAdd(c->x, dx), SaturatingAdd(c->y, dy), c->cx, c->cy}) PutInt(out, v);
    PutString(out, c->text);
    PutInt(out, static_cast<int32_t>(c->style));
    PutInt(out, static_cast<int32_t>(c->exStyle));
    PutInt(out, static_cast<int32_t>(c->controlType));
    PutInt(out, c->imageType);
    PutString(out, c->imagePath);
  }
  return out;
}

bool ParseControlClipboard(std::string_view block, std::vector<ControlDef>& controls) {
  controls.clear();
  BlockReader in(block);
  int32_t count = 0;
  if (!in.Int(count) || count < 0 || count > kMaxPastedControls ||
      static_cast<size_t>(count) > in.Left() / kMinRecordBytes) {
    return false;
  }
  std::vector<ControlDef> parsed(static_cast<size_t>(count));
  for (ControlDef& c : parsed) {
    int32_t type = 0;
    if (!in.String(c.name) || !in.Int(c.x) || !in.Int(c.y) || !in.Int(c.cx) || !in.Int(c.cy) || !in.String(c.text) ||
        !in.Uint(c.style) || !in.Uint(c.exStyle) || !in.Int(type) || !in.Int(c.imageType) ||
        !in.String(c.imagePath) || !FindControlType(type)) {
      return false;
    }
    c.controlType = static_cast<ControlType>(type);
  }
  controls = std::move(parsed);
  return true;
}

std::vector<int> PasteControls(WindowDef& window, std::string_view block) {
  std::vector<int> pasted;
  std::vector<ControlDef> controls;
  if (!ParseControlClipboard(block, controls)) return pasted;
  std::unordered_set<std::string> names;
  names.reserve(window.controls.size() + controls.size());
  for (const auto& c : window.controls) names.insert(c.name);
  for (ControlDef& c : controls) {
    c.x = SaturatingAdd(c.x, 17);
    c.y = SaturatingAdd(c.y, 10);
    pasted.push_back(static_cast<int>(InsertControl(window, -1, std::move(c), InsertMode::kPaste, names)));
  }
  return pasted;
}

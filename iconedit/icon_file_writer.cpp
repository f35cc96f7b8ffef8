#include "iconedit/icon_file.h"

#include <algorithm>

#include "iconedit/icon_bytes.h"

namespace {

constexpr uint32_t kHeaderBytes = 6;
constexpr uint32_t kEntryBytes = 16;

}  // namespace

std::string BuildIconFile(const std::vector<IconImage>& images) {
  std::vector<size_t> sizes;
  size_t total = kHeaderBytes + kEntryBytes * images.size();
  for (const IconImage& image : images) {
    // Blocks hold exactly this much; the bound only guards a malformed one.
    sizes.push_back(std::min(image.block.size(), IconBlockSize(IconWidth(image), IconHeight(image), IconBitCount(image))));
    total += sizes.back();
  }
  std::string out;
  out.reserve(total);
  AppendLe16(out, 0);
  AppendLe16(out, 1);
  AppendLe16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = kHeaderBytes + kEntryBytes * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out += static_cast<char>(IconWidth(images[i]));
    out += static_cast<char>(IconHeight(images[i]));
    out += static_cast<char>(IconColourCount(images[i]) & 0xFF);  // 0 for 256 colours
    out += '\0';
    AppendLe16(out, 0);  // planes
    AppendLe16(out, 0);  // bit count
    AppendLe32(out, static_cast<uint32_t>(sizes[i]));
    AppendLe32(out, offset);
    offset += static_cast<uint32_t>(sizes[i]);
  }
  for (size_t i = 0; i < images.size(); ++i)
    out.append(reinterpret_cast<const char*>(images[i].block.data()), sizes[i]);
  return out;
}

std::string BuildIconFile(const IconDocState& doc) { return BuildIconFile(doc.images); }

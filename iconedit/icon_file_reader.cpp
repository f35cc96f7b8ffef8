#include "iconedit/icon_file.h"

#include <cstring>
#include <utility>

#include "iconedit/icon_bytes.h"

namespace {

constexpr size_t kHeaderBytes = 6;
constexpr size_t kEntryBytes = 16;
constexpr size_t kInfoHeaderBytes = 40;

std::string Numbered(int image, const char* text) { return std::to_string(image) + " 番目の画像" + text; }

// Checks one image block and cuts it to its exact size; the message detail
// on failure.
bool TakeImage(const uint8_t* p, size_t size, int number, IconImage& image, std::string& detail) {
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (size >= sizeof kPng && std::memcmp(p, kPng, sizeof kPng) == 0) {
    detail = Numbered(number, "は PNG 形式で、編集できません");
    return false;
  }
  if (size < kInfoHeaderBytes) {
    detail = Numbered(number, "のデータが途中で終わっています");
    return false;
  }
  const int32_t width = static_cast<int32_t>(ReadLe32(p + 4));
  const int32_t height2 = static_cast<int32_t>(ReadLe32(p + 8));
  const uint32_t planes = ReadLe16(p + 12), bitCount = ReadLe16(p + 14);
  const uint32_t compression = ReadLe32(p + 16), coloursUsed = ReadLe32(p + 32);
  if (ReadLe32(p) != kInfoHeaderBytes) {
    detail = Numbered(number, "のヘッダーの形式に対応していません");
    return false;
  }
  if ((width != 16 && width != 32) || height2 != 2 * width) {
    detail = Numbered(number, "は ") + std::to_string(width) + "*" + std::to_string(height2 / 2) +
             " で、編集できるのは 16*16 と 32*32 だけです";
    return false;
  }
  if (bitCount != 4 && bitCount != 8) {
    detail = Numbered(number, "は 1 画素 ") + std::to_string(bitCount) +
             " ビットで、編集できるのは 16 色と 256 色だけです";
    return false;
  }
  // A shorter palette or compressed bits would not lie where the editor looks.
  if (planes != 1 || compression != 0 || (coloursUsed != 0 && coloursUsed != (1u << bitCount))) {
    detail = Numbered(number, "のヘッダーの形式に対応していません");
    return false;
  }
  const size_t needed = IconBlockSize(width, width, static_cast<int>(bitCount));
  if (size < needed) {
    detail = Numbered(number, "のデータが途中で終わっています");
    return false;
  }
  image.block.assign(p, p + needed);
  return true;
}

}  // namespace

ReadResult ReadIconFile(std::string_view bytes, std::string_view fileName, IconDocState& doc) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const size_t fileSize = bytes.size();
  if (fileSize < kHeaderBytes) return FormatError(fileName, 0, "ヘッダーが途中で終わっています");
  if (ReadLe16(data) != 0 || ReadLe16(data + 2) != 1) return FormatError(fileName, 0, "アイコンファイルではありません");
  const size_t count = ReadLe16(data + 4);
  if (count == 0) return FormatError(fileName, 0, "画像がありません");
  if (count > kMaxIconImages)
    return FormatError(fileName, 0, "画像が " + std::to_string(count) + " 個あり、8 個を超えています");
  const size_t directoryEnd = kHeaderBytes + kEntryBytes * count;
  if (fileSize < directoryEnd) return FormatError(fileName, 0, "ヘッダーが途中で終わっています");

  std::vector<IconImage> images(count);
  std::vector<std::pair<size_t, size_t>> ranges;
  for (size_t i = 0; i < count; ++i) {
    const int number = static_cast<int>(i) + 1;
    const uint8_t* entry = data + kHeaderBytes + kEntryBytes * i;
    const size_t size = ReadLe32(entry + 8), offset = ReadLe32(entry + 12);
    if (offset < directoryEnd || offset > fileSize || size > fileSize - offset)
      return FormatError(fileName, 0, Numbered(number, "がファイルの外を指しています"));
    for (size_t j = 0; j < ranges.size(); ++j) {
      if (offset < ranges[j].second && ranges[j].first < offset + size) {
        return FormatError(fileName, 0,
                           Numbered(number, "が ") + std::to_string(j + 1) + " 番目の画像と重なっています");
      }
    }
    ranges.emplace_back(offset, offset + size);
    std::string detail;
    if (!TakeImage(data + offset, size, number, images[i], detail)) return FormatError(fileName, 0, detail);
  }
  doc = MakeIconDocState(std::move(images));
  return ReadResult{};
}

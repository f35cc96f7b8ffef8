#include "prefs/extension_list.h"

#include "files/paths.h"

ExtensionColourList DefaultExtensionList() {
  return {
      {1, "txt", "テキスト ドキュメント", 1, kTabColourGrey},
      {0, "htm", "HTML ドキュメント", 1, kTabColourBlue},
      {0, "html", "HTML ドキュメント", 1, kTabColourBlue},
      {1, "cgi", "CGI ドキュメント", 1, kTabColourGreen},
      {1, "pl", "Perl ドキュメント", 1, kTabColourGreen},
      {1, "php", "PHP ドキュメント", 1, kTabColourRed},
      {1, "tpl", "テンプレート ドキュメント", 1, kTabColourYellow},
  };
}

int FindExtension(const ExtensionColourList& list, std::string_view extension) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (PathEqualsNoCase(list[i].extension, extension)) return static_cast<int>(i);
  }
  return -1;
}

bool AddExtension(ExtensionColourList& list, const ExtensionEntry& entry) {
  if (FindExtension(list, entry.extension) >= 0) return false;
  list.push_back(entry);
  return true;
}

bool RemoveExtension(ExtensionColourList& list, std::string_view extension) {
  int index = FindExtension(list, extension);
  if (index < 0) return false;
  list.erase(list.begin() + index);
  return true;
}

COLORREF TabColourOfPath(const ExtensionColourList& list, std::string_view path) {
  std::string ext = PathExtension(path);
  if (ext.size() < 2) return kTabColourGrey;
  int index = FindExtension(list, std::string_view(ext).substr(1));
  return index < 0 ? kTabColourGrey : list[index].tabColour;
}

const char* TabColourName(COLORREF colour) {
  switch (colour) {
    case kTabColourRed:
      return "赤";
    case kTabColourGreen:
      return "緑";
    case kTabColourGrey:
      return "灰色";
    case kTabColourBlue:
      return "青";
    case kTabColourWhite:
      return "白";
    case kTabColourYellow:
      return "黄色";
    default:
      return "ユーザー設定";
  }
}

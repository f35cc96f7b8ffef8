#pragma once
// The extension colour list: defaults, lookups, tab colours and colour names.
#include <string>
#include <string_view>

#include "platform/win_types.h"
#include "shell/editor_settings.h"

constexpr COLORREF kTabColourRed = 0xC8C8FF;
constexpr COLORREF kTabColourGreen = 0xC8FFC8;
constexpr COLORREF kTabColourGrey = 0xE6E6E6;
constexpr COLORREF kTabColourBlue = 0xFFDCC8;
constexpr COLORREF kTabColourWhite = 0xFFFFFF;
constexpr COLORREF kTabColourYellow = 0xB4FFFF;

constexpr size_t kMaxExtensionBytes = 63;
constexpr size_t kMaxDescriptionBytes = 254;

// The list used when extlink.ini does not exist.
ExtensionColourList DefaultExtensionList();

// Index of the entry with this extension (without dot, compared without regard
// to case), or -1.
int FindExtension(const ExtensionColourList& list, std::string_view extension);

// Appends the entry; fails when its extension is already in the list.
bool AddExtension(ExtensionColourList& list, const ExtensionEntry& entry);

// Removes the entry with this extension; false when there is none.
bool RemoveExtension(ExtensionColourList& list, std::string_view extension);

// Tab colour of a document path: the entry of its extension, else grey.
COLORREF TabColourOfPath(const ExtensionColourList& list, std::string_view path);

// "赤", "緑", "灰色", "青", "白", "黄色" for the six named colours, else "ユーザー設定".
const char* TabColourName(COLORREF colour);

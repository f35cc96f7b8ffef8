// Names and texts of inserted controls, the escaping of control texts, and
// the clipboard block of copied controls.
#include <gtest/gtest.h>

#include "project/control_clipboard.h"
#include "project/control_naming.h"
#include "project/control_text.h"

namespace {

WindowDef WindowWith(std::initializer_list<const char*> names) {
  WindowDef w = MakeNewWindowDef("W", "hW", "WProc", WindowType::kWindow);
  for (const char* n : names) {
    ControlDef c;
    c.name = n;
    w.controls.push_back(c);
  }
  return w;
}

TEST(ProjectControls, NamesAndTextsOfInsertedControls) {
  struct Case {
    std::initializer_list<const char*> existing;
    ControlType type;
    const char* proposal;  // nullptr: the palette's own proposal (the type name)
    InsertMode mode;
    const char* name;
    const char* text;
  };
  const Case cases[] = {
      {{}, ControlType::kCommandButton, nullptr, InsertMode::kToolbox, "CommandButton1", "Button1"},
      {{"CommandButton1"}, ControlType::kCommandButton, nullptr, InsertMode::kToolbox, "CommandButton2", "Button2"},
      {{"CommandButton1", "CommandButton2"}, ControlType::kCheckBox, nullptr, InsertMode::kToolbox, "CheckBox1", "Check1"},
      {{}, ControlType::kComboBox, nullptr, InsertMode::kToolbox, "ComboBox1", ""},
      {{}, ControlType::kRadioButton, nullptr, InsertMode::kToolbox, "RadioButton1", "radio1"},
      {{"Static1", "Static2"}, ControlType::kStatic, nullptr, InsertMode::kToolbox, "Static3", "Text3"},
      {{"GroupBox1", "groupbox2"}, ControlType::kGroupBox, nullptr, InsertMode::kToolbox, "GroupBox2", "Group2"},
      // Pasting keeps the name when it is free and counts on when it is not.
      {{"CommandButton2"}, ControlType::kCommandButton, "CommandButton2", InsertMode::kPaste, "CommandButton3", "t"},
      {{"CommandButton1"}, ControlType::kCommandButton, "CommandButton2", InsertMode::kPaste, "CommandButton2", "t"},
      {{}, ControlType::kEditBox, "Btn007", InsertMode::kPaste, "Btn007", "t"},
      {{"Btn007"}, ControlType::kEditBox, "Btn007", InsertMode::kPaste, "Btn008", "t"},
      {{"Btn0"}, ControlType::kEditBox, "Btn0", InsertMode::kPaste, "Btn1", "t"},
      {{}, ControlType::kEditBox, "Btn", InsertMode::kPaste, "Btn", "t"},
      {{"Btn"}, ControlType::kEditBox, "Btn", InsertMode::kPaste, "Btn1", "t"},
      {{"Btn999"}, ControlType::kEditBox, "Btn999", InsertMode::kPaste, "Btn1000", "t"},
      // Runs of digits too long for a number: only the last nine count.
      {{}, ControlType::kEditBox, "X12345678901234567890123", InsertMode::kPaste, "X12345678901234567890123", "t"},
      {{"X99999999999999999999"}, ControlType::kEditBox, "X99999999999999999999", InsertMode::kPaste,
       "X999999999991000000000", "t"},
      // A pasted name no program could use is replaced by the type's own.
      {{"ListBox1"}, ControlType::kListBox, "a,b\r\n", InsertMode::kPaste, "ListBox2", "t"},
      {{}, ControlType::kListBox, "", InsertMode::kPaste, "ListBox1", "t"},
      // Undo and redo put back exactly what they are given.
      {{"Same"}, ControlType::kStatic, "Same", InsertMode::kRestore, "Same", "t"},
  };
  for (const auto& c : cases) {
    WindowDef w = WindowWith(c.existing);
    ControlDef control = NewToolboxControl(c.type, 1, 2, 30, 40);
    if (c.proposal) control.name = c.proposal;
    control.text = "t";
    const size_t at = InsertControl(w, -1, control, c.mode);
    SCOPED_TRACE(c.proposal ? c.proposal : ControlTypeOf(c.type).typeName);
    ASSERT_EQ(at, w.controls.size() - 1);
    EXPECT_EQ(w.controls[at].name, c.name);
    EXPECT_EQ(w.controls[at].text, c.text);
  }
}

TEST(ProjectControls, SizeImageAndPlaceOfInsertedControls) {
  WindowDef w = WindowWith({"A", "B"});
  ControlDef c = NewToolboxControl(ControlType::kCommandButton, 0, 0, 3, 4);
  c.imageType = 1;
  c.imagePath = "x.ico";
  size_t at = InsertControl(w, 1, c, InsertMode::kRestore);
  EXPECT_EQ(at, 1u);
  EXPECT_EQ(w.controls[1].cx, 12);
  EXPECT_EQ(w.controls[1].cy, 9);
  EXPECT_EQ(w.controls[1].imagePath, "");
  EXPECT_EQ(w.controls[1].imageType, 0);
  EXPECT_EQ(w.controls[2].name, "B");

  ControlDef image = NewToolboxControl(ControlType::kImageBox, 0, 0, 40, 50);
  image.imageType = 1;
  image.imagePath = "IDI_ICON1";
  at = InsertControl(w, 99, image, InsertMode::kToolbox);
  EXPECT_EQ(at, 3u);
  EXPECT_EQ(w.controls[3].imagePath, "IDI_ICON1");
  EXPECT_EQ(w.controls[3].style, 0x50000007u);
  EXPECT_EQ(w.controls[3].cx, 40);
}

TEST(ProjectControls, ControlTypeTable) {
  const ControlTypeInfo* t = ControlTypeTable();
  for (int i = 0; i < kControlTypeCount; ++i) {
    EXPECT_EQ(static_cast<int>(t[i].type), i + 1);
    EXPECT_EQ(FindControlType(i + 1), &t[i]);
    EXPECT_EQ(FindControlTypeByTool(t[i].toolId), &t[i]);
  }
  EXPECT_EQ(FindControlType(0), nullptr);
  EXPECT_EQ(FindControlType(17), nullptr);
  EXPECT_EQ(FindControlTypeByTool(1075), nullptr);
  EXPECT_EQ(FindControlTypeByTool(1089), nullptr);
  EXPECT_STREQ(ControlTypeOf(ControlType::kListBox).windowClass, "LISTBOX");
  EXPECT_EQ(ControlTypeOf(ControlType::kListBox).style, 0x50200003u);
  EXPECT_EQ(ControlTypeOf(ControlType::kProgressBar).exStyle, 0x20000u);
  EXPECT_EQ(ImageBoxKindOf(0x50000013), ImageBoxKind::kIcon);
  EXPECT_EQ(ImageBoxKindOf(0x5000000E), ImageBoxKind::kBitmap);
  EXPECT_EQ(ImageBoxKindOf(0x50000007), ImageBoxKind::kNone);
}

TEST(ProjectControls, EscapingOfControlTexts) {
  struct Case {
    std::string text, escaped;
  };
  const Case cases[] = {
      {"a\"\\", "a\\1\\\\"},
      {"plain", "plain"},
      {"", ""},
      {"\\1", "\\\\1"},
      {"\"\"", "\\1\\1"},
      {"ソ", "\x83\x5C\x5C"},  // the trail byte is doubled as well
      {"表能", "\x95\x5C\x5C\x94\x5C\x5C"},
      {"\x83", "\x83"},  // a lone lead byte at the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapeControlText(c.text), c.escaped) << c.text;
    EXPECT_EQ(UnescapeControlText(c.escaped), c.text) << c.text;
  }
  EXPECT_EQ(EscapeControlText("a\r\nb"), "a  b");
  EXPECT_EQ(UnescapeControlText("a\\b\\"), "a\\b\\");  // a backslash before anything else stays
}

std::string Int32(int32_t v) {
  std::string s(4, '\0');
  for (int k = 0; k < 4; ++k) s[k] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF);
  return s;
}

TEST(ProjectControls, ClipboardBlockLayout) {
  WindowDef w = WindowWith({"A", "B"});
  w.controls[0].x = -2;
  w.controls[0].text = "ソ";
  w.controls[1].controlType = ControlType::kImageBox;
  w.controls[1].style = 0x8000000E;
  w.controls[1].imageType = 1;
  w.controls[1].imagePath = "p";
  // Selection order A then B: the block holds B first.
  const std::string block = BuildControlClipboard(w, {0, 1, 7});
  const std::string expected = Int32(2) + std::string("B\0", 2) + Int32(0) + Int32(0) + Int32(12) + Int32(9) +
                               std::string("\0", 1) + Int32(static_cast<int32_t>(0x8000000E)) + Int32(0) + Int32(7) +
                               Int32(1) + std::string("p\0", 2) + std::string("A\0", 2) + Int32(-2) + Int32(0) +
                               Int32(12) + Int32(9) + std::string("\x83\x5C\0", 3) + Int32(0) + Int32(0) + Int32(1) +
                               Int32(0) + std::string("\0", 1);
  EXPECT_EQ(block, expected);

  std::vector<ControlDef> parsed;
  ASSERT_TRUE(ParseControlClipboard(block + std::string(13, '\xCC'), parsed));  // rounded-up block
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0].name, "B");
  EXPECT_EQ(parsed[0].style, 0x8000000Eu);
  EXPECT_EQ(parsed[1].text, "ソ");
  EXPECT_EQ(parsed[1].x, -2);
}

TEST(ProjectControls, PastingMovesRenamesAndSelects) {
  WindowDef source = WindowWith({"CommandButton2", "Edit"});
  source.controls[0].x = 100;
  source.controls[0].y = INT32_MAX - 3;
  const std::string block = BuildControlClipboard(source, {1, 0});

  WindowDef target = WindowWith({"CommandButton2"});
  std::vector<int> selection = PasteControls(target, block);
  ASSERT_EQ(selection, (std::vector<int>{1, 2}));
  EXPECT_EQ(target.controls[1].name, "CommandButton3");
  EXPECT_EQ(target.controls[1].x, 117);
  EXPECT_EQ(target.controls[1].y, INT32_MAX);
  EXPECT_EQ(target.controls[2].name, "Edit");
  EXPECT_EQ(target.controls[2].y, 10);

  // Pasting the same block twice numbers both copies apart.
  selection = PasteControls(target, block);
  EXPECT_EQ(target.controls[3].name, "CommandButton4");
  EXPECT_EQ(target.controls[4].name, "Edit1");
}

TEST(ProjectControls, ACutBlockPastesBackInPlace) {
  WindowDef w = WindowWith({"A", "B"});
  w.controls[0].x = 40;
  w.controls[0].y = 30;
  w.controls[1].x = INT32_MIN + 5;
  w.controls[1].y = 0;
  const std::string cut = BuildControlClipboard(w, {0, 1}, -17, -10);
  std::vector<ControlDef> parsed;
  ASSERT_TRUE(ParseControlClipboard(cut, parsed));
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[1].x, 23);  // A, last in the block
  EXPECT_EQ(parsed[1].y, 20);
  EXPECT_EQ(parsed[0].x, INT32_MIN);  // saturates instead of wrapping
  EXPECT_EQ(parsed[0].cx, 12);        // sizes are not moved

  WindowDef emptied = WindowWith({});
  ASSERT_EQ(PasteControls(emptied, cut).size(), 2u);
  EXPECT_EQ(emptied.controls[1].name, "A");
  EXPECT_EQ(emptied.controls[1].x, 40);
  EXPECT_EQ(emptied.controls[1].y, 30);
  EXPECT_EQ(emptied.controls[0].y, 0);
}

TEST(ProjectControls, ForeignBlocksAreRefusedWhole) {
  WindowDef source = WindowWith({"A"});
  const std::string good = BuildControlClipboard(source, {0});
  std::string badType = good;
  badType[badType.size() - 9] = 17;  // controlType of the only record
  std::string many = Int32(kMaxPastedControls + 1);
  for (int i = 0; i <= kMaxPastedControls; ++i) many += good.substr(4);
  const std::string blocks[] = {
      "",
      std::string("\x01\x00\x00", 3),
      Int32(-1),
      Int32(1),
      Int32(0x7FFFFFFF) + good.substr(4),
      Int32(2) + good.substr(4),                // claims two, holds one
      good.substr(0, good.size() - 1),          // last string without its NUL
      Int32(1) + std::string(40, 'x'),          // a name that never ends
      badType,
      many,
  };
  for (const auto& b : blocks) {
    WindowDef target = WindowWith({"X"});
    EXPECT_TRUE(PasteControls(target, b).empty()) << b.size();
    EXPECT_EQ(target.controls.size(), 1u);
  }
  WindowDef target = WindowWith({});
  EXPECT_EQ(PasteControls(target, Int32(0)).size(), 0u);
  EXPECT_EQ(PasteControls(target, good).size(), 1u);
}

}  // namespace

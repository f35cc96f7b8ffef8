// The class view's model: the tree of all files, entries that point at their
// items, and one-file rescans that touch only that file's items and end where
// a scan of every file would.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "class_view_test_support.h"
#include "fuzz_support.h"
#include "project/class_view_model.h"

namespace {

std::vector<FileScan> Scans(const std::vector<std::string>& texts) {
  std::vector<FileScan> out;
  for (const std::string& t : texts) out.push_back(ScanFileText(t));
  return out;
}

// Each entry as the text of its item and its line.
std::string EntryList(const ClassViewFileEntries& file, const ClassTreeShape& shape) {
  std::string out;
  for (const ClassViewEntry& e : file.entries) {
    out += (e.item && shape.Node(e.item).live ? shape.Node(e.item).text : "?") + "@" + std::to_string(e.place.line) + " ";
  }
  return out;
}

TEST(ClassViewModel, BuildsTheTreeOfAllFiles) {
  ClassViewModel model;
  ClassViewChanges changes;
  model.ReplaceAll("P",
                   Scans({"Class A\r\nPublic\r\nSub M()\r\nEnd Sub\r\nPrivate\r\nx As Long\r\nEnd Class\r\nSub G()\r\n",
                          "Class A\r\nSub N()\r\nEnd Sub\r\nEnd Class\r\nType T\r\nv As Long\r\nEnd Type\r\n"
                          "Function H()\r\nSub G()\r\n",
                          "this file declares nothing"}),
                   changes);
  FakeTreeView view;
  view.ApplyAll(changes.ops);
  EXPECT_EQ(view.Dump(),
            "P クラス/3\n"
            "  A/2\n    M/5\n    N/7\n    x/6\n"
            "  T/2\n    v/4\n"
            "  グローバル関数/0\n    G/5\n    H/5\n");
  ASSERT_TRUE(changes.allFiles);
  ASSERT_EQ(changes.fileEntries.size(), 3u);
  EXPECT_EQ(EntryList(changes.fileEntries[0], model.Shape()), "A@0 M@2 x@5 G@7 ");
  EXPECT_EQ(EntryList(changes.fileEntries[1], model.Shape()), "A@0 N@1 T@4 v@5 H@7 G@8 ");
  EXPECT_EQ(EntryList(changes.fileEntries[2], model.Shape()), "");
  // Both files' "A" and "G" are one item each.
  EXPECT_EQ(changes.fileEntries[0].entries[0].item, changes.fileEntries[1].entries[0].item);
  EXPECT_EQ(changes.fileEntries[0].entries[3].item, changes.fileEntries[1].entries[5].item);
}

TEST(ClassViewModel, AClassOfTwoFilesLastsUntilBothDropIt) {
  ClassViewModel model;
  ClassViewChanges c;
  model.ReplaceAll("P", Scans({"Class A\r\nPublic\r\nv As Long\r\nEnd Class", "Class A\r\nv As Long\r\nw As Long\r\nEnd Class"}), c);
  FakeTreeView view;
  view.ApplyAll(c.ops);
  EXPECT_EQ(view.Dump(), "P クラス/3\n  A/2\n    v/4\n    w/6\n  グローバル関数/0\n");
  const ClassNodeId v = view.Paths().at("/P クラス/A/v");

  // The first file drops it: the second file's private "v" takes over the item.
  c = ClassViewChanges();
  model.ReplaceFile(0, FileScan(), c);
  view.ApplyAll(c.ops);
  EXPECT_EQ(view.Dump(), "P クラス/3\n  A/2\n    v/6\n    w/6\n  グローバル関数/0\n");
  EXPECT_EQ(view.Paths().at("/P クラス/A/v"), v);
  ASSERT_EQ(c.ops.size(), 1u);
  EXPECT_EQ(c.ops[0].kind, ClassTreeOpKind::kUpdate);
  ASSERT_EQ(c.fileEntries.size(), 1u);
  EXPECT_TRUE(c.fileEntries[0].entries.empty());

  c = ClassViewChanges();
  model.ReplaceFile(1, FileScan(), c);
  view.ApplyAll(c.ops);
  EXPECT_EQ(view.Dump(), "P クラス/3\n  グローバル関数/0\n");
}

TEST(ClassViewModel, OneFileRescanTouchesOnlyThatFilesItems) {
  std::vector<std::string> texts;
  for (int i = 0; i < 50; ++i) {
    const std::string n = std::to_string(i);
    texts.push_back("Class C" + n + "\r\nPublic\r\nSub M" + n + "()\r\nEnd Sub\r\nEnd Class\r\nSub G" + n + "()\r\n");
  }
  ClassViewModel model;
  ClassViewChanges c;
  model.ReplaceAll("P", Scans(texts), c);
  FakeTreeView view;
  view.ApplyAll(c.ops);
  const std::map<std::string, ClassNodeId> was = view.Paths();
  for (const auto& p : was) view.items[p.second].expanded = true;

  // File 7's class is renamed and gets a second method; its procedure stays.
  texts[7] = "Class C7x\r\nPublic\r\nSub M7()\r\nEnd Sub\r\nSub Extra()\r\nEnd Sub\r\nEnd Class\r\nSub G7()\r\n";
  c = ClassViewChanges();
  model.ReplaceFile(7, ScanFileText(texts[7]), c);
  const ClassNodeId c7 = was.at("/P クラス/C7");
  for (const ClassTreeOp& op : c.ops) {
    const bool own = op.id == c7 || op.parent == c7 || (op.kind == ClassTreeOpKind::kSortChildren && op.parent == model.Shape().root);
    EXPECT_TRUE(own) << "operation " << static_cast<int>(op.kind) << " on item " << op.id;
  }
  EXPECT_EQ(c.ops.size(), 2u);  // rename (C7x keeps C7's place), insert Extra
  view.ApplyAll(c.ops);
  const std::map<std::string, ClassNodeId> now = view.Paths();
  EXPECT_EQ(now.at("/P クラス/C7x"), c7);
  EXPECT_TRUE(view.items[c7].expanded);
  EXPECT_EQ(now.at("/P クラス/C7x/M7"), was.at("/P クラス/C7/M7"));
  EXPECT_EQ(now.count("/P クラス/C7x/Extra"), 1u);
  for (const auto& p : was) {
    if (p.first.find("C7") == std::string::npos) {
      EXPECT_EQ(now.at(p.first), p.second) << p.first;
    }
  }
  ASSERT_EQ(c.fileEntries.size(), 1u);
  EXPECT_FALSE(c.allFiles);
  EXPECT_EQ(c.fileEntries[0].fileIndex, 7);
  EXPECT_EQ(EntryList(c.fileEntries[0], model.Shape()), "C7x@0 M7@2 Extra@4 G7@7 ");
}

const char* const kSnippets[] = {
    "Class A\r\nPublic\r\nSub M()\r\nEnd Sub\r\nEnd Class\r\n",
    "Class A\r\nx As Long\r\nSub M()\r\nEnd Sub\r\nEnd Class\r\n",
    "Class B\r\nSub M(a)\r\nEnd Sub\r\nSub M(b)\r\nEnd Sub\r\nEnd Class\r\n",
    "Type T\r\nv As Long\r\nEnd Type\r\n",
    "Interface I\r\nSub M()\r\nEnd Interface\r\n",
    "Class 表\r\nPublic\r\nx As Long\r\nEnd Class\r\n",
    "Sub G()\r\nEnd Sub\r\n",
    "Function H()\r\nEnd Function\r\n",
    "Sub Export G()\r\n",
    "Class\r\nEnd Class\r\n",
    "' nothing\r\n",
};

std::string RandomFile(FuzzRandom& r) {
  std::string s;
  for (int n = r.Uniform(0, 4); n > 0; --n) s += kSnippets[r.Uniform(0, static_cast<int>(std::size(kSnippets)) - 1)];
  return s;
}

TEST(ClassViewModel, OneFileRescansEndWhereAScanOfAllFilesWould) {
  RunFuzzWith<FuzzRandom>(1800, [](FuzzRandom& r) {
    std::vector<std::string> texts(static_cast<size_t>(r.Uniform(1, 6)));
    for (std::string& t : texts) t = RandomFile(r);
    ClassViewModel model;
    ClassViewChanges c;
    model.ReplaceAll("P", Scans(texts), c);
    FakeTreeView view;
    view.ApplyAll(c.ops);
    std::vector<ClassViewFileEntries> entries = std::move(c.fileEntries);
    for (int step = 0; step < 10; ++step) {
      const size_t k = static_cast<size_t>(r.Uniform(0, static_cast<int>(texts.size()) - 1));
      texts[k] = RandomFile(r);
      c = ClassViewChanges();
      model.ReplaceFile(static_cast<int>(k), ScanFileText(texts[k]), c);
      view.ApplyAll(c.ops);
      ASSERT_FALSE(::testing::Test::HasFailure());
      entries[k] = std::move(c.fileEntries.at(0));

      ClassViewModel fresh;
      ClassViewChanges all;
      fresh.ReplaceAll("P", Scans(texts), all);
      ASSERT_EQ(DumpShape(model.Shape()), DumpShape(fresh.Shape()));
      ASSERT_EQ(view.Dump(), DumpShape(fresh.Shape()));
      // Every file's entries, also those not rescanned, point at live items
      // of their name, and read as a fresh scan's entries do.
      for (size_t f = 0; f < texts.size(); ++f) {
        EXPECT_EQ(EntryList(entries[f], model.Shape()), EntryList(all.fileEntries[f], fresh.Shape()));
        for (const ClassViewEntry& e : entries[f].entries) {
          ASSERT_EQ(view.items.count(e.item), 1u);
          EXPECT_EQ(view.items[e.item].text, model.Shape().Node(e.item).text);
        }
      }
    }
  });
}

}  // namespace

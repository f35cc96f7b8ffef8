// The Class tree's diff: items that stay keep their item (and so their
// expansion), renames happen in place, new items land at their sorted place,
// and a tree view that applies the operations ends equal to the wanted tree.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "class_view_test_support.h"
#include "fuzz_support.h"
#include "project/class_tree.h"

namespace {

WantedItem W(std::string_view text, int image, ClassOrigin origin = 0, std::vector<WantedItem> children = {}) {
  WantedItem w{text, image, origin, std::move(children)};
  SortWantedItems(w.children);
  return w;
}

int Count(const std::vector<ClassTreeOp>& ops, ClassTreeOpKind kind) {
  return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const ClassTreeOp& o) { return o.kind == kind; }));
}

TEST(ClassTree, ItemTextOrder) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"abc", "ABD", -1},
      {"B", "a", 1},           // letters fold
      {"_a", "a", -1},         // "_" sorts before the letters, as _stricmp has it
      {"ab", "abc", -1},       // a shorter text first
      {"A", "a", -1},          // equal when folded: ordered by the bytes
      {"a", "a", 0},
      {"", "a", -1},
      {"\x83\x41", "\x83\x61", -1},  // trail bytes are compared as they are...
      {"\x83\x5A", "\x83\x61", -1},  // ... never folded ('Z' would fold above 'a')
      {"Z\x83\x5A", "z\x83\x5A", -1},
      {"表示", "表", 1},
      {"a\x83", "a\x83", 0},   // a lone lead byte at the end
      {"a\x83", "A\x83", 1},
      {"zz", "表", -1},        // double-byte text after ASCII
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " | " + c.b);
    const int got = CompareClassItemText(c.a, c.b);
    EXPECT_EQ((got > 0) - (got < 0), c.sign);
    const int back = CompareClassItemText(c.b, c.a);
    EXPECT_EQ((back > 0) - (back < 0), -c.sign);
  }
}

TEST(ClassTree, DiffKeepsItemsTheirExpansionAndRenamesInPlace) {
  using namespace ClassImage;
  const WantedItem before = W("P クラス", kRoot, 0,
                              {W("A", kClass, MakeClassOrigin(0, 0, 0),
                                 {W("x", kPrivateData, MakeClassOrigin(0, 0, 0)), W("y", kPrivateMethod, MakeClassOrigin(0, 0, 1))}),
                               W("B", kClass, MakeClassOrigin(0, 1, 0), {W("m", kPublicMethod)}),
                               W("C", kClass, MakeClassOrigin(1, 0, 0), {W("n", kPublicData, MakeClassOrigin(1, 0, 0))}),
                               W("グローバル関数", kGroup, ~0ull, {W("Main", kPublicMethod)})});
  ClassTreeShape shape;
  std::vector<ClassTreeOp> ops;
  DiffClassTree(shape, before, ops);
  FakeTreeView view;
  view.ApplyAll(ops);
  ASSERT_EQ(view.Dump(), DumpWanted(before));
  EXPECT_EQ(DumpShape(shape), DumpWanted(before));
  EXPECT_EQ(Count(ops, ClassTreeOpKind::kInsert), 10);
  EXPECT_EQ(ops.back().kind, ClassTreeOpKind::kExpand);  // a new root is expanded
  EXPECT_TRUE(view.items[shape.root].expanded);

  // The user expands the classes.
  std::map<std::string, ClassNodeId> was = view.Paths();
  for (const char* c : {"/P クラス/A", "/P クラス/B", "/P クラス/C"}) view.items[was[c]].expanded = true;

  const WantedItem after = W("P クラス", kRoot, 0,
                             {W("A", kClass, MakeClassOrigin(0, 0, 0),
                                {W("x", kPublicData, MakeClassOrigin(0, 0, 0)), W("y", kPrivateMethod, MakeClassOrigin(0, 0, 1)),
                                 W("z", kPrivateData, MakeClassOrigin(0, 0, 2))}),
                              // B is gone; C was renamed D in its file.
                              W("D", kClass, MakeClassOrigin(1, 0, 0), {W("n", kPublicData, MakeClassOrigin(1, 0, 0))}),
                              W("E", kClass, MakeClassOrigin(2, 0, 0), {W("q", kPublicMethod)}),
                              W("グローバル関数", kGroup, ~0ull, {W("Main", kPublicMethod), W("Other", kPublicMethod)})});
  ops.clear();
  DiffClassTree(shape, after, ops);
  view.ApplyAll(ops);
  ASSERT_EQ(view.Dump(), DumpWanted(after));
  EXPECT_EQ(DumpShape(shape), DumpWanted(after));
  EXPECT_EQ(Count(ops, ClassTreeOpKind::kRemove), 1);        // B
  EXPECT_EQ(Count(ops, ClassTreeOpKind::kUpdate), 2);        // x's image, C -> D
  EXPECT_EQ(Count(ops, ClassTreeOpKind::kInsert), 4);        // z, E, q, Other
  EXPECT_EQ(Count(ops, ClassTreeOpKind::kSortChildren), 0);  // D keeps C's place
  EXPECT_EQ(Count(ops, ClassTreeOpKind::kExpand), 0);

  const std::map<std::string, ClassNodeId> now = view.Paths();
  EXPECT_EQ(now.at("/P クラス"), was["/P クラス"]);
  EXPECT_TRUE(view.items[now.at("/P クラス")].expanded);
  EXPECT_EQ(now.at("/P クラス/A"), was["/P クラス/A"]);
  EXPECT_TRUE(view.items[now.at("/P クラス/A")].expanded);
  EXPECT_EQ(now.at("/P クラス/A/x"), was["/P クラス/A/x"]);
  EXPECT_EQ(now.at("/P クラス/D"), was["/P クラス/C"]);  // renamed in place...
  EXPECT_TRUE(view.items[now.at("/P クラス/D")].expanded);  // ... so it stays open
  EXPECT_EQ(now.at("/P クラス/D/n"), was["/P クラス/C/n"]);
  EXPECT_FALSE(view.items[now.at("/P クラス/E")].expanded);

  // The same wanted tree again changes nothing.
  ops.clear();
  DiffClassTree(shape, after, ops);
  EXPECT_TRUE(ops.empty());
}

TEST(ClassTree, ScopedDiffLeavesOtherChildrenAlone) {
  ClassTreeShape shape;
  std::vector<ClassTreeOp> ops;
  DiffClassTree(shape, W("R", 3, 0, {W("A", 2, 1), W("B", 2, 2), W("C", 2, 3)}), ops);
  FakeTreeView view;
  view.ApplyAll(ops);
  const std::map<std::string, ClassNodeId> was = view.Paths();
  ops.clear();
  // Only A and Q are in question: A goes, Q comes; B and C are not looked at.
  const std::vector<std::string> scope = {"A", "Q"};
  DiffClassChildren(shape, shape.root, {W("Q", 2, 9)}, &scope, ops);
  view.ApplyAll(ops);
  EXPECT_EQ(view.Dump(), "R/3\n  B/2\n  C/2\n  Q/2\n");
  EXPECT_EQ(view.Paths().at("/R/B"), was.at("/R/B"));
  EXPECT_EQ(view.Paths().at("/R/C"), was.at("/R/C"));
  ops.clear();
  DiffClassChildren(shape, shape.root, {}, &scope, ops);  // Q gone too
  view.ApplyAll(ops);
  EXPECT_EQ(view.Dump(), "R/3\n  B/2\n  C/2\n");
  EXPECT_EQ(DumpShape(shape), view.Dump());
}

const char* const kNames[] = {"A", "a", "B", "_x", "Zeta", "表", "\x83\x41", "\x83\x61", "m", "m ", "M", "~A", "x.y"};

std::vector<WantedItem> RandomChildren(FuzzRandom& r, int depth) {
  std::vector<WantedItem> out;
  std::set<std::string_view> seen;
  const int n = r.Uniform(0, depth == 0 ? 8 : 5);
  for (int i = 0; i < n; ++i) {
    const std::string_view text = kNames[r.Uniform(0, static_cast<int>(std::size(kNames)) - 1)];
    if (!seen.insert(text).second) continue;
    WantedItem w{text, r.Uniform(2, 7), static_cast<ClassOrigin>(r.Uniform(0, 4)), {}};
    if (depth == 0) w.children = RandomChildren(r, 1);
    out.push_back(std::move(w));
  }
  SortWantedItems(out);
  return out;
}

TEST(ClassTree, RandomDiffsReachTheWantedTreeAndKeepWhatStays) {
  RunFuzzWith<FuzzRandom>(1700, [](FuzzRandom& r) {
    ClassTreeShape shape;
    FakeTreeView view;
    std::map<std::string, int> serialOf;  // path -> item serial after the last step
    for (int step = 0; step < 12; ++step) {
      const WantedItem wanted{"R", 3, 0, RandomChildren(r, 0)};
      std::vector<ClassTreeOp> ops;
      DiffClassTree(shape, wanted, ops);
      view.ApplyAll(ops);
      ASSERT_FALSE(::testing::Test::HasFailure());
      ASSERT_EQ(view.Dump(), DumpWanted(wanted));
      ASSERT_EQ(DumpShape(shape), view.Dump());
      std::map<std::string, int> serials;
      for (const auto& p : view.Paths()) {
        serials[p.first] = view.items[p.second].serial;
        EXPECT_EQ(shape.Node(p.second).text, view.items[p.second].text);
        auto old = serialOf.find(p.first);
        if (old != serialOf.end()) {
          EXPECT_EQ(old->second, serials[p.first]) << "item replaced: " << p.first;
        }
      }
      EXPECT_EQ(shape.LiveCount(), view.items.size());
      serialOf = serials;
    }
  });
}

}  // namespace

namespace {

// Renames that move an item: a few siblings are sorted again (the item and
// its expansion stay); among many the item is replaced, so that the view
// never sorts a long list.
TEST(ClassTree, RenamesThatMoveAnItem) {
  for (int siblings : {3, 300}) {
    SCOPED_TRACE(siblings);
    std::vector<std::string> names;
    for (int i = 0; i < siblings; ++i) names.push_back("N" + std::to_string(1000 + i));
    std::vector<WantedItem> children;
    for (int i = 0; i < siblings; ++i) children.push_back(W(names[static_cast<size_t>(i)], 2, static_cast<ClassOrigin>(i + 1), {W("m", 5)}));
    ClassTreeShape shape;
    std::vector<ClassTreeOp> ops;
    DiffClassTree(shape, W("R", 3, 0, children), ops);
    FakeTreeView view;
    view.ApplyAll(ops);
    const ClassNodeId first = view.Paths().at("/R/N1000");
    view.items[first].expanded = true;
    const int serial = view.items[first].serial;

    // The first item becomes the last: "Z" sorts after every "N...".
    children.front().text = "Z";
    SortWantedItems(children);
    const WantedItem after = W("R", 3, 0, children);
    ops.clear();
    DiffClassTree(shape, after, ops);
    view.ApplyAll(ops);
    ASSERT_EQ(view.Dump(), DumpWanted(after));
    const bool few = siblings <= 256;
    EXPECT_EQ(Count(ops, ClassTreeOpKind::kSortChildren), few ? 1 : 0);
    EXPECT_EQ(Count(ops, ClassTreeOpKind::kRemove), few ? 0 : 1);
    EXPECT_EQ(view.items[view.Paths().at("/R/Z")].serial == serial, few);
    EXPECT_EQ(view.items[view.Paths().at("/R/Z")].expanded, few);
  }
}

}  // namespace

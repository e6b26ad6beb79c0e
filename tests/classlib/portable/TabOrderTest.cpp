// The walk in tab order and the moves within ordered lists, without windows.
#include "classlib/portable/ListMoves.h"
#include "classlib/portable/TabOrder.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// A tree of focus candidates for the tab-order walk.
struct TNode {
  explicit TNode(std::string name) : Name(std::move(name)) {}
  std::string Name;
  bool Accepts = true;
  std::vector<TNode*> Children;
};

std::vector<TNode*> Children(TNode* node) { return node->Children; }

std::string Names(const std::vector<TNode*>& nodes) {
  std::string names;
  for (TNode* node : nodes) names += node->Name;
  return names;
}

TEST(TabOrder, TreeFlattensChildByChildAndTheWalkWraps) {
  TNode a("a"), b("b"), b1("1"), b2("2"), c("c"), root("r");
  b.Children = {&b1, &b2};
  root.Children = {&a, &b, &c};
  std::vector<TNode*> list;
  AppendInTabOrder(&root, Children, list);
  ASSERT_EQ(Names(list), "ab12c");

  auto accepted = [](TNode* node) { return node->Accepts; };
  auto next = [&](TNode* current, bool forward) {
    TNode* found = NextInTabOrder(list, current, forward, accepted);
    return found != nullptr ? found->Name : std::string("-");
  };
  EXPECT_EQ(next(&a, true), "b");
  EXPECT_EQ(next(&b2, true), "c");
  EXPECT_EQ(next(&c, true), "a");   // wraps forward
  EXPECT_EQ(next(&a, false), "c");  // and backward
  EXPECT_EQ(next(nullptr, true), "a");
  EXPECT_EQ(next(nullptr, false), "c");
  b.Accepts = b1.Accepts = false;
  EXPECT_EQ(next(&a, true), "2");
  EXPECT_EQ(next(&b2, false), "a");
  a.Accepts = b2.Accepts = c.Accepts = false;
  EXPECT_EQ(next(&a, true), "-");
  c.Accepts = true;
  EXPECT_EQ(next(&c, true), "c");  // the only candidate is found again
  EXPECT_EQ(next(&root, true), "c");  // a start outside the list
}

TEST(ListMoves, AnItemMovesToAPlaceClampedToTheList) {
  int a = 0, b = 0, c = 0, outside = 0;
  std::vector<int*> list{&a, &b, &c};
  EXPECT_TRUE(MoveInList(list, &a, 1));
  EXPECT_EQ(list, (std::vector<int*>{&b, &a, &c}));
  EXPECT_TRUE(MoveInList(list, &b, INT_MAX));  // last
  EXPECT_EQ(list, (std::vector<int*>{&a, &c, &b}));
  EXPECT_TRUE(MoveInList(list, &b, -5));  // first
  EXPECT_EQ(list, (std::vector<int*>{&b, &a, &c}));
  EXPECT_FALSE(MoveInList(list, &outside, 0));
  EXPECT_EQ(list, (std::vector<int*>{&b, &a, &c}));
}

}  // namespace

#pragma once
// The walk through controls in tab order, free of windows: a tree flattened child by
// child (each child followed by its own children), and the cyclic search for the next
// control that qualifies.

#include <algorithm>
#include <vector>

// Appends Root's descendants to List: each child (in the order Children gives) followed
// by its own descendants.
template <class Node, class ChildrenOf>
void AppendInTabOrder(Node* Root, const ChildrenOf& Children, std::vector<Node*>& List) {
  for (Node* child : Children(Root)) {
    List.push_back(child);
    AppendInTabOrder(child, Children, List);
  }
}

// The first node after Current (before it when going backward) that Accepts takes,
// wrapping around the list's ends; Current itself when no other qualifies and it does;
// nullptr when none does. Without Current in List the walk starts at the first node
// (forward) or the last (backward).
template <class Node, class Accept>
Node* NextInTabOrder(const std::vector<Node*>& List, Node* Current, bool GoForward, const Accept& Accepts) {
  const int count = static_cast<int>(List.size());
  if (count == 0) return nullptr;
  const auto found = std::find(List.begin(), List.end(), Current);
  int start = found != List.end() ? static_cast<int>(found - List.begin()) : (GoForward ? count - 1 : 0);
  int i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    if (Accepts(List[i])) return List[i];
  } while (i != start);
  return nullptr;
}

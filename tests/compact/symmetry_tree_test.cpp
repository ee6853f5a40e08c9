// The symmetry tree against std::multimap: random inserts and deletes keep
// the keys in order (equal keys in insertion order) both ways.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include "compact/sweep.h"
#include "compact/symmetry_tree.h"

TEST(SymmetryTree, WalksMatchAnOrderedMultimapThroughInsertsAndDeletes) {
  std::mt19937 rng(7);
  RBTree tree;
  std::multimap<int, BinaryItem*> model;
  std::vector<box_item*> boxes;
  for (int i = 0; i < 400; ++i) boxes.push_back(reinterpret_cast<box_item*>(static_cast<uintptr_t>(16 * (i + 1))));
  for (int round = 0; round < 2000; ++round) {
    if (model.empty() || rng() % 3) {
      int key = static_cast<int>(rng() % 50) - 25;
      BinaryItem* item = tree.Insert(boxes[round % boxes.size()], key);
      model.emplace(key, item);
    } else {
      auto it = model.begin();
      std::advance(it, rng() % model.size());
      tree.Delete(it->second);
      model.erase(it);
    }
    if (round % 97) continue;
    ASSERT_EQ(tree.size(), static_cast<int>(model.size()));
    auto m = model.begin();
    for (BinaryItem* i = tree.minimum(); i; i = tree.successor(i), ++m) ASSERT_EQ(i, m->second);
    ASSERT_EQ(m, model.end());
    auto r = model.rbegin();
    for (BinaryItem* i = tree.maximum(); i; i = tree.predecessor(i), ++r) ASSERT_EQ(i, r->second);
    ASSERT_EQ(r, model.rend());
  }
  tree.clear();
  EXPECT_TRUE(tree.empty());
  EXPECT_EQ(tree.minimum(), nullptr);
}

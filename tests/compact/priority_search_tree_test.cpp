// The priority search tree against a plain list of points.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "compact/priority_search_tree.h"

namespace {

using Key = std::tuple<long, long, long>;  // x, y, seq

std::vector<Key> brute(const std::vector<Key>& all, long x0, long x1, long ymax) {
  std::vector<Key> out;
  for (const Key& k : all)
    if (std::get<0>(k) >= x0 && std::get<0>(k) <= x1 && std::get<1>(k) <= ymax) out.push_back(k);
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<Key> keys(const std::vector<point>& pts) {
  std::vector<Key> out;
  for (const point& p : pts) out.emplace_back(p.x, p.y, p.seq);
  return out;
}

TEST(PrioritySearchTree, RandomInsertDeleteAndQueriesMatchAList) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<long> coord(-50, 50);
  RBt tree;
  std::vector<Key> all;
  long seq = 0;
  for (int step = 0; step < 5000; ++step) {
    int op = static_cast<int>(rng() % 3);
    if (op < 2 || all.empty()) {
      Key k{coord(rng), coord(rng), ++seq};
      tree.BPSTinsert(std::get<0>(k), std::get<1>(k), nullptr, std::get<2>(k));
      all.push_back(k);
    } else {
      size_t i = rng() % all.size();
      Key k = all[i];
      ASSERT_TRUE(tree.BPSTdelete(std::get<0>(k), std::get<1>(k), nullptr, std::get<2>(k)));
      all.erase(all.begin() + static_cast<long>(i));
      ASSERT_FALSE(tree.BPSTdelete(std::get<0>(k), std::get<1>(k), nullptr, std::get<2>(k)));
    }
    ASSERT_EQ(tree.treesize, static_cast<long>(all.size()));
    long a = coord(rng), b = coord(rng), y = coord(rng);
    std::vector<point> got;
    tree.EnumerateRectangle(std::min(a, b), std::max(a, b), y, got);
    // Results come in ascending key order, which is the sorted brute-force list.
    ASSERT_EQ(keys(got), brute(all, std::min(a, b), std::max(a, b), y)) << "step " << step;
    ASSERT_EQ(tree.card, static_cast<long>(got.size()));
  }
}

TEST(PrioritySearchTree, ManyEqualKeysStayDistinct) {
  RBt tree;
  for (long i = 0; i < 1000; ++i) tree.BPSTinsert(5, 5, nullptr, i);
  for (long i = 0; i < 1000; i += 2) ASSERT_TRUE(tree.BPSTdelete(5, 5, nullptr, i));
  std::vector<point> got;
  tree.EnumerateRectangle(5, 5, 5, got);
  ASSERT_EQ(got.size(), 500u);
  for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].seq, static_cast<long>(2 * i + 1));
}

}  // namespace

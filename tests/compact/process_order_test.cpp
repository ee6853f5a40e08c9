// The order of one position's events against the list procedure done
// literally: append each event; a right event moves every listed left event
// whose closed y-interval meets its own to just behind it.
#include <gtest/gtest.h>

#include <list>
#include <random>

#include "compact/sweep_internal.h"

namespace {

std::vector<box_item*> literalOrder(const std::vector<PROC_ITEM>& queue) {
  std::list<const PROC_ITEM*> listed;
  for (const PROC_ITEM& item : queue) {
    listed.push_back(&item);
    if (item.step == item.box->x1) continue;  // a left event
    auto here = std::prev(listed.end());
    std::vector<const PROC_ITEM*> moved;
    for (auto it = listed.begin(); it != here;) {
      const PROC_ITEM* o = *it;
      bool left = o->step == o->box->x1;
      if (left && o->box->y1 <= item.box->y2 && item.box->y1 <= o->box->y2) {
        moved.push_back(o);
        it = listed.erase(it);
      } else {
        ++it;
      }
    }
    listed.insert(listed.end(), moved.begin(), moved.end());
  }
  std::vector<box_item*> out;
  for (const PROC_ITEM* p : listed) out.push_back(p->box);
  return out;
}

TEST(ProcessOrder, MatchesTheListProcedureOnRandomGroups) {
  std::mt19937 rng(3);
  for (int round = 0; round < 300; ++round) {
    const long at = 100;
    std::vector<box_item> boxes;
    int n = 1 + static_cast<int>(rng() % 40);
    boxes.reserve(static_cast<size_t>(n));
    std::vector<PROC_ITEM> queue;
    for (int i = 0; i < n; ++i) {
      long y1 = static_cast<long>(rng() % 30), y2 = y1 + static_cast<long>(rng() % 8);
      bool right = rng() % 2;
      boxes.emplace_back(nullptr, nullptr, right ? at - 10 : at, y1, right ? at : at + 10, y2);
      boxes.back().seq = i;
    }
    for (box_item& b : boxes) queue.push_back(PROC_ITEM{&b, at, nullptr});
    std::vector<box_item*> expected = literalOrder(queue);
    SWorderGroup(queue);
    ASSERT_EQ(queue.size(), expected.size());
    for (size_t i = 0; i < queue.size(); ++i) {
      ASSERT_EQ(queue[i].box, expected[i]) << "round " << round << " position " << i;
      ASSERT_EQ(queue[i].next, i + 1 < queue.size() ? &queue[i + 1] : nullptr);
    }
  }
}

}  // namespace

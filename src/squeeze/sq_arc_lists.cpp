#include "squeeze/sq_arc_lists.h"

#include <algorithm>
#include <unordered_map>

#include "squeeze/sq_graph.h"

namespace {

SQarcLists workspace;

// Runs of the chain stored one after the other (the array part is one run):
// an arc's number is found from its address without a table per arc.
struct Run {
  const SQARC_item* begin;
  int length;
  int firstId;
};

class ArcNumbers {
 public:
  explicit ArcNumbers(SQarcLists& lists) : lists_(lists) {}

  void addChain(SQARC_item* chain) {
    for (SQARC_item* a = chain; a; a = a->list_next) {
      const int id = static_cast<int>(lists_.arcs.size());
      lists_.arcs.push_back(a);
      if (!runs_.empty() && runs_.back().begin + runs_.back().length == a)
        ++runs_.back().length;
      else
        runs_.push_back({a, 1, id});
    }
    std::sort(runs_.begin(), runs_.end(), [](const Run& x, const Run& y) { return x.begin < y.begin; });
    for (const Run& r : runs_)
      if (r.length > largest_.length) largest_ = r;  // the array part, as a rule
  }

  // The number of `a`; an arc outside the chain gets the next free one.
  int of(SQARC_item* a) {
    if (!a) return -1;
    if (a >= largest_.begin && a < largest_.begin + largest_.length)
      return largest_.firstId + static_cast<int>(a - largest_.begin);
    auto r = std::upper_bound(runs_.begin(), runs_.end(), a, [](const SQARC_item* p, const Run& run) {
      return p < run.begin;
    });
    if (r != runs_.begin()) {
      --r;
      if (a < r->begin + r->length) return r->firstId + static_cast<int>(a - r->begin);
    }
    auto [it, fresh] = outside_.emplace(a, static_cast<int>(lists_.arcs.size()));
    if (fresh) lists_.arcs.push_back(a);
    return it->second;
  }

 private:
  SQarcLists& lists_;
  std::vector<Run> runs_;
  Run largest_{nullptr, 0, 0};
  std::unordered_map<const SQARC_item*, int> outside_;
};

int lineIndex(const SQarcLists& lists, const SQLINE_item* l) {
  if (!l || l->BMindex < 0 || static_cast<size_t>(l->BMindex) >= lists.lines.size()) return -1;
  return lists.lines[static_cast<size_t>(l->BMindex)] == l ? l->BMindex : -1;
}

// Arcs grouped by their own line (the far end of `other`'s links), storage
// order kept within a group (counting sort), with what `links` says of them.
void group(const std::vector<SQarcLists::Link>& other, const std::vector<SQarcLists::Link>& links,
           const std::vector<int>& rank, std::vector<SQarcLists::Slot>& by, std::vector<int>& start,
           std::vector<int>& place, size_t lines) {
  start.assign(lines + 1, 0);
  for (const SQarcLists::Link& l : other)
    if (l.far >= 0) ++start[static_cast<size_t>(l.far) + 1];
  for (size_t i = 0; i < lines; ++i) start[i + 1] += start[i];
  by.assign(static_cast<size_t>(start[lines]), SQarcLists::Slot{-1, -1, 0, -1});
  place.assign(other.size(), -1);
  std::vector<int> fill(start.begin(), start.end() - 1);
  for (size_t id = 0; id < other.size(); ++id) {
    const int own = other[id].far;
    if (own < 0) continue;
    const int at = fill[static_cast<size_t>(own)]++;
    by[static_cast<size_t>(at)] = {static_cast<int>(id), links[id].far, rank[id], links[id].next};
    place[id] = at;
  }
}

}  // namespace

SQLINE_item* SQarcLists::farLine(int id, bool entering) const {
  const SQARC_item* a = arcs[static_cast<size_t>(id)];
  return entering ? a->ori : a->ter;
}

const SQarcLists& SQreadArcLists(SQCELL_item* cells, int ncells, SQARC_item* chain) {
  SQarcLists& lists = workspace;
  ++lists.reading;
  lists.weight.clear();
  lists.lines.clear();
  lists.arcs.clear();
  lists.rank.clear();
  lists.leaving.clear();
  lists.entering.clear();
  lists.firstLeaving.clear();
  lists.firstEntering.clear();
  for (int k = 0; k < ncells; ++k)
    for (SQLINE_item* l : {cells[k].left, cells[k].right})
      if (l) {
        l->BMindex = static_cast<int>(lists.lines.size());
        lists.lines.push_back(l);
      }
  ArcNumbers numbers(lists);
  numbers.addChain(chain);
  lists.weight.reserve(lists.arcs.size());
  lists.rank.reserve(lists.arcs.size());
  lists.leaving.reserve(lists.arcs.size());
  lists.entering.reserve(lists.arcs.size());
  // Arcs met only through the links (or a line's head) are numbered as they
  // come, so reading goes on until every numbered arc has been read.
  auto readFrom = [&](size_t id) {
    for (; id < lists.arcs.size(); ++id) {
      const SQARC_item* a = lists.arcs[id];
      lists.weight.push_back(a->weight);
      lists.rank.push_back(a->rank);
      lists.leaving.push_back({numbers.of(a->ori_next), lineIndex(lists, a->ter)});
      lists.entering.push_back({numbers.of(a->ter_next), lineIndex(lists, a->ori)});
    }
  };
  readFrom(0);
  lists.firstLeaving.reserve(lists.lines.size());
  lists.firstEntering.reserve(lists.lines.size());
  for (SQLINE_item* l : lists.lines) {
    lists.firstLeaving.push_back(numbers.of(l->ori_next));
    lists.firstEntering.push_back(numbers.of(l->ter_next));
  }
  readFrom(lists.weight.size());
  group(lists.leaving, lists.entering, lists.rank, lists.byEntering, lists.startEntering, lists.placeEntering,
        lists.lines.size());
  group(lists.entering, lists.leaving, lists.rank, lists.byLeaving, lists.startLeaving, lists.placeLeaving,
        lists.lines.size());
  return lists;
}

const SQarcLists& SQlatestArcLists() { return workspace; }

void SQreleaseArcLists() {
  const unsigned long reading = workspace.reading;
  workspace = SQarcLists();
  workspace.reading = reading + 1;  // so that no one takes the emptied arrays for their reading
}

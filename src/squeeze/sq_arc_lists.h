// The leaving and entering lists of every line of a graph, read in one sweep
// over the arc records. On a large graph the records of one list lie far
// apart, so following the links record by record costs a cache miss per
// arc; read here in storage order, the links become small integer arrays
// that later walks (passes, dumps, the redundant-arc check) follow in cache.
#pragma once
#include <cstddef>
#include <vector>

struct SQCELL_item;
struct SQLINE_item;
struct SQARC_item;

struct SQarcLists {
  struct Link {
    int next;  // next arc of the same list, -1 at its end
    int far;   // the line at the other end, -1 when it is none of `lines`
  };
  std::vector<SQLINE_item*> lines;  // left then right line of every cell, in cell order
  std::vector<SQARC_item*> arcs;    // by arc number
  std::vector<long> weight;
  std::vector<int> rank;
  std::vector<Link> leaving, entering;           // by arc number
  std::vector<int> firstLeaving, firstEntering;  // by line, -1 for an empty list

  // The arcs of each line's lists in storage order (by arc number), with
  // what the walks read of them copied alongside, and each arc's place
  // there: lists are mostly built in that order, so a walk can guess the
  // next arc without waiting for the link and read on in sequence (forEach).
  struct Slot {
    int id;
    int far;
    int rank;
    int next;  // the arc after it in its list, as in `Link`
  };
  std::vector<Slot> byLeaving, byEntering;       // grouped by line
  std::vector<int> startLeaving, startEntering;  // line i's group: [start[i], start[i+1])
  std::vector<int> placeLeaving, placeEntering;  // by arc number, -1 in no group
  unsigned long reading = 0;                     // counts the readings into the workspace

  // The line at the far end of arc `id` in a leaving (entering) list.
  SQLINE_item* farLine(int id, bool entering) const;

  // Calls visit(slot) for the arcs of line i's leaving (entering) list, in list order.
  template <class Visit>
  void forEach(int line, bool enteringList, Visit visit) const {
    const std::vector<Link>& links = enteringList ? entering : leaving;
    const std::vector<Slot>& by = enteringList ? byEntering : byLeaving;
    const std::vector<int>& place = enteringList ? placeEntering : placeLeaving;
    const int end = (enteringList ? startEntering : startLeaving)[static_cast<std::size_t>(line) + 1];
    int id = (enteringList ? firstEntering : firstLeaving)[static_cast<std::size_t>(line)];
    int at = id >= 0 ? place[static_cast<std::size_t>(id)] : -1;
    while (id >= 0) {
      const Slot slot = at >= 0 ? by[static_cast<std::size_t>(at)]  // else an arc whose own line is none of `lines`
                                : Slot{id, links[static_cast<std::size_t>(id)].far, rank[static_cast<std::size_t>(id)],
                                       links[static_cast<std::size_t>(id)].next};
      visit(slot);
      id = slot.next;
      if (at >= 0 && at + 1 < end && by[static_cast<std::size_t>(at) + 1].id == id)
        ++at;  // the guess held: read on in sequence
      else
        at = id >= 0 ? place[static_cast<std::size_t>(id)] : -1;
    }
  }
};

// Reads the lists of the lines of cells[0 .. ncells); `chain` is the head of
// the graph's global arc chain. Numbers the lines through their BMindex. The
// result lives in one workspace that the next reading reuses (its arrays
// keep their size, sparing the system's fresh pages), until SQreleaseArcLists.
const SQarcLists& SQreadArcLists(SQCELL_item* cells, int ncells, SQARC_item* chain);
// The workspace as the latest reading left it (see its `reading`).
const SQarcLists& SQlatestArcLists();
void SQreleaseArcLists();

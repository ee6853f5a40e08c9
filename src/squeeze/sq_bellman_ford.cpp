// One longest-path pass. The lines are taken in the order of the graph's
// strongly connected pieces (Tarjan), so a line's arcs are relaxed once its
// value is final: every piece receives all its arcs from pieces already done.
// Inside a piece of more than one line (lines tied by equalities, or a
// positive cycle) the values settle by Bellman-Ford waves: each wave relaxes
// the arcs of the lines changed in the previous wave, using their values from
// the start of the wave. A positive cycle never settles; the watch recognises
// it from the periodic numbers of changed lines per wave, traces the
// relaxations for two more periods and reports the cycle.
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <vector>

#include "common/memory.h"
#include "squeeze/sq_arc_lists.h"
#include "squeeze/sq_figures.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"

SQPOSCYCLE_GRAPH_item* SQposcycle_graph = nullptr;
int SHOW_WAVEFRONT = 0;
int SHOW_DETAIL = 0;
FILE* flog = nullptr;
SQpassFigures SQlastPass;
int SQpiecesEpoch = -1;

namespace {

// The two wave lists (a line may be listed more than once) and the history.
std::vector<SQLINE_item*> lines[2];
std::vector<int> history;
unsigned visitStamp = 0;

constexpr long kUnreached = 3;  // lines not reached hold -3 (left) or +3 (right)

template <class Visit>
void forEachLine(SQCELL_item* cells, int ncells, Visit visit) {
  for (int k = 0; k < ncells + SQsymcell_size; ++k) {
    if (cells[k].left) visit(cells[k].left, k < ncells);
    if (cells[k].right) visit(cells[k].right, k < ncells);
  }
}

bool anyPositive(SQARC_item* arc, bool leaving) {
  for (; arc; arc = leaving ? arc->ori_next : arc->ter_next)
    if (arc->weight > 0) return true;
  return false;
}

void clearVariables(SQCELL_item* cells, int ncells, bool right) {
  lines[0].clear();
  lines[1].clear();
  const long unset = right ? kUnreached : -kUnreached;
  forEachLine(cells, ncells, [&](SQLINE_item* l, bool layout) {
    l->BMweight = unset;
    l->BMprevweight = unset;
    l->BMwave = -1;
    l->BMexpanded = 0;
    l->BMparent = nullptr;
    l->BMtrace = nullptr;
    l->BMvisit = 0;
    if (!layout) return;
    const bool isLeft = l == l->cell->left;
    if (!right && isLeft && !anyPositive(l->ter_next, false)) {
      l->BMweight = 0;
      l->BMwave = 0;
    } else if (right && !isLeft && !anyPositive(l->ori_next, true)) {
      l->BMweight = 0;
      l->BMwave = 0;
    } else if (!right && !isLeft && l->no_ter == 0) {
      SQerrmessage("Right line cannot be the start points (right->no_ter = 0)", "SQbf_clear_var");
    } else if (right && isLeft && l->no_ori == 0) {
      SQerrmessage("Left line cannot be the start points (left->no_ori = 0)", "SQbf_clear_var");
    }
  });
  printf("SQboundbox: initialize variables done -> Bellman Ford algo\n");
}

// A cycle among the arcs of the latest improvements, walking back from a few
// lines changed in the newest wave. Such a cycle always has a positive weight:
// every improvement was strict.
bool parentCycle(const std::vector<SQLINE_item*>& changed, bool right, long maxSteps) {
  const size_t starts = changed.size() < 8 ? changed.size() : 8;
  for (size_t i = 0; i < starts; ++i) {
    const unsigned stamp = ++visitStamp;
    SQLINE_item* l = changed[i];
    for (long n = 0; l && n <= maxSteps; ++n) {
      if (l->BMvisit == stamp) return true;
      l->BMvisit = stamp;
      SQARC_item* a = l->BMparent;
      l = a ? (right ? a->ter : a->ori) : nullptr;
    }
  }
  return false;
}

void freeTrace() {
  GCdeleteChain(SQposcycle_graph);
  SQposcycle_graph = nullptr;
}

void printRecord(const char* tag, const SQPOSCYCLE_GRAPH_item* r) {
  printf("%sline %i connected from line %i, wavefront %i, arcs %i weight %li\n", tag, r->line->number,
         r->parent ? r->parent->line->number : 0, r->wavefront, r->arc ? r->arc->rank : 0,
         r->arc ? r->arc->weight : 0L);
}

void cycleReport(int start, int loop) {
  const int top = 3 * loop + start, base = 2 * loop + start;
  for (const SQPOSCYCLE_GRAPH_item* r = SQposcycle_graph; r; r = r->next) {
    if (r->wavefront == base)
      printf("ORI: line %i connected from line XXX, wavefront %i, no arcs\n", r->line->number, r->wavefront);
    else
      printRecord(r->wavefront == top ? "TER: " : "NOR: ", r);
  }
  printf("************************************************************\n\n");
  printf("Guess of positive cycle line\n");
  printf("pos_cycle_wf_start = %i, pos_cycle_wf_loop = %i\n", start, loop);
  for (const SQPOSCYCLE_GRAPH_item* r = SQposcycle_graph; r; r = r->next) {
    if (r->wavefront != top) continue;
    for (const SQPOSCYCLE_GRAPH_item* p = r->parent; p; p = p->parent) {
      if (p->line == r->line) {
        for (const SQPOSCYCLE_GRAPH_item* q = r; q != p->parent; q = q->parent) printRecord("  ", q);
        printf("\n");
      }
      if (p->wavefront <= base) break;
    }
  }
}

// Strongly connected pieces of the lines over the arcs (ori to ter), in the
// order Tarjan completes them: every arc leads to a piece completed no later.
struct Pieces {
  std::vector<int> of;       // piece of each line
  std::vector<int> members;  // lines grouped by piece
  std::vector<int> start;    // piece p holds members[start[p] .. start[p+1])
};

// The arcs of one side of every line (leaving or entering), in list order,
// gathered once per bound box: the passes then read them from one array
// instead of chasing list links through the arc records again and again.
struct Adjacency {
  struct Entry {
    int far;          // index of the line at the other end
    int rank;
    long weight;
    SQARC_item* arc;
  };
  bool entering = false;
  std::vector<int> start;  // line i's arcs are entries[start[i] .. start[i+1])
  std::vector<Entry> entries;
  const Entry* begin(int line) const { return entries.data() + start[static_cast<size_t>(line)]; }
  const Entry* end(int line) const { return entries.data() + start[static_cast<size_t>(line) + 1]; }
};

// `reading`: the reading of the arc lists this bound box made, reused while
// no one else has read since; updated to the reading used.
void gather(Adjacency& adj, SQCELL_item* cells, int ncells, SQARC_item* chain, bool entering,
            unsigned long& reading) {
  const bool reuse = reading != 0 && SQlatestArcLists().reading == reading;
  const SQarcLists& lists = reuse ? SQlatestArcLists() : SQreadArcLists(cells, ncells + SQsymcell_size, chain);
  reading = lists.reading;
  adj.entering = entering;
  adj.start.clear();
  adj.entries.clear();
  adj.start.reserve(lists.lines.size() + 1);
  adj.entries.reserve(lists.arcs.size());
  for (size_t i = 0; i < lists.lines.size(); ++i) {
    adj.start.push_back(static_cast<int>(adj.entries.size()));
    lists.forEach(static_cast<int>(i), entering, [&](const SQarcLists::Slot& s) {
      const size_t k = static_cast<size_t>(s.id);
      const int far = s.far >= 0 ? s.far : lists.farLine(s.id, entering)->BMindex;
      adj.entries.push_back({far, s.rank, lists.weight[k], lists.arcs[k]});
    });
  }
  adj.start.push_back(static_cast<int>(adj.entries.size()));
}

Pieces strongPieces(const Adjacency& leaving) {
  const int n = static_cast<int>(leaving.start.size()) - 1;
  Pieces p;
  p.of.assign(static_cast<size_t>(n), -1);
  std::vector<int> index(static_cast<size_t>(n), -1), low(static_cast<size_t>(n), 0), stack;
  std::vector<char> onStack(static_cast<size_t>(n), 0);
  std::vector<std::pair<int, const Adjacency::Entry*>> calls;
  int counter = 0;
  auto open = [&](int v) {
    index[static_cast<size_t>(v)] = low[static_cast<size_t>(v)] = counter++;
    stack.push_back(v);
    onStack[static_cast<size_t>(v)] = 1;
    calls.push_back({v, leaving.begin(v)});
  };
  for (int s = 0; s < n; ++s) {
    if (index[static_cast<size_t>(s)] >= 0) continue;
    open(s);
    while (!calls.empty()) {
      const int v = calls.back().first;
      if (calls.back().second != leaving.end(v)) {
        const int w = (calls.back().second++)->far;
        if (index[static_cast<size_t>(w)] < 0)
          open(w);
        else if (onStack[static_cast<size_t>(w)])
          low[static_cast<size_t>(v)] = std::min(low[static_cast<size_t>(v)], index[static_cast<size_t>(w)]);
        continue;
      }
      if (low[static_cast<size_t>(v)] == index[static_cast<size_t>(v)]) {
        const int piece = static_cast<int>(p.start.size());
        p.start.push_back(static_cast<int>(p.members.size()));
        int x;
        do {
          x = stack.back();
          stack.pop_back();
          onStack[static_cast<size_t>(x)] = 0;
          p.of[static_cast<size_t>(x)] = piece;
          p.members.push_back(x);
        } while (x != v);
      }
      calls.pop_back();
      if (!calls.empty()) {
        const int u = calls.back().first;
        low[static_cast<size_t>(u)] = std::min(low[static_cast<size_t>(u)], low[static_cast<size_t>(v)]);
      }
    }
  }
  p.start.push_back(static_cast<int>(p.members.size()));
  return p;
}

// What the passes of one bound box share; released after its last pass.
struct SharedWork {
  Pieces pieces;
  Adjacency adjacency;
  int piecesEpoch = -1;
  unsigned long reading = 0;  // of the arc lists, by this bound box's first pass
} shared;

}  // namespace

void SQbf_release() { shared = SharedWork(); }

int SQbf_history_period(const int* h, int wave) {
  constexpr int kWindow = 14;
  if (wave < 2 || h[wave] == h[wave - 1]) return 0;
  for (int period = 2; period + kWindow <= wave; ++period) {
    int i = 0;
    while (i < kWindow && h[wave - i] == h[wave - i - period]) ++i;
    if (i == kWindow) return period;
  }
  return 0;
}

long SQbf_main(SQCELL_item* cells, SQARC_item* arcs, int ncells, int /*narcs*/, int right) {
  clearVariables(cells, ncells, right != 0);
  const long unreached = right ? kUnreached : -kUnreached;
  std::vector<SQLINE_item*> all;
  forEachLine(cells, ncells, [&](SQLINE_item* l, bool) {
    l->BMindex = static_cast<int>(all.size());
    all.push_back(l);
  });
  const long lineCount = static_cast<long>(all.size());
  // The passes of one bound box see the same arcs: their pieces are found
  // once, and each side's arcs are gathered once (the left passes come first).
  Pieces& cached = shared.pieces;
  Adjacency& adj = shared.adjacency;
  int& cachedEpoch = shared.piecesEpoch;
  const bool fresh = SQpiecesEpoch < 0;
  if (fresh || cachedEpoch != SQpiecesEpoch) {
    shared.reading = 0;
    gather(adj, cells, ncells, arcs, false, shared.reading);
    cached = strongPieces(adj);
    cachedEpoch = SQpiecesEpoch;
  }
  if (adj.entering != (right != 0)) gather(adj, cells, ncells, arcs, right != 0, shared.reading);
  const Pieces& pieces = cached;
  const int limit = 4 * ncells;
  SQlastPass = SQpassFigures();
  bool suspicious = false, tracing = false, changed = false;
  int loop = 0, start = 0;

  // Relaxes arc e from u (value `from`); true when its far line improved.
  auto relax = [&](SQLINE_item* u, const Adjacency::Entry& e, long from, int wave) {
    ++SQlastPass.relaxations;
    SQLINE_item* v = all[static_cast<size_t>(e.far)];
    const long candidate = right ? from - e.weight : from + e.weight;
    if (right ? candidate >= v->BMweight : candidate <= v->BMweight) return false;
    if (SHOW_DETAIL && !right && flog)
      fprintf(flog, " nW = %ld+%5ld, oW = %ld: \tarc %i ori %i ter %i%s", from, e.weight, v->BMweight, e.rank,
              u->number, v->number, e.rank == -50 ? " ***\n" : "\n");
    v->BMweight = candidate;
    v->BMwave = wave;
    v->BMparent = e.arc;
    if (tracing) {
      auto* r = GCnew<SQPOSCYCLE_GRAPH_item>();
      r->line = v;
      r->parent = u->BMtrace;
      r->arc = e.arc;
      r->wavefront = wave;
      r->next = SQposcycle_graph;
      SQposcycle_graph = r;
      v->BMtrace = r;
    }
    return true;
  };

  // Waves inside one piece, from its lines already reached; false when the
  // piece does not settle (then `tracing` or `changed` tell why).
  auto settlePiece = [&](int piece) {
    const int* first = &pieces.members[static_cast<size_t>(pieces.start[static_cast<size_t>(piece)])];
    const int* last = &pieces.members[static_cast<size_t>(pieces.start[static_cast<size_t>(piece) + 1])];
    lines[0].clear();
    lines[1].clear();
    for (const int* m = first; m != last; ++m)
      if (all[static_cast<size_t>(*m)]->BMweight != unreached) lines[0].push_back(all[static_cast<size_t>(*m)]);
    if (lines[0].empty()) return true;
    history.assign(1, 0);  // entry w is wave w's count
    suspicious = tracing = changed = false;
    int w = 1;
    for (; w <= limit; ++w) {
      std::vector<SQLINE_item*>& from = lines[(w + 1) % 2];  // list 0 for odd waves
      std::vector<SQLINE_item*>& to = lines[w % 2];
      to.clear();
      for (SQLINE_item* u : from) u->BMprevweight = u->BMweight;
      changed = false;
      for (SQLINE_item* u : from) {
        if (u->BMexpanded == w) continue;  // a second entry relaxes nothing new
        u->BMexpanded = w;
        for (const Adjacency::Entry* e = adj.begin(u->BMindex); e != adj.end(u->BMindex); ++e) {
          if (pieces.of[static_cast<size_t>(e->far)] != piece) continue;  // after the piece settles
          if (relax(u, *e, u->BMprevweight, w)) {
            to.push_back(all[static_cast<size_t>(e->far)]);
            changed = true;
          }
        }
      }
      if (SHOW_WAVEFRONT || SHOW_DETAIL) {
        char text[128];
        snprintf(text, sizeof text, "s %c: p %c:  call BF(%i): wave %i, lines_size (%zu,%zu)\n", right ? 'R' : 'L',
                 suspicious ? 'Y' : 'N', (w + 1) % 2, w, lines[0].size(), lines[1].size());
        if (SHOW_WAVEFRONT) fputs(text, stdout);
        if (SHOW_DETAIL && flog) fputs(text, flog);
      }
      from.clear();
      history.push_back(static_cast<int>(to.size()));
      SQlastPass.listEntries += static_cast<long>(to.size());
      if (!suspicious && w >= 51) {
        const int period = SQbf_history_period(history.data(), w);
        if (period > 0 && parentCycle(to, right != 0, lineCount)) {
          suspicious = true;
          loop = period;
          start = w - period - 2;
        }
      }
      if (suspicious) {
        if (w >= 2 * loop + start - 1) tracing = true;
        if (w >= 3 * loop + start) break;
      }
      if (!changed) break;
    }
    SQlastPass.waves = std::max(SQlastPass.waves, std::min(w, limit));
    return !tracing && !changed;
  };

  const int count = static_cast<int>(pieces.start.size()) - 1;
  for (int k = 0; k < count; ++k) {
    // Sources first: the left pass goes against the completion order.
    const int piece = right ? k : count - 1 - k;
    const int size = pieces.start[static_cast<size_t>(piece) + 1] - pieces.start[static_cast<size_t>(piece)];
    const int* first = &pieces.members[static_cast<size_t>(pieces.start[static_cast<size_t>(piece)])];
    bool loopsOnItself = false;
    if (size == 1)
      for (const Adjacency::Entry* e = adj.begin(*first); e != adj.end(*first); ++e) loopsOnItself |= e->far == *first;
    if ((size > 1 || loopsOnItself) && !settlePiece(piece)) break;
    for (int m = 0; m < size; ++m) {
      SQLINE_item* u = all[static_cast<size_t>(first[m])];
      if (u->BMweight == unreached) continue;
      for (const Adjacency::Entry* e = adj.begin(first[m]); e != adj.end(first[m]); ++e)
        if (pieces.of[static_cast<size_t>(e->far)] != piece) relax(u, *e, u->BMweight, 0);
    }
  }
  if (SQlastPass.waves == 0) SQlastPass.waves = 1;
  if (resize_direction == LEFT_RIGHT || resize_direction == TOP_BOTTOM) {
    SQdirectionFigures& figures = SQfigures[resize_direction];
    figures.waves = std::max(figures.waves, SQlastPass.waves);
    figures.relaxations += SQlastPass.relaxations;
  }
  printf("SQboundbox: Bellman Ford done -> check settle & find longest path\n");
  if (tracing) {
    SQerrmessage("Constraint graph is not settled iN BF and pos_cycle is reported", "SQboundbox");
    cycleReport(start, loop);
    exit(0);
  }
  if (changed) {
    SQerrmessage("Constraint graph is not settled in BF and no pos_cycle checked (wavefront > |LINE|)",
                 "SQboundbox");
    exit(0);
  }
  lines[0].clear();
  lines[1].clear();
  long longest = 0;
  forEachLine(cells, ncells, [&](SQLINE_item* l, bool) {
    if (right) {
      if (l->BMweight < longest) longest = l->BMweight;
      l->max_loc = l->BMweight;
    } else {
      if (l->BMweight > longest) longest = l->BMweight;
      l->min_loc = l->BMweight;
    }
  });
  printf("SQboundbox: longest_path = %li\n", longest);
  printf("SQboundbox: Boundbox done -> return to caller\n");
  history.clear();
  freeTrace();
  return longest;
}

void SQresetLongestPath() {
  lines[0] = std::vector<SQLINE_item*>();
  lines[1] = std::vector<SQLINE_item*>();
  history = std::vector<int>();
  freeTrace();
  SQbf_release();
  SHOW_WAVEFRONT = SHOW_DETAIL = 0;
  if (flog) fclose(flog);
  flog = nullptr;
  SQlastPass = SQpassFigures();
}

// The symmetry core LP: core detection, the boundary cell, the core graph
// of longest paths between core lines, SQcore_mps.file, lp_solve, and the
// four fixed-distance arcs of every symmetry record.
#include "squeeze/sq_core_lp.h"

#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/memory.h"
#include "common/run_program.h"
#include "common/scale.h"
#include "compact/process_options.h"
#include "compact/resize_times.h"
#include "compact/solver_report.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_hooks.h"

SQCELL_item* SQboundcell = nullptr;
SQARC_item* SQboundarc = nullptr;
int SQboundarc_size = 0;
SQLINE_item* SQcoreline = nullptr;
int SQcoreline_size = 0;
SQARC_item* SQcorearc = nullptr;  // head of the core arcs in creation order (list_next)
int SQcorearc_size = 0;
FILE* fcore = nullptr;
FILE* fres = nullptr;
SQcoreFigures SQlastCore;

namespace {

constexpr int kBoundLayer = 203;
constexpr long kUnreached = -10000;  // start value of the core waves
constexpr int kBoundArcRank = -10;
constexpr int kDistanceArcRank = -5;
constexpr int kSourceMark = -10, kSinkMark = -11;
constexpr const char* kMps = "SQcore_mps.file";
constexpr const char* kReport = "SQcore_mps.file.rpt";

// Working state of one call.
std::vector<SQLINE_item*> ordinaryOf;  // core line k -> the line it copies
std::deque<SQARC_item> coreArcs;       // stable addresses while arcs are added
int boundArcsMade = 0;
std::vector<SQLINE_item*> waveFrom, waveTo;

bool isSymmetryCell(const SQCELL_item* c) { return c && (c->layernumber == 201 || c->layernumber == 202); }

int allCells() { return SQcell_size + SQsymcell_size; }

void fail(const char* text) {
  printf("%s", text);
  fflush(stdout);
  exit(0);
}

void linkArc(SQARC_item* arc, SQLINE_item* ori, SQLINE_item* ter) {
  arc->ori = ori;
  arc->ter = ter;
  arc->ori_next = ori->ori_next;
  ori->ori_next = arc;
  ++ori->no_ori;
  arc->ter_next = ter->ter_next;
  ter->ter_next = arc;
  ++ter->no_ter;
}

void unlinkFrom(SQARC_item** head, SQARC_item* arc, bool leaving, int* count) {
  for (SQARC_item** at = head; *at; at = leaving ? &(*at)->ori_next : &(*at)->ter_next)
    if (*at == arc) {
      *at = leaving ? arc->ori_next : arc->ter_next;
      --*count;
      return;
    }
}

bool anyNonZero(const SQARC_item* a, bool leaving) {
  for (; a; a = leaving ? a->ori_next : a->ter_next)
    if (a->weight != 0) return true;
  return false;
}

// ---- core detection and the boundary cell ---------------------------------

void detectCore() {
  int core = 0, leftb = 0, rightb = 0;
  for (int k = 0; k < SQcell_size; ++k) {
    SQCELL_item& c = SQcell[k];
    if (c.left && !anyNonZero(c.left->ter_next, false)) {
      c.left->onbound = 1;
      ++leftb;
    }
    if (c.right && !anyNonZero(c.right->ori_next, true)) {
      c.right->onbound = 2;
      ++rightb;
    }
    for (SQLINE_item* l : {c.left, c.right})
      if (l && l->onsym > 0) ++core;
  }
  for (int k = SQcell_size; k < allCells(); ++k)
    for (SQLINE_item* l : {SQcell[k].left, SQcell[k].right})
      if (l) {
        l->onbound = 3;
        ++leftb, ++rightb, ++core;
      }
  SQcoreline_size = core + 2;
  SQcorearc_size = SQarc_size + SQcoreline_size;
  SQboundarc_size = leftb + rightb;
  printf("  SQcore: Mark coreline done -> create boundary cell\n");
  printf("  SQcore: SQcoreline_size = %i, SQcorearc_size = %i, leftb = %i, rightb = %i\n", SQcoreline_size,
         SQcorearc_size, leftb, rightb);
}

SQLINE_item* newBoundLine(int mark) {
  auto* l = GCnew<SQLINE_item>();
  l->cell = SQboundcell;
  l->number = l->onbound = mark;
  return l;
}

void addBoundArc(SQLINE_item* ori, SQLINE_item* ter) {
  if (boundArcsMade >= SQboundarc_size) return;  // the count below reports it
  SQARC_item* a = &SQboundarc[boundArcsMade++];
  a->occupied = 1;
  a->weight = 0;
  a->rank = kBoundArcRank;
  linkArc(a, ori, ter);
}

void createBoundary() {
  SQboundcell = GCnew<SQCELL_item>();
  snprintf(SQboundcell->layername, sizeof SQboundcell->layername, "BOUND");
  SQboundcell->layernumber = kBoundLayer;
  SQboundcell->left = newBoundLine(kSourceMark);
  SQboundcell->right = newBoundLine(kSinkMark);
  SQboundarc = SQboundarc_size > 0
                   ? static_cast<SQARC_item*>(GCmalloc(sizeof(SQARC_item) * static_cast<size_t>(SQboundarc_size)))
                   : nullptr;
  boundArcsMade = 0;
  SQLINE_item* source = SQboundcell->left;
  SQLINE_item* sink = SQboundcell->right;
  for (int k = 0; k < SQcell_size; ++k) {
    SQCELL_item& c = SQcell[k];
    if (c.left && c.left->onbound == 1) addBoundArc(source, c.left);
    if (c.right && c.right->onbound == 2) addBoundArc(c.right, sink);
  }
  for (int k = SQcell_size; k < allCells(); ++k) {
    SQCELL_item& c = SQcell[k];
    if (!isSymmetryCell(&c)) continue;
    for (SQLINE_item* l : {c.left, c.layernumber == 202 ? c.right : nullptr})
      if (l) {
        addBoundArc(source, l);
        addBoundArc(l, sink);
      }
  }
  if (boundArcsMade < SQboundarc_size)
    printf("ERROR: Number of boundarc added is less than detected (j=%i,barc=%i)!!!\n", boundArcsMade,
           SQboundarc_size);
  printf("  SQcore: create boundary cell done -> return to core main procedure\n");
}

// ---- the core graph ----------------------------------------------------------

void restart(SQLINE_item* l) {
  l->BMweight = l->BMprevweight = kUnreached;
  l->BMwave = -2;
  l->BMexpanded = 0;
  l->BMvisit = 0;
}

// Longest paths from `s` over the whole graph, boundary arcs included.
void expandWaves(SQLINE_item* s) {
  for (int k = 0; k < allCells(); ++k)
    for (SQLINE_item* l : {SQcell[k].left, SQcell[k].right})
      if (l) restart(l);
  for (SQLINE_item* l : {SQboundcell->left, SQboundcell->right}) restart(l);
  s->BMweight = s->BMprevweight = 0;
  s->BMwave = 0;
  waveFrom.assign(1, s);
  const int limit = allCells() + 100;
  for (int w = 1; !waveFrom.empty(); ++w) {
    if (w > limit) {
      SQerrmessage("Constraint core graph is not settled in BF (wavefront > |LINE+1|), check resize_report/core_wavefront.rpt",
                   "SQcoreexpandwave");
      fflush(stdout);
      exit(0);
    }
    // Only lines changed in the previous wave can change others now.
    for (SQLINE_item* u : waveFrom) u->BMprevweight = u->BMweight;
    waveTo.clear();
    for (SQLINE_item* u : waveFrom) {
      if (u->BMexpanded == w) continue;  // listed twice: its arcs are done
      u->BMexpanded = w;
      for (SQARC_item* a = u->ori_next; a; a = a->ori_next) {
        const long candidate = u->BMprevweight + a->weight;
        if (candidate <= a->ter->BMweight) continue;
        a->ter->BMweight = candidate;
        a->ter->BMwave = w;
        waveTo.push_back(a->ter);
      }
    }
    waveFrom.swap(waveTo);
  }
}

// Whether t's value comes from s along a path of tight arcs, one wave per
// arc, that passes no other core line. Answers for the current source are
// kept in BMvisit (1 yes, 2 no), so every line is judged once.
bool tightlyReached(SQLINE_item* t, SQLINE_item* s) {
  constexpr unsigned yes = 1, no = 2;
  if (t->BMvisit == yes) return true;
  if (t->BMvisit == no) return false;
  bool reached = false;
  for (SQARC_item* a = t->ter_next; a && !reached; a = a->ter_next) {
    SQLINE_item* p = a->ori;
    if (p->BMweight != t->BMweight - a->weight || p->BMwave != t->BMwave - 1) continue;
    reached = p == s || (p->onsym == 0 && p->onbound >= 0 && tightlyReached(p, s));
  }
  t->BMvisit = reached ? yes : no;
  return reached;
}

void addCoreArc(SQLINE_item* ori, SQLINE_item* ter, long weight) {
  if (static_cast<int>(coreArcs.size()) == SQcorearc_size)
    printf("WARNING: core arcs created more than SQcorearc_size original\n");
  coreArcs.emplace_back();
  SQARC_item* a = &coreArcs.back();
  a->occupied = 1;
  a->weight = weight;
  a->rank = static_cast<int>(coreArcs.size()) - 1;
  linkArc(a, ori, ter);
  if (coreArcs.size() > 1) coreArcs[coreArcs.size() - 2].list_next = a;
  SQcorearc = &coreArcs.front();
}

void buildCoreGraph() {
  printf("  SQcore: build core graph , start from sym line\n");
  std::vector<SQLINE_item*> chosen;
  for (int k = 0; k < SQcell_size; ++k)
    for (SQLINE_item* l : {SQcell[k].left, SQcell[k].right})
      if (l && l->onsym != 0) chosen.push_back(l);
  for (int k = SQcell_size; k < allCells(); ++k)
    for (SQLINE_item* l : {SQcell[k].left, SQcell[k].right})
      if (l) chosen.push_back(l);
  chosen.push_back(SQboundcell->left);
  chosen.push_back(SQboundcell->right);
  const int made = static_cast<int>(chosen.size());
  if (made != SQcoreline_size)
    printf("WARNING: SQcoreline_size is not equal to the one detected:  j = %i, coreline = %i\n", made,
           SQcoreline_size);
  SQcoreline = static_cast<SQLINE_item*>(GCmalloc(sizeof(SQLINE_item) * static_cast<size_t>(made)));
  ordinaryOf = chosen;
  for (int i = 0; i < made; ++i) {
    SQcoreline[i].cell = chosen[i]->cell;
    SQcoreline[i].number = chosen[i]->number;
    SQcoreline[i].onsym = chosen[i]->onsym;
    SQcoreline[i].onbound = chosen[i]->onbound;
  }
  SQcoreline_size = made;
  printf("  SQcore: build core graph done -> make reduced constraint graph (add arcs)\n");

  coreArcs.clear();
  SQcorearc = nullptr;
  for (int i = 0; i < made; ++i) {
    SQLINE_item* s = chosen[i];
    expandWaves(s);
    for (int j = 0; j < made; ++j) {
      if (j == i) continue;
      SQLINE_item* t = chosen[j];
      const SQARC_item* direct = nullptr;
      for (const SQARC_item* a = t->ter_next; a; a = a->ter_next)
        if (a->ori == s && a->weight < 0) direct = a;
      if (direct)
        addCoreArc(&SQcoreline[i], &SQcoreline[j], direct->weight);
      else if (t->BMwave > 0 && tightlyReached(t, s))
        addCoreArc(&SQcoreline[i], &SQcoreline[j], t->BMweight);
    }
  }
  printf("  SQcore: build core graph done -> return to core main procedure\n");
}

// ---- the LP file --------------------------------------------------------------

int variableOf(const SQLINE_item& core, int n) {
  if (core.onbound == kSourceMark) return 2 * n + 1;
  if (core.onbound == kSinkMark) return 2 * n + 2;
  return core.number;
}

void entry(int variable, int row, int coefficient) {
  fprintf(fcore, "    X%-7d  %-8d  %d\n", variable, row, coefficient);
}

// Right-hand side of a core row in grid units. A weight off the grid is
// rounded up: the row then still implies the distance it stands for.
long gridRhs(const SQARC_item& a) {
  const long q = a.weight / SCALE, r = a.weight % SCALE;
  if (r == 0) return q;
  printf("***\n***\n SQCORE ERROR: The corearc weight (%li) between (l%i l%i) is not divisible by SCALE (%li)\n***\n***\n",
         a.weight, a.ori->number, a.ter->number, SCALE);
  return r > 0 ? q + 1 : q;
}

void writeLp() {
  const int n = allCells();
  int row = 2;
  for (SQARC_item& a : coreArcs) a.rank = row++;
  int symmetryRows = 0;
  for (SQSYMARC_item* s = SQsymarc; s; s = s->next) s->rank = row++, ++symmetryRows;
  const int used = static_cast<int>(coreArcs.size());
  printf(" SQcorelpbuild: SQcorearc_use = %i (%i), SQcoresymarc = %i (%i)\n", used, used + 2, symmetryRows,
         symmetryRows + 2);
  fprintf(fcore, "NAME LINDO GENERATED MPS FILE (MIN)\n");
  fprintf(fcore, "ROWS\n");
  fprintf(fcore, "  N 1\n");
  for (const SQARC_item& a : coreArcs) fprintf(fcore, "  G %i\n", a.rank);
  for (SQSYMARC_item* s = SQsymarc; s; s = s->next) fprintf(fcore, "  E %i\n", s->rank);
  fprintf(fcore, "COLUMNS\n");
  fprintf(fcore, "    int       'MARKER'                 'INTORG'\n");
  for (int i = 0; i < SQcoreline_size; ++i) {
    const SQLINE_item& c = SQcoreline[i];
    const int var = variableOf(c, n);
    for (const SQARC_item* a = c.ori_next; a; a = a->ori_next) entry(var, a->rank, -1);
    for (const SQARC_item* a = c.ter_next; a; a = a->ter_next) entry(var, a->rank, 1);
    if (c.onbound != kSourceMark && c.onbound != kSinkMark) {
      for (const SQSYMARC_item* s = SQsymarc; s; s = s->next) {
        auto is = [&](const SQLINE_item* l) { return l && l->number == c.number; };
        if (is(s->ori1) && is(s->ori2)) entry(var, s->rank, -2);
        else if (is(s->ori1) || is(s->ori2)) entry(var, s->rank, -1);
        else if (is(s->ter1) || is(s->ter2)) entry(var, s->rank, 1);
      }
      for (const SQSYMARC_item* s = SQsymarc; s; s = s->next) {
        if (!s->ori1 || s->ori1 != s->ori2) continue;
        if (s->ter1 && s->ter1->number == c.number) entry(var, 1, 1);
        if (s->ter2 && s->ter2->number == c.number) entry(var, 1, -1);
      }
    }
    if (c.onbound == kSourceMark) entry(var, 1, -1000);
    if (c.onbound == kSinkMark) entry(var, 1, 1000);
  }
  fprintf(fcore, "RHS\n");
  for (const SQARC_item& a : coreArcs) fprintf(fcore, "    %-8s  %-8d  %li\n", "RHS", a.rank, gridRhs(a));
  for (SQSYMARC_item* s = SQsymarc; s; s = s->next) fprintf(fcore, "    %-8s  %-8d  %d\n", "RHS", s->rank, 0);
  fprintf(fcore, "BOUNDS\n");
  fprintf(fcore, " FX BND1      X%-7d  %d\n", 2 * n + 1, 0);
  fprintf(fcore, "ENDATA\n");
  printf("  SQcore: build lp file done -> return to main core procedure\n");
  SQlastCore.coreLines = SQcoreline_size;
  SQlastCore.coreArcs = used;
  SQlastCore.symmetryRows = symmetryRows;
}

// ---- the solution ---------------------------------------------------------------

// False after the banner when the problem has no solution.
bool readSolution() {
  std::vector<LPvalue> values;
  std::string why;
  LPoutcome outcome = LPoutcome::kNoValues;
  const bool solved = LPreadReport(fres, &values, &why, &outcome);
  if (outcome == LPoutcome::kInfeasible) {
    printf("********************************\n");
    printf("*** CORE LP CANNOT BE SOLVED ***\n");
    printf("********************************\n");
    return false;
  }
  if (!solved) {
    // No values at all (an unbounded or unreadable report): nothing can be
    // fixed, and the symmetry rows cannot be kept.
    printf("\n SQcore: no solution in %s: %s\n", kReport, why.c_str());
    return false;
  }
  // lp_solve lists the variables in the order of the COLUMNS section, the
  // order of the core lines; they are matched by number all the same, so a
  // report that leaves a variable out shifts nothing.
  const int n = allCells();
  std::unordered_map<int, int> coreOfVariable;
  for (int k = 0; k < SQcoreline_size; ++k) coreOfVariable.emplace(variableOf(SQcoreline[k], n), k);
  for (const LPvalue& v : values) {
    if (v.column > 2 * n) continue;
    const auto k = coreOfVariable.find(v.column);
    if (k == coreOfVariable.end()) continue;
    const long value = v.value * SCALE;
    SQcoreline[k->second].BMweight = value;
    ordinaryOf[static_cast<size_t>(k->second)]->BMweight = value;
  }
  printf("  SQcore: read and update lp file done -> return to main core procedure\n");
  return true;
}

// ---- symmetry distances -----------------------------------------------------------

void fixDistance(SQARC_item* arc, SQLINE_item* ori, SQLINE_item* ter, long weight) {
  arc->weight = weight;
  arc->rank = kDistanceArcRank;
  linkArc(arc, ori, ter);
}

void extractDistances() {
  for (SQSYMARC_item* s = SQsymarc; s; s = s->next) {
    if (!s->ori1 || !s->ori2 || !s->ter1 || !s->ter2) continue;
    const bool oriSwap = s->ori2->loc < s->ori1->loc;
    SQLINE_item* oLo = oriSwap ? s->ori2 : s->ori1;
    SQLINE_item* oHi = oriSwap ? s->ori1 : s->ori2;
    const bool terSwap = !isSymmetryCell(s->ter1->cell) && s->ter2->loc < s->ter1->loc;
    SQLINE_item* tLo = terSwap ? s->ter2 : s->ter1;
    SQLINE_item* tHi = terSwap ? s->ter1 : s->ter2;
    const long d = oHi->BMweight - tHi->BMweight;
    fixDistance(s->arc, oLo, tLo, d);
    fixDistance(s->arc2, tLo, oLo, -d);
    fixDistance(s->arc3, tHi, oHi, d);
    fixDistance(s->arc4, oHi, tHi, -d);
  }
  printf("  SQcore: extract symmetry constraint done -> return to main core procedure\n");
}

// ---- freeing -------------------------------------------------------------------------

void freeCore(bool moveFiles) {
  for (int i = 0; i < boundArcsMade; ++i) {
    SQARC_item* a = &SQboundarc[i];
    if (a->ori && a->ori->cell != SQboundcell) unlinkFrom(&a->ori->ori_next, a, true, &a->ori->no_ori);
    if (a->ter && a->ter->cell != SQboundcell) unlinkFrom(&a->ter->ter_next, a, false, &a->ter->no_ter);
  }
  if (SQboundcell) {
    GCdelete(SQboundcell->left);
    GCdelete(SQboundcell->right);
    GCdelete(SQboundcell);
  }
  if (SQboundarc) GCfree(SQboundarc, sizeof(SQARC_item) * static_cast<size_t>(SQboundarc_size));
  if (SQcoreline) GCfree(SQcoreline, sizeof(SQLINE_item) * ordinaryOf.size());
  SQboundcell = nullptr;
  SQboundarc = nullptr;
  SQcoreline = nullptr;
  SQcorearc = nullptr;
  coreArcs.clear();
  ordinaryOf.clear();
  waveFrom.clear();
  waveTo.clear();
  boundArcsMade = 0;
  SQboundarc_size = SQcoreline_size = SQcorearc_size = 0;
  if (!moveFiles) return;
  const bool vertical = resize_direction == TOP_BOTTOM;
  const std::string base = std::string("resize_report/SQcore_mps_") + (vertical ? "TB" : "LR") + ".file";
  const std::string report = base + ".rpt";
  const char* moveMps[] = {"mv", kMps, base.c_str(), nullptr};
  const char* moveReport[] = {"mv", kReport, report.c_str(), nullptr};
  GCrunProgram(moveMps);
  GCrunProgram(moveReport);
  printf("  SQcore: clear lp file done -> return to main core procedure\n");
}

void sample(bool start) {
  if (!TIME_REPORT) return;
  const bool vertical = resize_direction == TOP_BOTTOM;
  if (start) {
    RSsampleTimes(vertical ? &SQCORE_START_VER_u : &SQCORE_START_HOR_u,
                  vertical ? &SQCORE_START_VER_s : &SQCORE_START_HOR_s);
    (vertical ? SQCORE_START_VER_valid : SQCORE_START_HOR_valid) = 1;
  } else {
    RSsampleTimes(vertical ? &SQCORE_STOP_VER_u : &SQCORE_STOP_HOR_u,
                  vertical ? &SQCORE_STOP_VER_s : &SQCORE_STOP_HOR_s);
    (vertical ? SQCORE_STOP_VER_valid : SQCORE_STOP_HOR_valid) = 1;
  }
}

}  // namespace

void SQcoreproblem() {
  sample(true);
  SQlastCore = SQcoreFigures();
  detectCore();
  createBoundary();
  buildCoreGraph();

  fcore = fopen(kMps, "w");
  if (!fcore) fail("\n Can't open file SQcore_mps.file");
  writeLp();
  fclose(fcore);
  fcore = nullptr;

  printf("\nCore problem start and end time\n");
  GCrunDate();
  printf("\n");
  const char* solver[] = {"lp_solve", "-mps", "-time", nullptr};
  GCrunProgram(solver, kMps, kReport);
  printf("\n");
  GCrunDate();
  printf("\n");
  printf("  SQcore: lp_solve done\n");

  fres = fopen(kReport, "r");
  if (!fres) fail("\n Can't open file SQcore_mps.file.rpt");
  const bool solved = readSolution();
  fclose(fres);
  fres = nullptr;
  if (!solved) {
    fflush(stdout);
    exit(0);
  }
  extractDistances();
  freeCore(true);
  sample(false);
}

namespace {
// The graph back end's list of present stages learns of the core LP here.
const bool coreInstalled = (SQhooks.coreProblem = SQcoreproblem, true);
}  // namespace

// Building the current direction's graph from the equation store: one cell
// per rectangle (variables 2k and 2k+1), one arc per constraint row (slot =
// row number), a reverse arc per equality, and a symmetry record per row
// with more than two unit terms.
#include <cstdio>
#include <initializer_list>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/layout.h"
#include "common/memory.h"
#include "common/message.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "squeeze/sq_graph.h"

namespace {

SQLINE_item* newLine(SQCELL_item* cell, int number, long loc) {
  auto* line = GCnew<SQLINE_item>();
  line->cell = cell;
  line->number = number;
  line->loc = loc;
  return line;
}

SQCELL_item* newCellArray(int n) {
  return n > 0 ? static_cast<SQCELL_item*>(GCmalloc(sizeof(SQCELL_item) * static_cast<size_t>(n))) : nullptr;
}

bool haveEquations(_adjacency_list** eq) { return eq && eq[0] && eq[0]->the_edge; }

// Cell k of a layout pair from its two variables.
void fillLayoutCell(SQCELL_item& cell, int k, const _adjacency_list* lower, const _adjacency_list* upper) {
  const _edge* e = lower->the_edge;
  cell.number = 2 * k + 1;
  snprintf(cell.layername, sizeof cell.layername, "%s", e->name);
  cell.layernumber = e->layer_num;
  cell.upward = e->upward;
  cell.mother_tile = e->mother_tile;
  cell.alpha = lower->alpha;
  const _point* a = e->p1;
  const _point* b = upper ? upper->the_edge->p2 : e->p2;
  if (resize_direction == TOP_BOTTOM)
    cell.corner = {a->y, a->x, b->y, b->x};
  else
    cell.corner = {a->x, a->y, b->x, b->y};
  cell.cold = cell.mother_tile ? &CStileColdMake(cell.mother_tile) : nullptr;
  if (cell.cold) (resize_direction == TOP_BOTTOM ? cell.cold->resize_cell_TB : cell.cold->resize_cell_LR) = &cell;
}

}  // namespace

SQARC_item* SQnewArcArray(int n) {
  if (n <= 0) return nullptr;
  const size_t bytes = sizeof(SQARC_item) * static_cast<size_t>(n);
  auto* arcs = static_cast<SQARC_item*>(std::aligned_alloc(64, bytes));
  if (!arcs) GCfatal(GC_MOD_COMMON, 1, "Memory allocation failed");
  memset(static_cast<void*>(arcs), 0, bytes);
  for (int i = 0; i < n; ++i) arcs[i].weight = arcs[i].rank = -1;
  return arcs;
}

void SQfreeArcArray(SQARC_item* arcs) { std::free(arcs); }

void SQnewCells(int ncells) {
  SQcell = newCellArray(ncells);
  SQcell_size = SQcell_size_allocate = ncells;
  SQsymcell_size = 0;
  for (int k = 0; k < ncells; ++k) {
    SQcell[k].number = 2 * k + 1;
    SQcell[k].left = newLine(&SQcell[k], 2 * k + 1, 0);
    SQcell[k].right = newLine(&SQcell[k], 2 * k + 2, 0);
  }
  SQarc = nullptr;
  SQarc_size = SQarc_size_allocate = 0;
  SQarc_lastinstruct = nullptr;
  SQsymarc = nullptr;
}

void SQinit(_adjacency_list** eq, _rhs_list* rhs) {
  SQcell = nullptr;
  SQarc = nullptr;
  SQsymarc = nullptr;
  int failed = 0;
  if (!Glayout) {
    SQerrmessage("No CIF file (Glayout == NULL)", "SQinit");
    ++failed;
  }
  if (!DlayerTile[0].layertile) {
    SQerrmessage("No CS data structure (DlaterTile[0] == NULL)", "SQinit");
    ++failed;
  }
  if (!haveEquations(eq)) {
    SQerrmessage("No equation bucket list (equat_bucket == NULL)", "SQinit");
    ++failed;
  }
  printf("  SQinit: intialize done -> create structure\n");
  if (failed) {
    printf("  SQinit: create structure done -> return to caller\n");
    return;
  }

  // Sizes.
  const bool vertical = resize_direction == TOP_BOTTOM;
  const int layoutVars = num_of_var;
  const int totalVars = vertical ? SWcolumns(0) : NUM_of_VAR;
  if (layoutVars % 2) printf("\nERROR: original variables (excl sym) is odd number ??? \n");
  SQcell_size = layoutVars / 2;
  SQsymcell_size = (totalVars - layoutVars + 1) / 2;
  if (SQsymcell_size < 0) SQsymcell_size = 0;
  SQcell_size_allocate = SQcell_size + SQsymcell_size;
  printf("    NUM_of_VAR %i, num_of_var %i, SQcell_size %i, SQsymcell_size %i\n", totalVars, layoutVars,
         SQcell_size, SQsymcell_size);
  // One arc slot per row: the vertical pass's rows continue the horizontal
  // numbers, so its slots start at its first row rather than at 0.
  int maxColumn = 0, equalities = 0, base = -1;
  for (const _rhs_item* r = rhs ? rhs->head : nullptr; r; r = r->next) {
    if (r->column > maxColumn) maxColumn = r->column;
    if (base < 0 || r->column < base) base = r->column;
    if (r->type == 'E') ++equalities;
  }
  if (base < 0) base = 0;
  const int rowSlots = maxColumn + 1 - base;
  const int slots = rowSlots + equalities;
  printf("  SQinit: calculate array size done -> allocate memory\n");

  // Symmetry columns: more than two unit terms.
  // The terms of every variable, read once from the store's lists.
  struct Term {
    int rank, coeff;
  };
  std::vector<Term> terms;
  std::vector<size_t> termsOf(static_cast<size_t>(totalVars) + 1, 0);
  std::vector<int> weightSum(static_cast<size_t>(rowSlots), 0);
  for (int v = 0; v < totalVars; ++v) {
    termsOf[static_cast<size_t>(v)] = terms.size();
    for (const _equation_item* t = eq[v]->head; t; t = t->next) {
      terms.push_back({t->rank, t->coeff});
      if (t->rank >= base && t->rank <= maxColumn) weightSum[static_cast<size_t>(t->rank - base)] += std::abs(t->coeff);
    }
  }
  termsOf[static_cast<size_t>(totalVars)] = terms.size();
  int symColumns = 0;
  for (int s : weightSum)
    if (s > 2) ++symColumns;
  SQarc_size_allocate = slots + 3 * symColumns;
  SQcell = newCellArray(SQcell_size_allocate);
  SQarc = SQnewArcArray(SQarc_size_allocate);
  std::vector<SQSYMARC_item*> symOf(static_cast<size_t>(rowSlots), nullptr);
  int spare = slots;
  for (int c = 0; c < rowSlots; ++c) {
    if (weightSum[static_cast<size_t>(c)] <= 2) continue;
    auto* sym = GCnew<SQSYMARC_item>();
    sym->rank = c + base;
    sym->arc = &SQarc[c];
    sym->arc2 = &SQarc[spare];
    sym->arc3 = &SQarc[spare + 1];
    sym->arc4 = &SQarc[spare + 2];
    for (SQARC_item* a : {sym->arc, sym->arc2, sym->arc3, sym->arc4}) a->sym = sym;
    spare += 3;
    sym->next = SQsymarc;
    SQsymarc = sym;
    symOf[static_cast<size_t>(c)] = sym;
  }
  printf("  SQinit: allocate SQcell & SQarc done -> upload data\n");

  // Cells, lines and the terms of every variable.
  auto applyTerms = [&](SQLINE_item* line, int v) {
    for (size_t i = termsOf[static_cast<size_t>(v)]; i < termsOf[static_cast<size_t>(v) + 1]; ++i) {
      const Term* t = &terms[i];
      const int r = t->rank;
      if (r < base || r > maxColumn) continue;  // a row without right-hand side
      SQARC_item& arc = SQarc[r - base];
      if (SQSYMARC_item* sym = symOf[static_cast<size_t>(r - base)]) {
        ++line->onsym;
        if (t->coeff == -1) {
          (sym->ori1 ? sym->ori2 : sym->ori1) = line;
          arc.rank = r;
        } else if (t->coeff == -2) {
          sym->ori1 = sym->ori2 = line;
          arc.rank = r;
        } else if (t->coeff == 1) {
          (sym->ter1 ? sym->ter2 : sym->ter1) = line;
        } else {
          printf("\nSize of coeff in equ_iter %d is not 1 or 2 (%d)\n", r, t->coeff);
        }
      } else if (t->coeff == -1) {
        arc.ori = line;
        arc.rank = r;
        ++line->no_ori;
        arc.ori_next = line->ori_next;
        line->ori_next = &arc;
      } else if (t->coeff == 1) {
        arc.ter = line;
        ++line->no_ter;
        arc.ter_next = line->ter_next;
        line->ter_next = &arc;
      } else {
        printf("\nSize of coeff in equ_iter %d is not 1 (%d)\n", r, t->coeff);
      }
    }
  };
  for (int k = 0; k < SQcell_size_allocate; ++k) {
    SQCELL_item& cell = SQcell[k];
    const int lower = 2 * k, upper = 2 * k + 1;
    const bool hasUpper = upper < totalVars;
    if (lower >= layoutVars) {
      cell.number = lower + 1;
      cell.alpha = 0;
      snprintf(cell.layername, sizeof cell.layername, "SYM");
      cell.layernumber = hasUpper ? 202 : 201;
    } else {
      fillLayoutCell(cell, k, eq[lower], hasUpper ? eq[upper] : nullptr);
    }
    cell.ontransistor = 0;
    cell.layernext = nullptr;
    cell.left = newLine(&cell, lower + 1, vertical ? cell.corner.y1 : cell.corner.x1);
    if (lower < totalVars) applyTerms(cell.left, lower);
    if (hasUpper) {
      cell.right = newLine(&cell, upper + 1, vertical ? cell.corner.y2 : cell.corner.x2);
      applyTerms(cell.right, upper);
    }
  }
  printf("  SQinit: upload equa_b done -> upload rhs_values\n");
  printf("    SQarc_size = %i, equal_arc_count = %i, sym_arc_count = %i\n", SQarc_size_allocate,
         equalities - symColumns, symColumns);

  // Right-hand sides.
  int reverse = rowSlots;
  for (const _rhs_item* r = rhs->head; r; r = r->next) {
    SQARC_item& arc = SQarc[r->column - base];
    const bool sym = symOf[static_cast<size_t>(r->column - base)] != nullptr;
    if (r->type == 'G') {
      arc.weight = r->value;
    } else if (r->type == 'E') {
      if (sym) continue;
      arc.weight = r->value;
      SQARC_item& back = SQarc[reverse];
      back.weight = -static_cast<long>(r->value);
      back.rank = reverse + base;  // the number after the largest row, and so on
      ++reverse;
      if (arc.ori && arc.ter) {
        back.ori = arc.ter;
        back.ori_next = arc.ter->ori_next;
        arc.ter->ori_next = &back;
        ++arc.ter->no_ori;
        back.ter = arc.ori;
        back.ter_next = arc.ori->ter_next;
        arc.ori->ter_next = &back;
        ++arc.ori->no_ter;
      }
    } else {
      printf("\nEquation in column %d is 'LESS THAN', gotta change the arc", r->column);
    }
  }
  printf("  SQinit: upload rhs_values done -> linked the SQarc list.  From this point on, SQarc will be linked list");

  // The global chain, in array order.
  SQarc_lastinstruct = SQarc_size_allocate > 0 ? &SQarc[SQarc_size_allocate - 1] : nullptr;
  SQarc_size = 0;
  for (int i = 0; i < SQarc_size_allocate; ++i) {
    SQARC_item& a = SQarc[i];
    a.list_next = i + 1 < SQarc_size_allocate ? &SQarc[i + 1] : nullptr;
    a.occupied = (a.sym || (a.ori && a.ter)) ? 1 : 0;
    SQarc_size += a.occupied;
  }

  long smallest = 500000, largest = -500000;
  for (int k = 0; k < SQcell_size_allocate; ++k) {
    if (SQcell[k].left && SQcell[k].left->loc < smallest) smallest = SQcell[k].left->loc;
    if (SQcell[k].right && SQcell[k].right->loc > largest) largest = SQcell[k].right->loc;
  }
  printf("  SQinit: SQ initialize done -> return to caller, original width = %li (%li-%li)\n", largest - smallest,
         largest, smallest);
  printf("  SQinit: create structure done -> return to caller\n");
  step = 2;
}

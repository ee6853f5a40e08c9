// Debugging dump of a graph: scale globals, cells with their lines and arcs,
// the arc chain, symmetry records, transistors and nets, then the totals.
// The file `file`.cell lists only the cells' rectangles.
#include <cstdio>
#include <string>

#include "common/scale.h"
#include "cs/cs.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "squeeze/sq_graph.h"
#include "techc/tech.h"

namespace {

void arcList(FILE* f, const char* tag, const SQARC_item* a, bool leaving) {
  fprintf(f, "      %s:", tag);
  for (; a; a = leaving ? a->ori_next : a->ter_next)
    fprintf(f, " %i(%li)%s%i", a->rank, a->weight, leaving ? ">" : "<",
            leaving ? (a->ter ? a->ter->number : 0) : (a->ori ? a->ori->number : 0));
  fputc('\n', f);
}

void lineEntry(FILE* f, const char* tag, const SQLINE_item* l) {
  if (!l) {
    fprintf(f, "    %s: none\n", tag);
    return;
  }
  fprintf(f, "    %s: l%i loc %li [%li,%li] ori %i ter %i sym %i bound %i\n", tag, l->number, l->loc, l->min_loc,
          l->max_loc, l->no_ori, l->no_ter, l->onsym, l->onbound);
  arcList(f, "out", l->ori_next, true);
  arcList(f, "in ", l->ter_next, false);
}

}  // namespace

void SQprint_datastructure(const char* file, SQCELL_item* cells, int ncells, SQARC_item* arcs, int narcs) {
  FILE* f = fopen(file, "w");
  FILE* fc = fopen((std::string(file) + ".cell").c_str(), "w");
  if (!f || !fc) {
    if (f) fclose(f);
    if (fc) fclose(fc);
    printf("SQprint_datastructure: can't open %s for writing\n", file);
    return;
  }
  static char buffer[1 << 20], cellBuffer[1 << 16];
  setvbuf(f, buffer, _IOFBF, sizeof buffer);
  setvbuf(fc, cellBuffer, _IOFBF, sizeof cellBuffer);
  fprintf(f, "SCALE = %li \t\ttheGlobalScale = %li \t\tENV_SCALE = %li\n", SCALE, theGlobalScale, ENV_SCALE);
  fprintf(f, "CIF_FACTOR = %f \tCIF_RATIO_A/B = (%li/%li)\n", CIF_FACTOR, CIF_RATIO_A, CIF_RATIO_B);
  fprintf(f, "LAMBDA_T1 = %f \tLAMBDA_T2 = %f\n", LAMBDA_T1, LAMBDA_T2);
  fprintf(f, "SQcell = %p (size %i), SQarc = %p (size %i)\n", static_cast<void*>(cells), ncells,
          static_cast<void*>(arcs), narcs);
  // Symmetry cells follow the layout cells of whichever graph this is.
  const bool current = cells == SQcell, lr = cells == SQcell_LR, tb = cells == SQcell_TB;
  const int all = ncells + (current ? SQsymcell_size : lr ? SQsymcell_size_LR : tb ? SQsymcell_size_TB : 0);
  const SQSYMARC_item* symList = current ? SQsymarc : lr ? SQsymarc_LR : tb ? SQsymarc_TB : nullptr;
  int lines = 0;
  for (int k = 0; k < all; ++k) {
    const SQCELL_item& c = cells[k];
    const SQbox& b = c.corner;
    fprintf(f, "cell %i #%i %s(%i) alpha %li box (%li %li %li %li)", k, c.number, c.layername, c.layernumber,
            c.alpha, b.x1, b.y1, b.x2, b.y2);
    fprintf(fc, "%i %s %li %li %li %li\n", c.number, c.layername, b.x1, b.y1, b.x2, b.y2);
    if (const _Dtile* t = c.mother_tile)
      fprintf(f, " tile (%i %i %li %li)", t->x1, t->y1, TileRight(t), TileTop(t));
    fputc('\n', f);
    lineEntry(f, "left ", c.left);
    lineEntry(f, "right", c.right);
    lines += (c.left != nullptr) + (c.right != nullptr);
  }
  int inForce = 0;
  fprintf(f, "\narcs\n");
  for (const SQARC_item* a = arcs; a; a = a->list_next) {
    if (!a->occupied) continue;
    if (!a->sym) ++inForce;
    fprintf(f, "a %i w %li %i->%i%s\n", a->rank, a->weight, a->ori ? a->ori->number : 0,
            a->ter ? a->ter->number : 0, a->sym ? " sym" : "");
  }
  fprintf(f, "\nsymmetry\n");
  for (const SQSYMARC_item* s = symList; s; s = s->next)
    fprintf(f, "s %i: %i + %i - %i - %i = 0\n", s->rank, s->ter1 ? s->ter1->number : 0,
            s->ter2 ? s->ter2->number : 0, s->ori1 ? s->ori1->number : 0, s->ori2 ? s->ori2->number : 0);
  fprintf(f, "\ntransistors\n");
  for (int e = 0; Transistors && e < DelementNum; ++e)
    for (const _Dtransistor* t = Transistors[e]; t; t = t->next)
      fprintf(f, "%s W/L %i/%i resized %i/%i\n", t->name, t->width, t->length, t->resize_width, t->resize_length);
  fprintf(f, "\nnets\n");
  for (const _Dnet* n = Nets; n; n = n->next) fprintf(f, "%s %li\n", n->name, n->node);
  fprintf(f, "\n*** TOTAL NUMBER OF LINES = %i  (incl symmetry edge)\n", lines);
  fprintf(f, "\n*** TOTAL NUMER OF ARCS = %i  (no symmetrical arcs counted)\n", inForce);
  fclose(f);
  fclose(fc);
}

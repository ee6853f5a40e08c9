// Debugging dump of a graph: scale globals, cells with their lines (each
// line's leaving and entering arcs by rank), the arcs in force, symmetry
// records, transistors and nets, then the totals. The file `file`.cell lists
// only the cells' rectangles. Dumps run ten times per compaction on graphs of
// millions of arcs, so numbers are formatted here and written in large blocks.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/scale.h"
#include "cs/cs.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "squeeze/sq_arc_lists.h"
#include "squeeze/sq_graph.h"
#include "techc/tech.h"

namespace {

class DumpWriter {
 public:
  explicit DumpWriter(FILE* f) : f_(f) {}
  ~DumpWriter() { flush(); }
  DumpWriter& operator<<(const char* s) {
    const size_t n = strlen(s);
    reserve(n);
    memcpy(buffer_ + used_, s, n);
    used_ += n;
    return *this;
  }
  DumpWriter& operator<<(long v) { return number(v); }
  // Most numbers (ranks, line numbers) are ints: their digits come cheaper in 32 bits.
  DumpWriter& operator<<(int v) { return number(v); }
  DumpWriter& operator<<(char c) {
    reserve(1);
    buffer_[used_++] = c;
    return *this;
  }
  void flush() {
    if (used_) fwrite(buffer_, 1, used_, f_);
    used_ = 0;
  }

 private:
  template <class Integer>
  DumpWriter& number(Integer v) {
    reserve(24);
    used_ = static_cast<size_t>(std::to_chars(buffer_ + used_, buffer_ + sizeof buffer_, v).ptr - buffer_);
    return *this;
  }
  void reserve(size_t n) {
    if (used_ + n > sizeof buffer_) flush();
  }
  FILE* f_;
  size_t used_ = 0;
  char buffer_[1 << 16];
};

int lineNumber(const SQLINE_item* l) { return l ? l->number : 0; }

void lineEntry(DumpWriter& out, const char* tag, const SQLINE_item* l, const SQarcLists& lists) {
  if (!l) {
    out << "    " << tag << ": none\n";
    return;
  }
  out << "    " << tag << ": l" << l->number << " loc " << l->loc << " [" << l->min_loc << ',' << l->max_loc
      << "] ori " << l->no_ori << " ter " << l->no_ter << " sym " << l->onsym << " bound " << l->onbound << "\n      out:";
  // By rank only: the list of arcs below names each one's lines.
  lists.forEach(l->BMindex, false, [&](const SQarcLists::Slot& s) { out << ' ' << s.rank; });
  out << "\n      in :";
  lists.forEach(l->BMindex, true, [&](const SQarcLists::Slot& s) { out << ' ' << s.rank; });
  out << '\n';
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
  fprintf(f, "SCALE = %li \t\ttheGlobalScale = %li \t\tENV_SCALE = %li\n", SCALE, theGlobalScale, ENV_SCALE);
  fprintf(f, "CIF_FACTOR = %f \tCIF_RATIO_A/B = (%li/%li)\n", CIF_FACTOR, CIF_RATIO_A, CIF_RATIO_B);
  fprintf(f, "LAMBDA_T1 = %f \tLAMBDA_T2 = %f\n", LAMBDA_T1, LAMBDA_T2);
  fprintf(f, "SQcell = %p (size %i), SQarc = %p (size %i)\n", static_cast<void*>(cells), ncells,
          static_cast<void*>(arcs), narcs);
  // Symmetry cells follow the layout cells of whichever graph this is.
  const bool current = cells == SQcell, lr = cells == SQcell_LR, tb = cells == SQcell_TB;
  const int all = ncells + (current ? SQsymcell_size : lr ? SQsymcell_size_LR : tb ? SQsymcell_size_TB : 0);
  const SQSYMARC_item* symList = current ? SQsymarc : lr ? SQsymarc_LR : tb ? SQsymarc_TB : nullptr;
  int lines = 0, inForce = 0;
  const SQarcLists& lists = SQreadArcLists(cells, all, arcs);
  {
    DumpWriter out(f), cellOut(fc);
    for (int k = 0; k < all; ++k) {
      const SQCELL_item& c = cells[k];
      const SQbox& b = c.corner;
      out << "cell " << k << " #" << c.number << ' ' << c.layername << '(' << c.layernumber << ") alpha " << c.alpha
          << " box (" << b.x1 << ' ' << b.y1 << ' ' << b.x2 << ' ' << b.y2 << ')';
      cellOut << c.number << ' ' << c.layername << ' ' << b.x1 << ' ' << b.y1 << ' ' << b.x2 << ' ' << b.y2 << '\n';
      if (const _Dtile* t = c.mother_tile)
        out << " tile (" << t->x1 << ' ' << t->y1 << ' ' << TileRight(t) << ' ' << TileTop(t) << ')';
      out << '\n';
      lineEntry(out, "left ", c.left, lists);
      lineEntry(out, "right", c.right, lists);
      lines += (c.left != nullptr) + (c.right != nullptr);
    }
    out << "\narcs\n";
    for (const SQARC_item* a = arcs; a; a = a->list_next) {
      if (!a->occupied) continue;
      if (!a->sym) ++inForce;
      out << "a " << a->rank << " w " << a->weight << ' ' << lineNumber(a->ori) << "->" << lineNumber(a->ter)
          << (a->sym ? " sym\n" : "\n");
    }
    out << "\nsymmetry\n";
    for (const SQSYMARC_item* s = symList; s; s = s->next)
      out << "s " << s->rank << ": " << lineNumber(s->ter1) << " + " << lineNumber(s->ter2) << " - "
          << lineNumber(s->ori1) << " - " << lineNumber(s->ori2) << " = 0\n";
    out << "\ntransistors\n";
    for (int e = 0; Transistors && e < DelementNum; ++e)
      for (const _Dtransistor* t = Transistors[e]; t; t = t->next)
        out << t->name << " W/L " << t->width << '/' << t->length << " resized " << t->resize_width << '/'
            << t->resize_length << '\n';
    out << "\nnets\n";
    for (const _Dnet* n = Nets; n; n = n->next) out << n->name << ' ' << n->node << '\n';
  }
  fprintf(f, "\n*** TOTAL NUMBER OF LINES = %i  (incl symmetry edge)\n", lines);
  fprintf(f, "\n*** TOTAL NUMER OF ARCS = %i  (no symmetrical arcs counted)\n", inForce);
  fclose(f);
  fclose(fc);
}

// sq_out.cif and its annotated twin sq_out.comment. Both are written under
// temporary names, the device stages append to those, and only the finished
// files are renamed into place, so an interrupted run never leaves a
// truncated sq_out.cif behind.
#include <cstdio>
#include <initializer_list>
#include <cstdlib>
#include <cstring>

#include "common/scale.h"
#include "compact/process_options.h"
#include "common/run_program.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_hooks.h"
#include "squeeze/sq_output.h"

int CIF_SCALE = 2;

namespace {

constexpr int kLayers = 32;
constexpr const char* kCif = "sq_out.cif";
constexpr const char* kComment = "sq_out.comment";
constexpr const char* kCifPart = "sq_out.cif.partial";
constexpr const char* kCommentPart = "sq_out.comment.partial";

FILE* openOrDie(const char* path, const char* mode, const char* shownName, const char* purpose) {
  FILE* f = fopen(path, mode);
  if (!f) {
    printf("\n Can't open file %s for %s\n", shownName, purpose);
    exit(0);
  }
  return f;
}

void closeOrDie(FILE* f, const char* shownName) {
  if (fclose(f) != 0) {
    printf("\n Can't open file %s for writing\n", shownName);
    exit(0);
  }
}

}  // namespace

long SQcifValue(float value) {
  return static_cast<long>(static_cast<double>(value) * LAMBDA_T2 / CIF_FACTOR / static_cast<double>(SCALE) *
                           static_cast<double>(CIF_RATIO_B) / static_cast<double>(CIF_RATIO_A));
}

void SQcif(SQCELL_item* cells, int n) {
  printf("SQterm: cif data start -> create layer linked list\n");
  SQLAYERCELL_item heads[kLayers] = {};
  for (int k = 0; k < n; ++k) {
    SQCELL_item& c = cells[k];
    if (c.layernumber < 0 || c.layernumber >= kLayers) continue;  // no such layer in the table
    SQLAYERCELL_item& h = heads[c.layernumber];
    snprintf(h.layername, sizeof h.layername, "%s", c.layername);
    c.layernext = h.layernext;
    h.layernext = &c;
  }
  printf("SQterm: linked list done -> print cif file out\n");

  FILE* cif = openOrDie(kCifPart, "w", kCif, "writing");
  FILE* comment = openOrDie(kCommentPart, "w", kComment, "writing");
  for (FILE* f : {cif, comment}) {
    fprintf(f, "( Output CIF file from squeeze );\n");
    fprintf(f, "( Create by function SQcif: Osk Verrant );\n");
  }
  fprintf(comment, "\n      WIDTH  LENGTH XCENT  YCENT   \t(X1     X2     Y1     Y2    )\n\n");
  long power = 1;
  while (LAMBDA_T2 * static_cast<double>(power) < 1.0 && power < 1000000000L) power *= 10;
  CIF_RATIO_A = 1;
  CIF_RATIO_B = power * CIF_SCALE / 10;
  for (FILE* f : {cif, comment}) {
    fprintf(f, "DS 1 %ld %ld;\n", CIF_RATIO_A, CIF_RATIO_B);
    fprintf(f, "9 __OUT__;\n");
  }
  for (int layer = 0; layer < kLayers; ++layer) {
    const SQLAYERCELL_item& h = heads[layer];
    if (!h.layernext || strcmp(h.layername, "XYZ") == 0) continue;
    if (VIA_CONTACT_REMOVAL > 0 && SQhooks.isViaLayer && SQhooks.isViaLayer(h.layername)) continue;
    for (FILE* f : {cif, comment}) fprintf(f, "L %s;\n", h.layername);
    for (const SQCELL_item* c = h.layernext; c; c = c->layernext) {
      const SQbox& b = c->corner;
      const long width = SQcifValue(static_cast<float>(b.x2 - b.x1));
      const long length = SQcifValue(static_cast<float>(b.y2 - b.y1));
      const long xc = SQcifValue(static_cast<float>(b.x1 + b.x2) / 2.0f);
      const long yc = SQcifValue(static_cast<float>(b.y1 + b.y2) / 2.0f);
      const bool empty = width == 0 || length == 0;
      if (!empty) fprintf(cif, "    B %ld %ld %ld %ld;\n", width, length, xc, yc);
      fprintf(comment, "%s B %-6ld %-6ld %-6ld %-6ld; \t%-3i\t(%-6ld %-6ld %-6ld %-6ld);\n", empty ? "  *" : "   ",
              width, length, xc, yc, c->number, b.x1, b.x2, b.y1, b.y2);
    }
  }
  closeOrDie(cif, kCif);
  closeOrDie(comment, kComment);

  // Regenerated devices append their geometry, in this order.
  if (PROCESS_INCLUDE_RESIZING > 0) {
    printf("going to USinsertcontact !!!!!!!\n");
    if (SQhooks.insertContacts) SQhooks.insertContacts(kCifPart, kCommentPart);
  }
  if (PROCESS_INCLUDE_INDUCTOR != 0) {
    printf("going to LXinsertInductor !!!!!!!\n");
    if (SQhooks.insertInductors) SQhooks.insertInductors(kCifPart, kCommentPart);
  }
  if (VIA_CONTACT_REMOVAL > 0) {
    printf("going to VAcif !!!!!!!\n");
    if (SQhooks.viaCif) SQhooks.viaCif(kCifPart, kCommentPart);
  }

  cif = openOrDie(kCifPart, "a", kCif, "appending");
  comment = openOrDie(kCommentPart, "a", kComment, "appending");
  for (FILE* f : {cif, comment}) fprintf(f, "DF;\nC 1;\nEnd\n");
  closeOrDie(cif, kCif);
  closeOrDie(comment, kComment);
  if (rename(kCifPart, kCif) != 0 || rename(kCommentPart, kComment) != 0) {
    printf("\n Can't open file %s for writing\n", kCif);
    exit(0);
  }
  const char* copy[] = {"cp", kCif, "resize_report/sq_out.cif", nullptr};
  GCrunProgram(copy);
  const char* move[] = {"mv", kComment, "resize_report/sq_out.comment", nullptr};
  GCrunProgram(move);
  printf("SQterm: cif file done -> return to caller\n");
}

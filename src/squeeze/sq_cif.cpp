// sq_out.cif and its annotated twin sq_out.comment. Both are written as
// output files that appear only when complete; the device stages append to
// their unfinished files by name before they are put in place, so an
// interrupted run never leaves a truncated sq_out.cif behind.
#include <cstdio>
#include <initializer_list>
#include <cstdlib>
#include <cstring>

#include "common/output_file.h"
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

// Both output files; a failure drops both unfinished files and ends the
// process with the message the file's name and purpose make.
struct SQoutputPair {
  GCoutputFile cif{kCif};
  GCoutputFile comment{kComment};

  [[noreturn]] void fail(const GCoutputFile& file, const char* purpose) {
    printf("\n Can't open file %s for %s\n", file.path(), purpose);
    cif.discard();
    comment.discard();
    exit(0);
  }
  // Runs `step` on both files; the first that fails ends the run.
  template <class Step>
  void both(Step step, const char* purpose) {
    for (GCoutputFile* f : {&cif, &comment})
      if (!step(*f)) fail(*f, purpose);
  }
};

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

  SQoutputPair out;
  out.both([](GCoutputFile& f) { return f.stream() != nullptr; }, "writing");
  FILE* cif = out.cif.stream();
  FILE* comment = out.comment.stream();
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
  out.both([](GCoutputFile& f) { return f.suspend(); }, "writing");

  // Regenerated devices append their geometry, in this order.
  if (PROCESS_INCLUDE_RESIZING > 0) {
    printf("going to USinsertcontact !!!!!!!\n");
    if (SQhooks.insertContacts) SQhooks.insertContacts(out.cif.temporaryPath(), out.comment.temporaryPath());
  }
  if (PROCESS_INCLUDE_INDUCTOR != 0) {
    printf("going to LXinsertInductor !!!!!!!\n");
    if (SQhooks.insertInductors) SQhooks.insertInductors(out.cif.temporaryPath(), out.comment.temporaryPath());
  }
  if (VIA_CONTACT_REMOVAL > 0) {
    printf("going to VAcif !!!!!!!\n");
    if (SQhooks.viaCif) SQhooks.viaCif(out.cif.temporaryPath(), out.comment.temporaryPath());
  }

  out.both([](GCoutputFile& f) { return f.resume() != nullptr; }, "appending");
  for (GCoutputFile* f : {&out.cif, &out.comment}) fprintf(f->stream(), "DF;\nC 1;\nEnd\n");
  out.both([](GCoutputFile& f) { return f.finish(); }, "writing");
  const char* copy[] = {"cp", kCif, "resize_report/sq_out.cif", nullptr};
  GCrunProgram(copy);
  const char* move[] = {"mv", kComment, "resize_report/sq_out.comment", nullptr};
  GCrunProgram(move);
  printf("SQterm: cif file done -> return to caller\n");
}

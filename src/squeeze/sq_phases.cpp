// Phase drivers: every phase switches its direction's graph in, works on it,
// dumps it into resize_report/ and parks it again.
#include "squeeze/sq_phases.h"

#include <cstdio>

#include "common/scale.h"
#include "compact/process_options.h"
#include "common/run_program.h"
#include "squeeze/sq_figures.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_hooks.h"
#include "squeeze/sq_core_lp.h"
#include "squeeze/sq_longest_path.h"
#include "squeeze/sq_output.h"

namespace {

void ampersandLine() {
  printf("\nSQ:");
  for (int i = 0; i < 55; ++i) putchar('&');
}

void switchIn(int dir) { SQswitch_direction(dir == TOP_BOTTOM ? 2 : 1, 1); }
void switchOut(int dir) { SQswitch_direction(dir == TOP_BOTTOM ? 1 : 2, 0); }

// Dumps of a direction's graph, current or parked: "resize_report/sq_lr01.dat" and the like.
void dumpNumbered(int dir, const char* suffix) {
  char file[64];
  snprintf(file, sizeof file, "resize_report/sq_%s%s.dat", dir == TOP_BOTTOM ? "tb" : "lr", suffix);
  SQCELL_item* parked = dir == TOP_BOTTOM ? SQcell_TB : SQcell_LR;
  if (SQcell && SQcell == parked)
    SQprint_datastructure(file, SQcell, SQcell_size, SQarc, SQarc_size);
  else if (dir == TOP_BOTTOM)
    SQprint_datastructure(file, SQcell_TB, SQcell_size_TB, SQarc_TB, SQarc_size_TB);
  else
    SQprint_datastructure(file, SQcell_LR, SQcell_size_LR, SQarc_LR, SQarc_size_LR);
}

const char* directionWord(int dir) { return dir == TOP_BOTTOM ? "topbottom" : "leftright"; }
const char* directionName(int dir) { return dir == TOP_BOTTOM ? "TOP_BOTTOM" : "LEFT_RIGHT"; }

}  // namespace

void SQmain_graph(_adjacency_list** eq, _rhs_list* rhs, int dir) {
  if (dir == LEFT_RIGHT) {
    resize_direction = NO_DIR;
    SQclear_variable();
    printf("\nSQ: SQmain_init beginning start\n");
    if (PROCESS_INCLUDE_RESIZING > 0 && SQhooks.contactConstraints) SQhooks.contactConstraints();
  }
  resize_direction = dir;
  ampersandLine();
  printf("\nSQ: SQmain_init %s start\n", directionWord(dir));
  const double began = SQcpuSeconds();
  switchIn(dir);
  SQinit(eq, rhs);
  SQdirectionFigures& figures = SQfigures[dir == TOP_BOTTOM ? 2 : 1];
  figures = SQdirectionFigures();
  figures.graphBytes = static_cast<long>(sizeof(SQCELL_item)) * SQcell_size_allocate +
                       static_cast<long>(sizeof(SQLINE_item)) * 2 * SQcell_size_allocate +
                       static_cast<long>(sizeof(SQARC_item)) * SQarc_size_allocate;
  switchOut(dir);
  figures.buildSeconds = SQcpuSeconds() - began;
  dumpNumbered(dir, "01");
  if (PROCESS_INCLUDE_RESIZING > 0) {
    switchIn(dir);
    if (SQhooks.activeContact) SQhooks.activeContact(resize_direction);
    switchOut(dir);
    dumpNumbered(dir, "02");
  }
  if (VIA_CONTACT_REMOVAL > 0) {
    switchIn(dir);
    if (SQhooks.viaConstraints) SQhooks.viaConstraints(dir);
    switchOut(dir);
    dumpNumbered(dir, "temp");
    const char* tb = dir == TOP_BOTTOM ? "tb" : "lr";
    char done[64], temp[64];
    snprintf(done, sizeof done, "resize_report/sq_%s02.dat", tb);
    snprintf(temp, sizeof temp, "resize_report/sq_%stemp.dat", tb);
    remove(done);
    const char* move[] = {"mv", temp, done, nullptr};
    GCrunProgram(move);
  }
}

void SQmain_resize(_adjacency_list** /*eq*/, _rhs_list* /*rhs*/, int dir) {
  ampersandLine();
  printf("\nSQ: SQmain_resize %s start\n", directionWord(dir));
  resize_direction = dir;
  switchIn(dir);
  const SQdeviceHooks& h = SQhooks;
  if (PROCESS_INCLUDE_INDUCTOR != 0) {
    if (dir == LEFT_RIGHT && h.inductorGen) h.inductorGen();
    if (h.inductorConstraints) h.inductorConstraints(dir);
  }
  if (PROCESS_INCLUDE_PASSIVE != 0) {
    if (dir == LEFT_RIGHT && h.capacitorGen) h.capacitorGen();
    if (h.capacitorConstraints) h.capacitorConstraints(dir);
    if (dir == LEFT_RIGHT && h.resistorGen) h.resistorGen();
    if (h.resistorConstraints) h.resistorConstraints(dir);
  }
  if (PROCESS_INCLUDE_RESIZING > 0) {
    if (h.updateParameters) h.updateParameters();
    if (h.resizeTransistors) h.resizeTransistors();
  }
  if (PROCESS_INCLUDE_TRANSISTOR_PARASITIC == 1) {
    printf("\n");
    for (int i = 0; i < 3; ++i)
      printf("SQmain: Process include transistor parasitic should read parameter value from array, but NOT YET CODED\n");
    printf("\n");
  } else if (PROCESS_INCLUDE_TRANSISTOR_PARASITIC == 2 && h.transistorParasitics) {
    h.transistorParasitics(resize_direction);
  }
  dumpNumbered(dir, "03");
  switchOut(dir);
  printf("\nSQ: Resize value of %s direction done.", directionName(dir));
}

void SQmain_solve(_adjacency_list** /*eq*/, _rhs_list* /*rhs*/, int dir) {
  ampersandLine();
  printf("\nSQ: SQmain_solve %s start\n", directionWord(dir));
  resize_direction = dir;
  const double began = SQcpuSeconds();
  SQdirectionFigures& figures = SQfigures[dir == TOP_BOTTOM ? 2 : 1];
  figures.waves = 0;
  figures.relaxations = 0;
  switchIn(dir);
  SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 1);
  if (PROCESS_INCLUDE_SYMMETRY == 1 && SQsymarc) SQcoreproblem();
  dumpNumbered(dir, "04");
  SQbf_clear_redundantarc(SQcell, SQarc, SQcell_size, SQarc_size);
  const long width = SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 2);
  SQupdatecell(resize_direction);
  dumpNumbered(dir, "05");
  SQclear(dir);
  switchOut(dir);
  figures.solveSeconds = SQcpuSeconds() - began;
  printf("\nSQ: Compaction %s direction done and updated.  Boundary width = %li\n", directionName(dir),
         SCALE ? width / SCALE : width);
}

void SQmain_output(int dir) {
  if (dir != TOP_BOTTOM) return;
  ampersandLine();
  printf("\nSQ: SQmain_output start\n");
  SQswitch_direction(3, 2);
  SQsynccell(SQcell_LR, SQcell_size_LR, SQcell_TB, SQcell_size_TB);
  SQrepositioncell(SQcell_LR, SQcell_size_LR);
  SQcif(SQcell_LR, SQcell_size_LR);
  if (SQhooks.deleteContactList) SQhooks.deleteContactList();
  SQclearcell(SQcell_LR, SQcell_TB);
  printf("\nSQ: All SQ done: return to caller function\n");
}

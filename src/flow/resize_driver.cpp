#include "flow/resize_driver.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cifc/cif.h"
#include "common/message.h"
#include "common/output_file.h"
#include "common/reply_queue.h"
#include "common/run_program.h"
#include "compact/lp_backend.h"
#include "compact/process_options.h"
#include "compact/resize_times.h"
#include "compact/resizer_stores.h"
#include "compact/symmetry_detect.h"
#include "compact/symmetry_lists.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "techc/tech.h"
#include "squeeze/sq_resize.h"
#include "updatesize/active_contact_rules.h"

namespace {

// Stages of later modules, null until they are part of the build. A run
// whose options need a null stage stops before anything is written, with
// one message.
struct LaterStages {
  void (*inductorRemoval)();   // LXindRemoval: blocks over the recognised inductors
  void (*capacitorRemoval)();  // CXcapRemoval: blocks over the recognised capacitors
  bool (*graphBackEnd)(sweep_list&, _adjacency_list**&, sweep_list&, _adjacency_list**&, int);  // SQ_resize
};
constexpr LaterStages later{nullptr, nullptr, SQ_resize};

void stamp(const char* text) {
  printf("%s", text);
  GCrunDate();
  printf("\n");
}

void markedDate(const char* text) {
  printf("%s", text);
  GCrunDate();
  printf("\n***\n");
}

// Whether a solid tile of a plane named in `defs` is part of a recognised
// passive device: only then has a removal stage something to take out.
bool holdsDevices(const _DpassiveDef* defs, int count) {
  for (int k = 0; k < DlayerNum; ++k) {
    _DlayerTile& plane = DlayerTile[k];
    if (!plane.layertile) continue;
    bool listed = false;
    for (int d = 0; d < count && !listed; ++d)
      for (int j = 0; j < defs[d].layerNum && !listed; ++j) listed = std::string(defs[d].layers[j]) == plane.name;
    if (!listed) continue;
    _Dtile* saved = Stitch;
    Stitch = plane.layertile;
    _Dtilelist* tiles = nullptr;
    AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &tiles, 0);
    Stitch = saved;
    bool found = false;
    for (_Dtilelist* c = tiles; c && !found; c = c->next) found = TisSolid(c->tile) && c->tile->passiveDev;
    FreeList(tiles);
    if (found) return true;
  }
  return false;
}

bool holdsSolidTiles() {
  for (int k = 0; k < DlayerNum; ++k)
    if (DlayerTile[k].layertile) return true;
  return false;
}

// The removal stages this run needs that the build does not have: reported
// once, and the run stops.
bool removalStagesPresent() {
  if (PROCESS_INCLUDE_INDUCTOR == 1 && !later.inductorRemoval && holdsDevices(LXindDefinition, LXindDefNum)) {
    GCmessage(GC_MOD_COMMON, 'E', "Resize stopped: inductor removal is not in this build yet (set option PROCESS_INCLUDE_INDUCTOR 0)");
    return false;
  }
  if (PROCESS_INCLUDE_PASSIVE == 1 && !later.capacitorRemoval && holdsDevices(CXcapDefinition, CXcapDefNum)) {
    GCmessage(GC_MOD_COMMON, 'E', "Resize stopped: capacitor removal is not in this build yet (set option PROCESS_INCLUDE_PASSIVE 0)");
    return false;
  }
  return true;
}

bool backEndPresent() {
  // Stages of the graph back end the options ask for (symmetry rows are only
  // known after the sweeps; SQ_resize checks those itself).
  return COMPACT_ALGORITHM == 0 || SQstagesPresent(false);
}

void writeTransistorCheck() {
  const bool written = GCwriteOutputFile("tran_check", [](FILE* f) {
    for (int e = 0; e < DelementNum && Transistors; ++e)
      for (_Dtransistor* t = Transistors[e]; t; t = t->next)
        if (t->Tgate)
          fprintf(f, "%s %i %i %i %i\n", t->name, static_cast<int>(t->Tgate->x1), static_cast<int>(t->Tgate->y1),
                  static_cast<int>(TileRight(t->Tgate)), static_cast<int>(TileTop(t->Tgate)));
    return true;
  });
  if (!written) GCmessage(GC_MOD_COMMON, 'E', "Can't write tran_check");
}

void applyChoice(char first, char second) {
  switch (first) {
    case '1': COMPACT_ALGORITHM = 0; break;
    case '2': COMPACT_ALGORITHM = 1, PROCESS_INCLUDE_SYMMETRY = 0, PROCESS_INCLUDE_RESIZING = 0; break;
    case '3': COMPACT_ALGORITHM = 1, PROCESS_INCLUDE_SYMMETRY = 1, PROCESS_INCLUDE_RESIZING = 0; break;
    case '4': COMPACT_ALGORITHM = 1, PROCESS_INCLUDE_SYMMETRY = 0, PROCESS_INCLUDE_RESIZING = 2; break;
    case '5': COMPACT_ALGORITHM = 1, PROCESS_INCLUDE_SYMMETRY = 0, PROCESS_INCLUDE_RESIZING = 1; break;
    case '6': COMPACT_ALGORITHM = 1, PROCESS_INCLUDE_SYMMETRY = 1; break;
    default: break;
  }
  if (first != '6') return;
  static const int resizing[7] = {2, 1, 3, 5, 3, 4, 5};
  static const int parasitic[7] = {0, 0, 0, 0, 2, 1, 0};
  PROCESS_INCLUDE_RESIZING = resizing[second - '0'];
  PROCESS_INCLUDE_TRANSISTOR_PARASITIC = parasitic[second - '0'];
}

// The process choice: forced by PROCESS_OPTION 0 / 1, else typed (`typed`,
// or the replies / standard input), asked again until valid. False when
// standard input ends before a valid choice.
bool chooseProcess(const char* typed) {
  if (!typed && (PROCESS_OPTION == 0 || PROCESS_OPTION == 1)) {
    applyChoice('6', PROCESS_OPTION == 0 ? '0' : '3');
    return true;
  }
  for (;;) {
    printf("\nProcess choice? (00:default 10:LP 20:G 30:G+S 40:G+R(scale) 50:G+R(new) 6x:G+R+S(look further))");
    printf("\nProcess choice? (60:T(resize_scale) 61:T(user) 62:T(array) 63:T(file) 64:T(array)+E(array) 65:T(file)+E(file) 66:T(dbg) ");
    std::string reply;
    if (typed) {
      reply = typed;
      typed = nullptr;
    } else if (!GCnextReply(&reply)) {
      printf("\n");
      GCmessage(GC_MOD_COMMON, 'E', "Resize stopped: no process choice on standard input");
      return false;
    }
    reply += '\n';  // the two characters read include the line's end
    if (RSvalidChoice(reply[0], reply[1])) {
      applyChoice(reply[0], reply[1]);
      return true;
    }
  }
}

// The variables from the planes and the symmetry of the layout.
void variablesAndSymmetry() {
  init_staff();
  stamp("\n^^^ init_staff is done (in resizing+symm), going to call scan_toget_variables at\n     ");
  markedDate("\n***\nstart = \n");
  scan_toget_variables();
  stamp("\n^^^ scan_togetvariables is done (in resizing+symm), going to call symmetry at\n     ");

  if (PROCESS_INCLUDE_SYMMETRY == 2) Bound_Box = 0;
  if (PROCESS_INCLUDE_SYMMETRY == 1) Bound_Box = 1;
  if (Bound_Box) {
    printf("Symmetry is detected by BoundBox or Textual function earlier by user.\n");
  } else {
    if (TEST_SYMMETRY_ONLY == 1) writeTransistorCheck();
    symmetry_detection_for_resizing();
    convert_sym_datastructure();
    markedDate("\n***\nstop = \n");
    PrintSymList();
    printf("Symmetry is detected by original function\n");
  }
  stamp("\n^^^ Symmetry detection is done (in resizing+symm) at\n     ");
}

// The graph back end, with the far spacing rows left out on large layouts
// (option SWEEP_FAR_ROWS), and again from the variables with every row when
// its result still breaks some after the rounds of adding them.
bool graphBackEnd() {
  SWleaveFarRows = SWEEP_FAR_ROWS == 2 || (SWEEP_FAR_ROWS == 1 && num_of_var / 2 >= SW_FAR_ROW_TILES);
  if (later.graphBackEnd(scan_queue, equat_bucket, scan_queue_y, equat_bucket_y, 1)) return true;
  if (!SQfarRowsFailed()) return false;
  variablesAndSymmetry();
  SWleaveFarRows = 0;
  return later.graphBackEnd(scan_queue, equat_bucket, scan_queue_y, equat_bucket_y, 1);
}

void run(const char* typed) {
  printf("\n\nRunning the resizer\n");
  printf("==============================\n");
  if (AC_initial_halfscale_error >= 1) {
    printf("Potential problem: Input box scale is not in half_scale unit.  Check error message above\n");
    fflush(stdout);
    exit(1);
  }
  if (!holdsSolidTiles()) {
    GCmessage(GC_MOD_COMMON, 'W', "Resize stopped: no layout loaded");
    return;
  }
  if (!removalStagesPresent()) return;
  // A forced or typed choice is known now: a missing back end stops the run
  // before it changes anything. A choice asked for is checked when answered.
  const bool forced = !typed && (PROCESS_OPTION == 0 || PROCESS_OPTION == 1);
  const bool given = typed && RSvalidChoice(typed[0], typed[0] ? typed[1] : '\n');
  if (given || forced) {
    // The choice is tried on the options and taken back: it is made at the prompt.
    const int saved[4] = {COMPACT_ALGORITHM, PROCESS_INCLUDE_SYMMETRY, PROCESS_INCLUDE_RESIZING,
                          PROCESS_INCLUDE_TRANSISTOR_PARASITIC};
    if (given)
      applyChoice(typed[0], typed[1]);
    else
      applyChoice('6', PROCESS_OPTION == 0 ? '0' : '3');
    const bool present = backEndPresent();
    COMPACT_ALGORITHM = saved[0], PROCESS_INCLUDE_SYMMETRY = saved[1], PROCESS_INCLUDE_RESIZING = saved[2];
    PROCESS_INCLUDE_TRANSISTOR_PARASITIC = saved[3];
    if (!present) return;
  }

  if (PROCESS_INCLUDE_RESIZING > 0) USdesignruleactivecontact();
  if (PROCESS_INCLUDE_INDUCTOR == 1) {
    if (later.inductorRemoval) later.inductorRemoval();
    stamp("\n^^^ LXindRemoval is done (in resizing+symm) at\n     ");
  }
  if (PROCESS_INCLUDE_PASSIVE == 1) {
    if (later.capacitorRemoval) later.capacitorRemoval();
    stamp("\n^^^ CXcapRemoval is done (in resizing+symm) at\n     ");
  }
  variablesAndSymmetry();
  if (TEST_SYMMETRY_ONLY == 1) {
    printf("Program exit due to TEST_SYMMETRY_ONLY == 1.\nCheck file sym.report.\n");
    fflush(stdout);
    exit(0);
  }

  if (!chooseProcess(typed) || !backEndPresent()) return;
  if (TIME_REPORT) RSsampleTimes(&RES_START_u, &RES_START_s);
  if (COMPACT_ALGORITHM) {
    printf("\nStarting resizing... (Graph)\n");
    if (!graphBackEnd()) return;
  } else {
    printf("\nStarting resizing... (LP)\n");
    X_direction = 1;
    if (!D_resize(scan_queue, equat_bucket)) return;
    X_direction = 0;
    printf("\nStarting resizing in the y-direction... (LP)\n");
    if (!D_resize(scan_queue_y, equat_bucket_y)) return;
    if (!generate_result(equat_bucket, equat_bucket_y)) return;
  }
  printf("\nCompleted resizing!\n");
  if (COMPACT_ALGORITHM == 1) printf("\nCheck the output file at sq_out.cif\n");
  if (TIME_REPORT) {
    RSsampleTimes(&RES_STOP_u, &RES_STOP_s);
    if (!RSwriteTimeReport()) GCmessage(GC_MOD_COMMON, 'E', "Can't write time_rpt.txt");
  }
  fflush(stdout);
}

}  // namespace

bool RSvalidChoice(char first, char second) {
  if (first < '0' || first > '6') return false;
  return first != '6' || (second >= '0' && second <= '6');
}

void resize() { run(nullptr); }

void RSresizeWithChoice(const char* choice) { run(choice); }

int new_resize() {
  PROCESS_OPTION = 1;
  resize();
  return 1;
}

int new_resize60() {
  PROCESS_OPTION = 0;
  resize();
  return 1;
}

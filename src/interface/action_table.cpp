#include "interface/action_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/dump.h"
#include "common/flatten.h"
#include "common/layout.h"
#include "common/message.h"
#include "common/run_program.h"
#include "cs/cs.h"
#include "cs/navigate.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "faultex/open_faults.h"
#include "flow/resize_driver.h"
#include "faultex/short_faults.h"
#include "interface/file_commands.h"
#include "interface/forms.h"
#include "interface/switch_commands.h"
#include "callback/pane_commands.h"
#include "callback/symmetry_input.h"
#include "event/recording.h"
#include "view/view.h"
#include "yield/critical_area.h"
#include "yield/plot_commands.h"
#include "yield/sensitivity_sweep.h"

// One row per action name; the order matters (the first row of a name wins). A row whose
// command is not written yet is bound to NullAction; the comment names the
// handler and kind it takes when it is.
const _Actionindex DactionIndex[DI_ACTION_COUNT] = {
    {"f.new", nullptr, nullptr, NullAction},
    {"f.open", nullptr, nullptr, NullAction},
    {"f.hello", nullptr, nullptr, NullAction},
    {"f.exit", nullptr, nullptr, DIexit},
    {"f.editor", nullptr, nullptr, DIeditor},
    {"f.new", nullptr, nullptr, NullAction},
    {"f.DIrdLayout", DIrdLayout, nullptr, nullptr},
    {"f.DIldLayout", DIldLayout, nullptr, nullptr},
    {"f.DIplayback", nullptr, nullptr, DIplayback},
    {"f.DVredraw", DVredraw, nullptr, nullptr},
    {"f.DVfit", nullptr, nullptr, DVfit},
    {"f.DVzoomin", nullptr, nullptr, DVzoomin},
    {"f.DVzoomout", nullptr, nullptr, DVzoomout},
    {"f.DVpan", nullptr, nullptr, DVpan},
    {"f.GCsmash", nullptr, nullptr, GCsmash},
    {"f.DCcrtCS", nullptr, nullptr, DCcrtCS},
    {"f.GCflatten", nullptr, nullptr, GCflatten},
    {"f.GCunflatten", nullptr, nullptr, GCunflatten},
    {"f.DIcloseMess", DIcloseMess, nullptr, nullptr},
    {"f.DIcloseComm", DIcloseComm, nullptr, nullptr},
    {"f.DIclosePane", DIclosePane, nullptr, nullptr},
    {"f.DIopenMess", DIopenMess, nullptr, nullptr},
    {"f.DIopenComm", DIopenComm, nullptr, nullptr},
    {"f.DIopenPane", DIopenPane, nullptr, nullptr},
    {"f.DIldTech", DIldTech, nullptr, nullptr},
    {"f.DVsuper", nullptr, nullptr, DVsuper},
    {"f.BoundBox", nullptr, nullptr, BoundBox},
    {"f.DIldSym", DIldSym, nullptr, nullptr},
    {"f.DirectSymDetection", nullptr, nullptr, NullAction},  // DirectSymDetection (action2)
    {"f.HierarchicalSymDetection", nullptr, nullptr, NullAction},  // HierarchicalSymDetection (action2)
    {"f.DIldDesRule", DIldDesRule, nullptr, nullptr},
    {"f.new_resize", nullptr, nullptr, new_resize},
    {"f.new_resize60", nullptr, nullptr, new_resize60},
    {"f.USupdateparameter", nullptr, nullptr, NullAction},  // USupdateparameter (action2)
    {"f.DRload", DRload, nullptr, nullptr},
    {"f.DRloadCadenceDesRule1", DRloadCadenceDesRule1, nullptr, nullptr},
    {"f.DRloadCadenceDesRule2", DRloadCadenceDesRule2, nullptr, nullptr},
    {"f.UStransSizeFile", UStransSizeFile, nullptr, nullptr},
    {"f.SBmain", nullptr, nullptr, NullAction},  // SBmain (action2)
    {"f.GCfreeH", nullptr, nullptr, GCfreeH},
    {"f.GCfreeS", nullptr, nullptr, GCfreeS},
    {"f.GCfreeCS", nullptr, nullptr, GCfreeCS},
    {"f.GCactivateH", nullptr, nullptr, GCactivateH},
    {"f.GCactivateS", nullptr, nullptr, GCactivateS},
    {"f.GCactivateCS", nullptr, nullptr, GCactivateCS},
    {"f.DExDefIO", nullptr, DExDefIO, nullptr},
    {"f.DExCir", nullptr, nullptr, DExCir},
    {"f.DExOutput", nullptr, nullptr, DExOutput},
    {"f.DCtile", nullptr, nullptr, DCtile},
    {"f.DCupper", nullptr, nullptr, DCupper},
    {"f.DClower", nullptr, nullptr, DClower},
    {"f.DCright", nullptr, nullptr, DCright},
    {"f.DCleft", nullptr, nullptr, DCleft},
    {"f.DCneighbors", nullptr, nullptr, DCneighbors},
    {"f.CheckAll", nullptr, nullptr, CheckAll},
    {"f.CheckAllNode", nullptr, nullptr, CheckAllNode},
    {"f.DExShowObj", nullptr, nullptr, DExShowObj},
    {"f.SelTrans1", nullptr, nullptr, SelTrans1},
    {"f.SelTrans2", nullptr, nullptr, SelTrans2},
    {"f.TransSym", nullptr, nullptr, TransSym},
    {"f.DExShowATran", nullptr, nullptr, DExShowATran},
    {"f.DExShowANet", nullptr, nullptr, DExShowANet},
    {"f.DExSelectNetTileObj", nullptr, nullptr, DExSelectNetTileObj},
    {"f.DExSelectNetGraphObj", nullptr, nullptr, NullAction},  // DExSelectNetGraphObj (action2)
    {"f.DFex1LayerS", nullptr, nullptr, DFex1LayerS},
    {"f.DFex1NetS", nullptr, nullptr, DFex1NetS},
    {"f.DFex1NetO", nullptr, nullptr, DFex1NetO},
    {"f.DFshowShort", nullptr, nullptr, DFshowShort},
    {"f.DFex1LayerO", nullptr, nullptr, DFex1LayerO},
    {"f.DFshowOpen", nullptr, nullptr, DFshowOpen},
    {"f.DExNameNet", nullptr, DExNameNet, nullptr},
    {"f.GCdump", nullptr, nullptr, GCdump},
    {"f.DYcritCompS", nullptr, nullptr, DYcritCompS},
    {"f.DYcritCompO", nullptr, nullptr, DYcritCompO},
    {"f.DFexLayersS", nullptr, nullptr, DFexLayersS},
    {"f.DFexLayersP", nullptr, nullptr, DFexLayersP},
    {"f.DFexLayersO", nullptr, nullptr, DFexLayersO},
    {"f.DYdx", nullptr, nullptr, DYdx},
    {"f.DYCarea", nullptr, nullptr, DYCarea},
    {"f.DYpof", nullptr, nullptr, DYpof},
    {"f.DYanaShort", nullptr, nullptr, DYanaShort},
    {"f.DYanaOpen", nullptr, nullptr, DYanaOpen},
    {"f.DIsetForm", DIsetForm, nullptr, nullptr},
    {"f.DIstartPB", nullptr, nullptr, DIstartPB},
    {"f.DIendPB", nullptr, nullptr, DIendPB},
    {"f.DIhswitch", DIhswitch, nullptr, nullptr},
    {"f.DIsswitch", DIsswitch, nullptr, nullptr},
    {"f.DIlswitch", DIlswitch, nullptr, nullptr},
    {"f.DYyx", nullptr, nullptr, DYyx},
};

int DIcallback::invoke(void* widget, char* label, void* call) const {
  if (action) return action(widget, label, call);
  if (action1) return action1(label);
  if (action2) return action2();
  return NullAction();
}

DIcallback DIfindCallback(const char* name) {
  DIcallback cb;
  for (const _Actionindex& row : DactionIndex) {
    if (strcmp(row.name, name) != 0) continue;
    if (row.action) cb.action = row.action;
    else if (row.action1) cb.action1 = row.action1;
    else if (row.action2) cb.action2 = row.action2;
    else continue;
    return cb;
  }
  cb.action2 = NullAction;
  return cb;
}

const _Actionindex* DIfindAction(const char* name) {
  for (const _Actionindex& row : DactionIndex)
    if (strcmp(row.name, name) == 0) return &row;
  return nullptr;
}

int NullAction() {
  printf("Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n");
  fflush(stdout);
  return 1;
}

int DIexit() {
  fflush(stdout);
  exit(0);
}

int DIeditor() {
  // The editor is started directly, never through a shell; a missing one is reported by the runner.
  const char* argv[] = {"veditor", nullptr};
  GCrunProgram(argv);
  return 1;
}

#include "squeeze/sq_hooks.h"

#include "compact/process_options.h"

SQdeviceHooks SQhooks;

const SQmissing* SQmissingStage(bool symmetryColumns) {
  static const SQmissing resizing{"transistor resizing", "process choices 20 and 30 keep the sizes"};
  static const SQmissing parasitics{"transistor parasitics", "set option PROCESS_INCLUDE_TRANSISTOR_PARASITIC 0"};
  static const SQmissing netlist{"the synthesis netlist", "set option TRANSISTOR_SIZE_CHECK 0"};
  static const SQmissing vias{"via removal", "set option VIA_CONTACT_REMOVAL 0"};
  static const SQmissing wirelength{"wirelength minimisation", "set option PROCESS_INCLUDE_WLM 1, 2 or 3"};
  static const SQmissing core{"the symmetry core LP", "process choice 20 leaves symmetry out"};
  const SQdeviceHooks& h = SQhooks;
  if (PROCESS_INCLUDE_RESIZING > 0 &&
      !(h.contactConstraints && h.activeContact && h.updateParameters && h.resizeTransistors && h.synthesisCheck))
    return &resizing;
  if (PROCESS_INCLUDE_TRANSISTOR_PARASITIC == 2 && !h.transistorParasitics) return &parasitics;
  if (TRANSISTOR_SIZE_CHECK != 0 && !h.synthesisNetlist) return &netlist;
  if (VIA_CONTACT_REMOVAL > 0 && !(h.viaConstraints && h.viaCif && h.isViaLayer)) return &vias;
  if (PROCESS_INCLUDE_WLM == 4 && !h.wirelengthMinimization) return &wirelength;
  if (PROCESS_INCLUDE_SYMMETRY == 1 && symmetryColumns && !h.coreProblem) return &core;
  return nullptr;
}

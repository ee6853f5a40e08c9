#include "squeeze/sq_hooks.h"

#include "compact/process_options.h"

SQdeviceHooks SQhooks;

const char* SQmissingStage(bool symmetryColumns) {
  const SQdeviceHooks& h = SQhooks;
  if (PROCESS_INCLUDE_RESIZING > 0 &&
      !(h.contactConstraints && h.activeContact && h.updateParameters && h.resizeTransistors && h.synthesisCheck))
    return "transistor resizing";
  if (PROCESS_INCLUDE_TRANSISTOR_PARASITIC == 2 && !h.transistorParasitics) return "transistor parasitics";
  if (TRANSISTOR_SIZE_CHECK != 0 && !h.synthesisNetlist) return "the synthesis netlist";
  if (VIA_CONTACT_REMOVAL > 0 && !(h.viaConstraints && h.viaCif && h.isViaLayer)) return "via removal";
  if (PROCESS_INCLUDE_WLM == 4 && !h.wirelengthMinimization) return "wirelength minimisation";
  if (PROCESS_INCLUDE_SYMMETRY == 1 && symmetryColumns && !h.coreProblem) return "the symmetry core LP";
  return nullptr;
}

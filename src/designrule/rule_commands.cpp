// Menu commands of the design-rule module.
#include "designrule/designrule.h"
#include "techc/tech.h"

int DRload(void*, char*, void*) {
  DRgetCifLayers(CifToCadence, Glayers);
  return 1;
}

#include "updatesize/active_contact_rules.h"

#include <cstdio>

#include "compact/process_options.h"
#include "designrule/designrule.h"
#include "techc/tech.h"

void USdesignruleactivecontact() {
  const int contact = DTlayerIndex(ACTIVE_CONTACT_LAYER);
  const int active = DTlayerIndex(ACTIVE_LAYER);
  if (contact < 0 || contact >= DR_MAX_LAYERS) {
    printf("USdesignruleactivecontact: Cannot find active contact layer %s\n", ACTIVE_CONTACT_LAYER);
    return;
  }
  if (active < 0 || active >= DR_MAX_LAYERS) {
    printf("USdesignruleactivecontact: Cannot find active contact layer %s\n", ACTIVE_LAYER);
    return;
  }
  const int ext = EXTENSION_VALID[active][contact] ? EXTENSION[active][contact] : 0;
  for (int k = 0; k < GlayerNum && k < DR_MAX_LAYERS && WIDTH_VALID[k]; ++k) {
    if (k == contact || !SPACING_VALID[contact][k]) continue;
    int required = SPACING[contact][k] - ext;
    const bool set = SPACING_VALID[k][active];
    if (set && SPACING[k][active] >= required) continue;
    if (!set && required < 0) required = 0;
    printf("**USdesignruleactivecontact: SPACING[%i][%i] is changed from %i to %i\n", k, active,
           static_cast<int>(SPACING[k][active]), required);
    SPACING[k][active] = SPACING[active][k] = static_cast<short>(required);
    SPACING_VALID[k][active] = SPACING_VALID[active][k] = 1;
  }
}

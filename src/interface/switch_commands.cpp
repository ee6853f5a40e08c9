#include "interface/switch_commands.h"

#include <cstring>

#include "common/message.h"

namespace {
int setSwitch(short* flag, const char* label, const char* what) {
  if (!label) return 1;
  if (strcmp(label, "On") == 0) {
    *flag = 1;
    GCmessage(GC_MOD_INTERFACE, 'M', "%s turned on", what);
  } else if (strcmp(label, "Off") == 0) {
    *flag = 0;
    GCmessage(GC_MOD_INTERFACE, 'M', "%s turned off", what);
  }
  return 1;
}
}  // namespace

int DIhswitch(void*, char* label, void*) { return setSwitch(&FsetHighlight, label, "Hightlight"); }
int DIsswitch(void*, char* label, void*) { return setSwitch(&FsetSelected, label, "Selected"); }
int DIlswitch(void*, char* label, void*) { return setSwitch(&FsetLabels, label, "Labels"); }

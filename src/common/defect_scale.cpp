#include "common/defect_scale.h"

namespace {
int value = 0;
void (*showHook)(int) = nullptr;
}  // namespace

int DIscaleValue() { return value; }

void DIsetScaleValue(int tenths) {
  value = tenths;
  if (showHook) showHook(tenths);
}

void DIsetScaleHook(void (*show)(int tenths)) { showHook = show; }
void DIscaleMoved(int tenths) { value = tenths; }

void DIresetScale() {
  value = 0;
  showHook = nullptr;
}

#include "common/frontend.h"

namespace {
DIfrontEnd current;
}

void DIsetFrontEnd(const DIfrontEnd& hooks) { current = hooks; }
const DIfrontEnd& DIgetFrontEnd() { return current; }

void DIopenFileDialog(int code) {
  if (current.openFileDialog) current.openFileDialog(code);
}

void DIopenForm(const char* prompt, const char* value, int code) {
  if (current.openForm) current.openForm(prompt, value, code);
}

void DIpopdownDialog() {
  if (current.popdownDialog) current.popdownDialog();
}

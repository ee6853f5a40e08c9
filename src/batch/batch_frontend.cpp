#include "batch/batch_frontend.h"

#include "common/frontend.h"

namespace {
BArequest pending;

void openFileDialog(int code) { pending = {BA_FILE, code}; }
void openForm(const char*, const char*, int code) { pending = {BA_FORM, code}; }
}  // namespace

void BAinstallFrontEnd() {
  DIfrontEnd hooks;
  hooks.openFileDialog = openFileDialog;
  hooks.openForm = openForm;
  DIsetFrontEnd(hooks);
  pending = BArequest();
}

const BArequest& BApending() { return pending; }
void BAclearPending() { pending = BArequest(); }

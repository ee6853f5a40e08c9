// What the file dialog does when a rule file is chosen (codes 4, 18, 19, 20):
// open, report, read, and print the tables after a good Cadence file.
#include <cstdio>

#include "common/message.h"
#include "designrule/designrule.h"

namespace {
// The chosen file, opened and named on stdout with the reading under way
// shown; or null after the error message when it cannot be opened. Both
// formats take the file name.
FILE* openChosen(const char* name, const char* cantOpen, const char* chosen, const char* reading) {
  FILE* file = fopen(name, "r");
  if (!file) {
    GCmessage(GC_MOD_CALLBACK, 'E', cantOpen, name);
    return nullptr;
  }
  printf(chosen, name);
  fflush(stdout);
  GCmessage(GC_MOD_CALLBACK, 'P', "%s", reading);
  return file;
}
}  // namespace

bool DRacceptDesignRuleFile(const char* name) {
  FILE* file = openChosen(name, "Can't open the file %s", "\nINPUT_DESIGN_RULE_FILE is %s\n",
                          "Reading Design rule file..");
  if (!file) return false;
  if (!ReadDesignRules(file)) {
    GCmessage(GC_MOD_CALLBACK, 'L', "design rule file format error");
    return false;
  }
  GCmessage(GC_MOD_CALLBACK, 'L', "Load design rule file OK");
  return true;
}

bool DRacceptBridgeFile(const char* name) {
  FILE* file = openChosen(name, "Can't open file: %s\n", "Tech - cadence bridge file is: %s\n",
                          "Parsing the bridge file.....");
  if (!file) return false;
  DRparseBridge(file);
  fclose(file);
  return true;
}

bool DRacceptCadenceFile(const char* name, int which) {
  FILE* file = openChosen(name, "Can't open file: %s\n", "Tech - Cadence design rule file is: %s\n",
                          "Parsing the cadence design rule file.....");
  if (!file) return false;
  int ok = which == 1 ? DRparseCadenceDesRule1(file) : DRparseCadenceDesRule2(file);
  fclose(file);
  if (ok) DRcheckDesRule();
  return ok != 0;
}

void DRacceptDesignRule(const char* name) { DRacceptDesignRuleFile(name); }
void DRacceptBridge(const char* name) { DRacceptBridgeFile(name); }
void DRacceptCadence1(const char* name) { DRacceptCadenceFile(name, 1); }
void DRacceptCadence2(const char* name) { DRacceptCadenceFile(name, 2); }

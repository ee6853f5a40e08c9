// What the file dialog does when a rule file is chosen (codes 4, 18, 19, 20):
// open, report, read, and print the tables after a good Cadence file.
#include <cstdio>

#include "common/message.h"
#include "designrule/designrule.h"

bool DRacceptDesignRuleFile(const char* name) {
  FILE* file = fopen(name, "r");
  if (!file) {
    GCmessage(GC_MOD_CALLBACK, 'E', "Can't open the file %s", name);
    return false;
  }
  printf("\nINPUT_DESIGN_RULE_FILE is %s\n", name);
  fflush(stdout);
  GCmessage(GC_MOD_CALLBACK, 'P', "Reading Design rule file..");
  if (!ReadDesignRules(file)) {
    GCmessage(GC_MOD_CALLBACK, 'L', "design rule file format error");
    return false;
  }
  GCmessage(GC_MOD_CALLBACK, 'L', "Load design rule file OK");
  return true;
}

bool DRacceptBridgeFile(const char* name) {
  FILE* file = fopen(name, "r");
  if (!file) {
    GCmessage(GC_MOD_CALLBACK, 'E', "Can't open file: %s\n", name);
    return false;
  }
  printf("Tech - cadence bridge file is: %s\n", name);
  fflush(stdout);
  GCmessage(GC_MOD_CALLBACK, 'P', "Parsing the bridge file.....");
  DRparseBridge(file);
  fclose(file);
  return true;
}

bool DRacceptCadenceFile(const char* name, int which) {
  FILE* file = fopen(name, "r");
  if (!file) {
    GCmessage(GC_MOD_CALLBACK, 'E', "Can't open file: %s\n", name);
    return false;
  }
  printf("Tech - Cadence design rule file is: %s\n", name);
  fflush(stdout);
  GCmessage(GC_MOD_CALLBACK, 'P', "Parsing the cadence design rule file.....");
  int ok = which == 1 ? DRparseCadenceDesRule1(file) : DRparseCadenceDesRule2(file);
  fclose(file);
  if (ok) DRcheckDesRule();
  return ok != 0;
}

void DRacceptDesignRule(const char* name) { DRacceptDesignRuleFile(name); }
void DRacceptBridge(const char* name) { DRacceptBridgeFile(name); }
void DRacceptCadence1(const char* name) { DRacceptCadenceFile(name, 1); }
void DRacceptCadence2(const char* name) { DRacceptCadenceFile(name, 2); }

#include "compact/process_options.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/number_text.h"

int PROCESS_OPTION;
int COMPACT_ALGORITHM;
int PROCESS_INCLUDE_SYMMETRY;
int PROCESS_INCLUDE_RESIZING;
int PROCESS_INCLUDE_TRANSISTOR_PARASITIC;
int PROCESS_INCLUDE_INDUCTOR;
int PROCESS_INCLUDE_PASSIVE;
int TEST_SYMMETRY_ONLY;
int TIME_REPORT;
int SWEEP_FAR_ROWS;
float RESIZING_FACTOR;
int PROCESS_INCLUDE_WLM;
int VIA_CONTACT_REMOVAL;
float VIA_NUM_REDUCE_RATIO;
int TRANSISTOR_SIZE_CHECK;
char ACTIVE_CONTACT_LAYER[64];
char METAL_ONE_LAYER[64];
char ACTIVE_LAYER[64];
char POLY_LAYER[64];
int COEFF[RS_COEFF_LAYERS];

namespace {

enum Kind { INT, FLOAT, TEXT, WEIGHTS };

struct Option {
  const char* name;
  Kind kind;
  void* value;
};

const Option options[] = {
    {"PROCESS_OPTION", INT, &PROCESS_OPTION},
    {"COMPACT_ALGORITHM", INT, &COMPACT_ALGORITHM},
    {"PROCESS_INCLUDE_SYMMETRY", INT, &PROCESS_INCLUDE_SYMMETRY},
    {"PROCESS_INCLUDE_RESIZING", INT, &PROCESS_INCLUDE_RESIZING},
    {"PROCESS_INCLUDE_TRANSISTOR_PARASITIC", INT, &PROCESS_INCLUDE_TRANSISTOR_PARASITIC},
    {"PROCESS_INCLUDE_INDUCTOR", INT, &PROCESS_INCLUDE_INDUCTOR},
    {"PROCESS_INCLUDE_PASSIVE", INT, &PROCESS_INCLUDE_PASSIVE},
    {"TEST_SYMMETRY_ONLY", INT, &TEST_SYMMETRY_ONLY},
    {"TIME_REPORT", INT, &TIME_REPORT},
    {"RESIZING_FACTOR", FLOAT, &RESIZING_FACTOR},
    {"PROCESS_INCLUDE_WLM", INT, &PROCESS_INCLUDE_WLM},
    {"VIA_CONTACT_REMOVAL", INT, &VIA_CONTACT_REMOVAL},
    {"VIA_NUM_REDUCE_RATIO", FLOAT, &VIA_NUM_REDUCE_RATIO},
    {"TRANSISTOR_SIZE_CHECK", INT, &TRANSISTOR_SIZE_CHECK},
    {"SWEEP_FAR_ROWS", INT, &SWEEP_FAR_ROWS},
    {"ACTIVE_CONTACT_LAYER", TEXT, ACTIVE_CONTACT_LAYER},
    {"METAL_ONE_LAYER", TEXT, METAL_ONE_LAYER},
    {"ACTIVE_LAYER", TEXT, ACTIVE_LAYER},
    {"POLY_LAYER", TEXT, POLY_LAYER},
    {"COEFF", WEIGHTS, COEFF},
};

struct Initial {
  Initial() { RSresetOptions(); }
} initial;

}  // namespace

void RSresetOptions() {
  PROCESS_OPTION = 1;
  COMPACT_ALGORITHM = 1;
  PROCESS_INCLUDE_SYMMETRY = 1;
  PROCESS_INCLUDE_RESIZING = 5;
  PROCESS_INCLUDE_TRANSISTOR_PARASITIC = 0;
  PROCESS_INCLUDE_INDUCTOR = 1;
  PROCESS_INCLUDE_PASSIVE = 1;
  TEST_SYMMETRY_ONLY = 0;
  TIME_REPORT = 1;
  RESIZING_FACTOR = 1.0f;
  PROCESS_INCLUDE_WLM = 4;
  VIA_CONTACT_REMOVAL = 0;
  VIA_NUM_REDUCE_RATIO = 0.5f;
  TRANSISTOR_SIZE_CHECK = 0;
  SWEEP_FAR_ROWS = 1;
  snprintf(ACTIVE_CONTACT_LAYER, sizeof ACTIVE_CONTACT_LAYER, "CCA");
  snprintf(METAL_ONE_LAYER, sizeof METAL_ONE_LAYER, "CMF");
  snprintf(ACTIVE_LAYER, sizeof ACTIVE_LAYER, "CAA");
  snprintf(POLY_LAYER, sizeof POLY_LAYER, "CPG");
  static const int weights[10] = {1000, 1, 1, 1, 1, 1, 1, 1, 100000, 1000};
  memset(COEFF, 0, sizeof COEFF);
  memcpy(COEFF, weights, sizeof weights);
}

bool RSsetOption(const char* name, const char* value, const char** why) {
  const Option* option = nullptr;
  for (const Option& o : options)
    if (strcmp(o.name, name) == 0) option = &o;
  if (!option) {
    *why = "unknown option";
    return false;
  }
  switch (option->kind) {
    case INT:
      if (!GCreadInt(value, static_cast<int*>(option->value), nullptr)) {
        *why = "expects a whole number";
        return false;
      }
      return true;
    case FLOAT: {
      char* end;
      float v = strtof(value, &end);
      if (end == value || *end || !std::isfinite(v)) {
        *why = "expects a number";
        return false;
      }
      *static_cast<float*>(option->value) = v;
      return true;
    }
    case TEXT:
      if (!*value || strlen(value) >= 64 || strpbrk(value, " \t")) {
        *why = "expects one layer name of at most 63 characters";
        return false;
      }
      snprintf(static_cast<char*>(option->value), 64, "%s", value);
      return true;
    case WEIGHTS: {
      int layer, weight;
      const char* rest;
      if (!GCreadInt(value, &layer, &rest) || layer < 0 || layer >= RS_COEFF_LAYERS) {
        *why = "expects a layer number from 0 to 31 and a weight";
        return false;
      }
      while (*rest == ' ' || *rest == '\t') ++rest;
      if (!GCreadInt(rest, &weight, nullptr)) {
        *why = "expects a layer number from 0 to 31 and a weight";
        return false;
      }
      COEFF[layer] = weight;
      return true;
    }
  }
  return false;
}

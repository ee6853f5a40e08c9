// f.DExOutput: the transistor netlist "circuit.net" and its SPICE twin.
#include <cstdio>

#include "common/message.h"
#include "extract/net.h"
#include "extract/spice.h"
#include "extract/transistor.h"
#include "techc/tech.h"

namespace {
void writeNet(FILE* f, long n, const char* format, const char* numbered) {
  if (const char* name = DExNetName(n))
    fprintf(f, format, name);
  else
    fprintf(f, numbered, n);
}

bool writeCircuitNet(const char* path) {
  FILE* f = fopen(path, "w");
  if (!f) return false;
  for (int e = 0; e < DelementNum; ++e) {
    for (_Dtransistor* t = Transistors ? Transistors[e] : nullptr; t; t = t->next) {
      fprintf(f, "%d %s w=%.2fu l=%.2fu ", t->number, Delement[e].name,
              static_cast<double>(t->width), static_cast<double>(t->length));
      writeNet(f, t->gate, "(%s ", "(n%ld ");
      writeNet(f, t->source, "%s ", "n%ld ");
      writeNet(f, t->drain, "%s)\n", "n%ld)\n");
    }
  }
  return fclose(f) == 0;
}
}  // namespace

int DExOutput() {
  if (!writeCircuitNet("circuit.net")) {
    GCmessage(GC_MOD_EXTRACT, 'E', "File open error");
    return 0;
  }
  GCmessage(GC_MOD_EXTRACT, 'M', "The file circuit.net is created");
  if (!DExWriteSpice("circuit.spice")) {
    GCmessage(GC_MOD_EXTRACT, 'E', "File open error");
    return 0;
  }
  GCmessage(GC_MOD_EXTRACT, 'M', "The file circuit.spice is created");
  return 1;
}

// f.DExOutput: the transistor netlist "circuit.net" and its SPICE twin.
#include <cstdio>

#include "common/message.h"
#include "common/output_file.h"
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

bool writeCircuitNet(FILE* f) {
  for (int e = 0; e < DelementNum; ++e) {
    for (_Dtransistor* t = Transistors ? Transistors[e] : nullptr; t; t = t->next) {
      fprintf(f, "%d %s w=%.2fu l=%.2fu ", t->number, Delement[e].name,
              static_cast<double>(t->width), static_cast<double>(t->length));
      writeNet(f, t->gate, "(%s ", "(n%ld ");
      writeNet(f, t->source, "%s ", "n%ld ");
      writeNet(f, t->drain, "%s)\n", "n%ld)\n");
    }
  }
  return true;
}

// Reports a file that could not be made or completely written.
bool written(const char* path, bool (*write)(FILE*)) {
  GCoutputFile file(path);
  if (!file.stream()) {
    GCmessage(GC_MOD_EXTRACT, 'E', "File open error");
    return false;
  }
  bool ok = write(file.stream());
  if (!file.finish(ok)) {
    GCmessage(GC_MOD_EXTRACT, 'E', "Cannot write the file %s", path);
    return false;
  }
  return true;
}
}  // namespace

int DExOutput() {
  if (!DExCircuitExtracted()) {
    // After a failed load the previous netlists stay as they are.
    GCmessage(GC_MOD_EXTRACT, 'W', "No extracted circuit, no netlist written");
    return 0;
  }
  if (!written("circuit.net", writeCircuitNet)) return 0;
  GCmessage(GC_MOD_EXTRACT, 'M', "The file circuit.net is created");
  if (!written("circuit.spice", DExWriteSpice)) return 0;
  GCmessage(GC_MOD_EXTRACT, 'M', "The file circuit.spice is created");
  return 1;
}

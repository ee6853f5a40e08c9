// The fault files: one line per short or two-part break, appended net by net
// to the file of the command, with the total weight and, for breaks, the
// summary by channel class when the file is closed.
#include <cstdio>
#include <memory>

#include "common/message.h"
#include "common/output_file.h"
#include "extract/net.h"
#include "faultex/fault_lists.h"

namespace {
std::unique_ptr<GCoutputFile> output;  // the file being written, until its command ends
FILE* file = nullptr;                  // its stream
int fileKind = -1;
long total = 0;
DFopenSummary summary = {};

void fileName(int layer, int kind, char* name, size_t size) {
  static const char* const all[] = {"Bridges.flt", "Breaks.flt", "Pinholes.flt"};
  static const char* const one[] = {"layer%d.sht", "layer%d.opn", "layer%d.pin"};
  if (layer == -1)
    snprintf(name, size, "%s", all[kind]);
  else
    snprintf(name, size, one[kind], layer);
}

void writeNet(long net) {
  const char* name = DExNetName(net);
  if (name)
    fprintf(file, "%s ", name);
  else
    fprintf(file, "n%ld ", net);
}

void writeShorts() {
  for (_DshortFault* f = FaultTable.shorts; f; f = f->next) {
    fputs("bridge ( ", file);
    for (int i = 0; i < f->fshort->nnets; ++i) writeNet(f->fshort->nets[i]);
    fprintf(file, ") %ld\n", f->fweight);
    total += f->fweight;
  }
}

void writeOpens() {
  for (_DopenFault* f = FaultTable.opens; f; f = f->next) {
    total += f->fweight;
    const _Dfopen* o = f->fopen;
    if (o->nparts != 2) continue;
    fprintf(file, "open (n%ld, ", o->net);
    const _DfpinList& first = o->pinlist[0];
    for (long i = 0; i < first.ngates; ++i) fprintf(file, i + 1 < first.ngates ? "%ld " : "%ld)", first.gateno[i]);
    if (first.ngates == 0) fputs(")", file);
    fprintf(file, " %ld\n", f->fweight);
    DFsortOpens(f, 0);
  }
}

void writeSummary() {
  static const char* const lines[] = {"Total open :\t%d\t%d\n", "Open P-chann:\t%d\t%d\n",
                                      "Open N-chann:\t%d\t%d\n", "Open PN-chann:\t%d\t%d\n"};
  for (int i = 0; i < 4; ++i)
    printf(lines[i], static_cast<int>(summary.count[i]), static_cast<int>(summary.weight[i]));
  fflush(stdout);
}

// The class of one part when it holds only gates: 1 P, 2 N, 3 mixed; else 0.
int partClass(const _DfpinList& part) {
  bool p = false, n = false;
  for (long i = 0; i < part.ngates; ++i) {
    if (part.pinname[i] != 0) return 0;
    if (part.gateno[i] < 1) continue;  // a user terminal has no channel
    (DFgateType(part.gateno[i]) == 0 ? p : n) = true;
  }
  if (p && n) return 3;
  return p ? 1 : n ? 2 : 0;
}
}  // namespace

void DFsortOpens(_DopenFault* fault, int) {
  summary.count[0] += 1;
  summary.weight[0] += fault->fweight;
  const _Dfopen* o = fault->fopen;
  int c = 0;
  for (long part = 0; part < 2 && part < o->nparts && c == 0; ++part) {
    bool gatesOnly = true;
    for (long i = 0; i < o->pinlist[part].ngates; ++i) gatesOnly = gatesOnly && o->pinlist[part].pinname[i] == 0;
    if (!gatesOnly) continue;
    c = partClass(o->pinlist[part]);
    break;
  }
  if (c == 0) return;
  summary.count[c] += 1;
  summary.weight[c] += fault->fweight;
}

const DFopenSummary& DFsummary() { return summary; }

bool DFflushFault(int layer, int kind, int keep) {
  if (!file) {
    char name[64];
    fileName(layer, kind, name, sizeof name);
    output = std::make_unique<GCoutputFile>(name);
    file = output->stream();
    if (!file) GCfatal(GC_MOD_FAULT, 1, "File open error");
    fileKind = kind;
    total = 0;
  }
  if (kind == DF_KIND_OPEN)
    writeOpens();
  else
    writeShorts();
  fflush(file);
  if (keep) return true;
  file = nullptr;
  bool complete = output->finish();
  if (!complete) GCmessage(GC_MOD_FAULT, 'E', "Cannot write the file %s", output->path());
  output.reset();
  fprintf(stderr, "\nTotal fault weight(critical area): %ld.\n", total);
  if (fileKind == DF_KIND_OPEN) writeSummary();
  fileKind = -1;
  return complete;
}

void DFSoutput(int layer) {
  DFflushFault(layer, DF_KIND_SHORT, 0);
  DFcleanShortBuffer();
}

void DFresetFaultFile() {
  output.reset();
  file = nullptr;
  fileKind = -1;
  total = 0;
  summary = {};
}

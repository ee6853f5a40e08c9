// Fuzzes the one-step load: the CIF reader, flattening, the tile planes and
// circuit extraction with its net check and names, as File > LoadLayout runs
// them with the default technology; then bridges, pinholes and breaks of the
// extracted nets for a defect of 6 microns. The reader's deliberate exits are turned
// into exceptions here; the flattened size is capped low so that doubling
// hierarchies stay quick. Every other exit is a finding.
// Run with -close_fd_mask=3 to keep the trace and progress lines quiet.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "batch/batch_startup.h"
#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "common/defect_scale.h"
#include "common/switches.h"
#include "faultex/open_faults.h"
#include "faultex/short_faults.h"
#include "interface/accept.h"
#include "interface/file_commands.h"
#include "support/input_file.h"

namespace {
struct ReaderExit {
  int status;
};

[[noreturn]] void throwExit(int status) { throw ReaderExit{status}; }

std::string inputPath;

void setUp() {
  setenv("SYSRC", CORVID_SOURCE_DIR "/lib/corvidrc", 1);
  Silently = 1;
  BAstartup();
  GCflattenLimit = 200000;
  const std::string dir = FZscratchDir();
  if (chdir(dir.c_str()) != 0) abort();  // files a command writes stay there
  inputPath = dir + "/input.cif";
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FZsetUpOnce(setUp);
  FZwriteInput(inputPath, data, size);
  ACexitHook = throwExit;
  try {
    DIacceptCB(DI_ACCEPT_CIF_LOAD, inputPath.c_str());
    DIsetScaleValue(60);
    DFexLayersS();
    DFexLayersP();
    DFexLayersO();
  } catch (const ReaderExit&) {
  }
  return 0;
}

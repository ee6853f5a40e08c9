// Fuzzes the corvid-batch script reader and the commands it drives: every
// input is a script run on a freshly loaded inverter in a scratch directory.
// No external program is started (posix_spawn is wrapped to fail, so lp_solve
// and date are reported missing), the system's own deliberate exits return
// here (support/exit_trap.h), and "/" in a script becomes "_" so that the
// files a command names stay in the scratch directory. A script that returns
// must leave no descriptor open. Leak checking is off for this target (also
// in fuzz/batch_reader.options): see __lsan_is_turned_off below.
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "batch/batch_script.h"
#include "batch/batch_startup.h"
#include "common/reply_queue.h"
#include "common/switches.h"
#include "support/exit_trap.h"
#include "yield/plot_files.h"
#include "support/input_file.h"

extern "C" int __wrap_posix_spawn(pid_t*, const char*, const posix_spawn_file_actions_t*, const posix_spawnattr_t*,
                                  char* const[], char* const[]) {
  return ENOSYS;
}
extern "C" int __wrap_posix_spawnp(pid_t*, const char*, const posix_spawn_file_actions_t*,
                                   const posix_spawnattr_t*, char* const[], char* const[]) {
  return ENOSYS;
}

namespace {
namespace fs = std::filesystem;

fs::path workDir;
const char* const kInputs[] = {"examples/inverter.cif", "lib/default.tech", "lib/corvid.bridge",
                               "lib/corvid_input.tf", "lib/corvid_target.tf"};

void setUp() {
  setenv("SYSRC", CORVID_SOURCE_DIR "/lib/corvidrc", 1);
  Silently = 1;
  if (!freopen("/dev/null", "r", stdin)) abort();  // a question finds no reply and stops, never waits
  BAstartup();
  const std::string dir = FZscratchDir();
  workDir = dir;
  if (chdir(dir.c_str()) != 0) abort();
}

// Only the input files are left from the run before.
void freshDirectory() {
  for (const fs::directory_entry& e : fs::directory_iterator(workDir)) fs::remove_all(e.path());
  for (const char* input : kInputs)
    fs::copy_file(fs::path(CORVID_SOURCE_DIR) / input, workDir / fs::path(input).filename());
}

// The open descriptors (less the one that lists them). A script leaves those
// it found, or a long session would run out of them.
std::set<int> openDescriptors() {
  std::set<int> open;
  for (const fs::directory_entry& e : fs::directory_iterator("/proc/self/fd"))
    open.insert(std::stoi(e.path().filename().string()));
  std::set<int> still;
  for (int fd : open)
    if (fcntl(fd, F_GETFD) != -1) still.insert(fd);
  return still;
}

// What the end of the process would have closed after a command's exit.
void closeAllBut(const std::set<int>& keep) {
  for (int fd : openDescriptors())
    if (!keep.count(fd)) close(fd);
}
}  // namespace

// A command's exit abandons its frames, as the real program does; their
// memory is no leak of the code under test.
extern "C" int __lsan_is_turned_off() { return 1; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FZsetUpOnce(setUp);
  freshDirectory();
  const std::set<int> descriptors = openDescriptors();
  std::vector<char> script(data, data + size);
  for (char& c : script)
    if (c == '/') c = '_';
  GCclearReplies();
  DYsetPlotFiles(DY_FILES_OFF);  // plot images only where a script asks for them
  FZcatchExit([] { BArunLine("f.DIldLayout inverter.cif", 0); });
  FILE* f = fmemopen(script.data(), script.size(), "r");
  if (!f) return 0;
  bool returned = FZcatchExit([f] { BArunScript(f); });
  fclose(f);
  if (!returned) {
    closeAllBut(descriptors);
  } else if (openDescriptors() != descriptors) {
    fprintf(stderr, "the script left %zu descriptors open\n", openDescriptors().size() - descriptors.size());
    abort();
  }
  return 0;
}

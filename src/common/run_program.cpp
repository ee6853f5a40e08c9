#include "common/run_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/message.h"

extern char** environ;

namespace {

bool executable(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The file PATH names for `program`, or "" when there is none. Looked up
// before starting so that a missing program leaves no output file behind.
std::string locate(const char* program) {
  if (strchr(program, '/')) return executable(program) ? program : "";
  const char* path = getenv("PATH");
  std::string dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(start, end - start);
    std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    if (executable(candidate)) return candidate;
    start = end + 1;
  }
  return "";
}

}  // namespace

int GCrunProgram(const char* const argv[], const char* stdinFile, const char* stdoutFile) {
  fflush(stdout);
  fflush(stderr);
  std::string program = locate(argv[0]);
  if (program.empty()) {
    GCmessage(GC_MOD_COMMON, 'E', "Can't run %s: no such program in the search path", argv[0]);
    return -1;
  }
  if (stdinFile && access(stdinFile, R_OK) != 0) {
    GCmessage(GC_MOD_COMMON, 'E', "Can't run %s: can't read its input %s", argv[0], stdinFile);
    return -1;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdinFile) posix_spawn_file_actions_addopen(&actions, 0, stdinFile, O_RDONLY, 0);
  if (stdoutFile)
    posix_spawn_file_actions_addopen(&actions, 1, stdoutFile, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  pid_t pid;
  int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) {
    if (stdoutFile) unlink(stdoutFile);
    GCmessage(GC_MOD_COMMON, 'E', "Can't run %s: %s", argv[0], strerror(failed));
    return -1;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

void GCrunDate() {
  const char* argv[] = {"date", nullptr};
  GCrunProgram(argv);
}

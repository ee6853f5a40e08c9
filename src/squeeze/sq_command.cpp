#include "squeeze/sq_command.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>

extern char** environ;

int SQrunCommand(const char* const* argv) {
  fflush(stdout);
  pid_t pid;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void SQprintDate() {
  const char* argv[] = {"date", nullptr};
  SQrunCommand(argv);
  printf("\n");
}

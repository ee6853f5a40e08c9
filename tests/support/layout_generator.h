// Runs examples/gen_layout.py (generated CMOS arrays, flat or hierarchical)
// with the given options, writing the CIF file `path`.
#pragma once
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

// True when the generator ran and exited with status 0.
inline bool CVgenerateLayout(std::vector<std::string> options, const std::string& path) {
  std::vector<std::string> args = {"python3", std::string(CORVID_SOURCE_DIR) + "/examples/gen_layout.py", "-o", path};
  args.insert(args.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawnp(&pid, "python3", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

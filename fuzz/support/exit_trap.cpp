#include "exit_trap.h"

#include <cstdlib>

std::jmp_buf* fuzz::exitLanding = nullptr;
int fuzz::lastExitStatus = -1;

extern "C" [[noreturn]] void __real_exit(int status);

extern "C" [[noreturn]] void __wrap_exit(int status) {
  if (fuzz::exitLanding) {
    fuzz::lastExitStatus = status;
    std::longjmp(*fuzz::exitLanding, 1);
  }
  __real_exit(status);
}

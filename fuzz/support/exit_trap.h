// Turns the process exits of the code under a fuzzer into a return to the
// fuzz target, so that the system's deliberate ends (fatal settings, a
// command that stops the program) are outcomes rather than findings. A target
// using it links support/exit_trap.cpp with -Wl,--wrap=exit; exits outside
// FZcatchExit (the fuzzer's own) go through unchanged.
#pragma once
#include <csetjmp>

namespace fuzz {
extern std::jmp_buf* exitLanding;
extern int lastExitStatus;
}  // namespace fuzz

// Runs `body`; true when it returned, false when it ended in exit() (its
// status in fuzz::lastExitStatus). Only plain data may live in the frames
// between, since longjmp runs no destructors.
template <typename Body>
bool FZcatchExit(Body body) {
  std::jmp_buf landing;
  std::jmp_buf* outer = fuzz::exitLanding;
  if (setjmp(landing)) {
    fuzz::exitLanding = outer;
    return false;
  }
  fuzz::exitLanding = &landing;
  body();
  fuzz::exitLanding = outer;
  return true;
}

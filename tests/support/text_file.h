// Writing a whole text file, for tests and the benchmarks that share their
// layout generators (header only: the benchmarks link no test support).
#pragma once
#include <fstream>
#include <string>

// Writes text to a file (creating or truncating it); true when all of it was written.
inline bool CVwriteFile(const std::string& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << text;
  f.close();
  return !f.fail();
}

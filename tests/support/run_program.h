// Runs a program of the build as a child process and collects what it wrote,
// for tests of whole programs (batch scripts, start-up, exit statuses).
#pragma once
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "support/text_file.h"

struct CVrunResult {
  std::string out;  // standard output
  std::string err;  // standard error
  int status = -1;  // exit status, or 128 + signal number
};

struct CVrunOptions {
  std::string stdinText;                    // written to the child's standard input
  std::string cwd;                          // working directory ("" = inherit)
  std::map<std::string, std::string> env;   // set (or, with value "\x01unset", removed) on top of ours
};

CVrunResult CVrunProgram(const std::string& program, const std::vector<std::string>& args,
                         const CVrunOptions& options = {});

// Runs corvid-batch with `script` on its standard input, in `cwd` ("" = ours), with
// the bundled settings unless `options` names another SYSRC.
CVrunResult CVrunBatch(const std::string& script, const std::string& cwd = "",
                       const std::vector<std::string>& args = {}, CVrunOptions options = {});
// Whether `part` occurs in `text`, and how many times.
bool CVhas(const std::string& text, const std::string& part);
size_t CVcount(const std::string& text, const std::string& part);
// Expects every part in `text`; a missing one fails the test, shown with the whole text.
void CVexpectHas(const std::string& text, std::initializer_list<const char*> parts);

// Path of a program in the build directory (e.g. "corvid-batch").
std::string CVbuildProgram(const std::string& name);
// A fresh empty directory under the build directory, named after the running test.
std::string CVscratchDir();
std::string CVreadFile(const std::string& path);
// Absolute path of the repository's lib/ directory.
std::string CVlibDir();

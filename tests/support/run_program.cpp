#include "support/run_program.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {
std::string tempPath(const char* tag) {
  static int counter = 0;
  return std::string(CORVID_BINARY_DIR) + "/cv_run_" + std::to_string(getpid()) + "_" +
         std::to_string(counter++) + "_" + tag;
}
}  // namespace

std::string CVreadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string CVbuildProgram(const std::string& name) { return std::string(CORVID_BINARY_DIR) + "/" + name; }
std::string CVlibDir() { return std::string(CORVID_SOURCE_DIR) + "/lib"; }

std::string CVscratchDir() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "scratch";
  for (char& c : name)
    if (c == '/') c = '_';
  std::string dir = std::string(CORVID_BINARY_DIR) + "/scratch/" + name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

CVrunResult CVrunProgram(const std::string& program, const std::vector<std::string>& args,
                         const CVrunOptions& options) {
  std::string in = tempPath("in"), out = tempPath("out"), err = tempPath("err");
  CVwriteFile(in, options.stdinText);
  fflush(stdout);
  fflush(stderr);
  pid_t pid = fork();
  if (pid == 0) {
    int fi = open(in.c_str(), O_RDONLY);
    int fo = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int fe = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(fi, 0);
    dup2(fo, 1);
    dup2(fe, 2);
    if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) _exit(126);
    for (const auto& [key, value] : options.env) {
      if (value == "\x01unset")
        unsetenv(key.c_str());
      else
        setenv(key.c_str(), value.c_str(), 1);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  CVrunResult result;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = CVreadFile(out);
  result.err = CVreadFile(err);
  unlink(in.c_str());
  unlink(out.c_str());
  unlink(err.c_str());
  return result;
}

CVrunResult CVrunBatch(const std::string& script, const std::string& cwd,
                       const std::vector<std::string>& args, CVrunOptions options) {
  options.stdinText = script;
  if (!cwd.empty()) options.cwd = cwd;
  if (!options.env.count("SYSRC")) options.env["SYSRC"] = CVlibDir() + "/corvidrc";
  return CVrunProgram(CVbuildProgram("corvid-batch"), args, options);
}

bool CVhas(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

size_t CVcount(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

void CVexpectHas(const std::string& text, std::initializer_list<const char*> parts) {
  for (const char* part : parts)
    if (!CVhas(text, part)) ADD_FAILURE() << "missing \"" << part << "\" in:\n" << text;
}

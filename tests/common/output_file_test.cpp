// Output files appear only complete: a failed write keeps the previous file
// and leaves no partial one beside it.
#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/output_file.h"
#include "support/run_program.h"

namespace {
int entries(const std::string& dir) {
  int n = 0;
  DIR* d = opendir(dir.c_str());
  while (dirent* e = readdir(d)) n += e->d_name[0] != '.';
  closedir(d);
  return n;
}

bool writeText(const std::string& path, const std::string& text, bool writerOk = true) {
  return GCwriteOutputFile(path.c_str(), [&](FILE* f) {
    fputs(text.c_str(), f);
    return writerOk;
  });
}
}  // namespace

TEST(OutputFile, ReplacesOnlyWhenCompleteAndLeavesNoTemporaryFile) {
  std::string dir = CVscratchDir(), path = dir + "/out.txt";
  ASSERT_TRUE(writeText(path, "good\n"));
  EXPECT_EQ(CVreadFile(path), "good\n");
  EXPECT_FALSE(writeText(path, "half", false));
  EXPECT_EQ(CVreadFile(path), "good\n");
  EXPECT_EQ(entries(dir), 1);
  EXPECT_FALSE(writeText(dir + "/no/such/dir/x", "x"));
}

// A real write error (file size limit) in a child process: the old file stays.
TEST(OutputFile, WriteErrorIsReportedAndKeepsThePreviousFile) {
  std::string dir = CVscratchDir(), path = dir + "/out.txt";
  ASSERT_TRUE(writeText(path, "good\n"));
  pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(writeText(path, std::string(100000, 'x')) ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(CVreadFile(path), "good\n");
  EXPECT_EQ(entries(dir), 1);
}

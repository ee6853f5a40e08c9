// External programs run without a shell: file names with blanks, quotes, ";"
// and "$(...)" reach the program as they are, and a missing program leaves
// one message and no output file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/message.h"
#include "common/run_program.h"
#include "support/run_program.h"

namespace fs = std::filesystem;

TEST(RunProgram, AwkwardNamesAreJustNames) {
  const std::string dir = CVscratchDir() + "/it's a \"dir\"; $(touch injected)";
  fs::create_directories(dir);
  const std::string from = dir + "/in put; $(touch injected2) `touch injected3`";
  const std::string to = dir + "/out 'put' & copy";
  CVwriteFile(from, "text with $(x)\n");
  const char* copy[] = {"cp", from.c_str(), to.c_str(), nullptr};
  EXPECT_EQ(GCrunProgram(copy), 0);
  EXPECT_EQ(CVreadFile(to), "text with $(x)\n");
  // Standard input and output redirected to such files.
  const std::string piped = dir + "/piped \"out\";";
  const char* cat[] = {"cat", nullptr};
  EXPECT_EQ(GCrunProgram(cat, from.c_str(), piped.c_str()), 0);
  EXPECT_EQ(CVreadFile(piped), "text with $(x)\n");
  for (const char* name : {"injected", "injected2", "injected3"}) {
    EXPECT_FALSE(fs::exists(dir + "/" + name));
    EXPECT_FALSE(fs::exists(fs::path(CVscratchDir()).parent_path() / name));
  }
  // The exit status comes back.
  const std::string absent = dir + "/no such file";
  const char* failing[] = {"cp", absent.c_str(), to.c_str(), nullptr};
  EXPECT_NE(GCrunProgram(failing), 0);
}

TEST(RunProgram, MissingProgramGivesOneMessageAndNoOutputFile) {
  const std::string out = CVscratchDir() + "/report";
  GCresetMessages();
  const char* argv[] = {"corvid-no-such-solver", "-mps", nullptr};
  EXPECT_EQ(GCrunProgram(argv, nullptr, out.c_str()), -1);
  EXPECT_NE(std::string(GClastMessage()).find("corvid-no-such-solver"), std::string::npos);
  EXPECT_EQ(GClastSeverity(), 'E');
  EXPECT_FALSE(fs::exists(out));
  // An input file that cannot be read: the same, before anything starts.
  const char* cat[] = {"cat", nullptr};
  EXPECT_EQ(GCrunProgram(cat, (CVscratchDir() + "/missing input").c_str(), out.c_str()), -1);
  EXPECT_FALSE(fs::exists(out));
}

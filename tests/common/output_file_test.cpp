// An output file others append to by name before it is complete: the name
// shows nothing until finish(), the appended text lands between the writer's
// own parts, and a failure on the way leaves neither file nor temporary.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "common/output_file.h"
#include "support/run_program.h"

namespace fs = std::filesystem;

TEST(OutputFile, AppendsByNameBeforeCommitAndFailuresLeaveNothing) {
  const std::string dir = CVscratchDir();
  const std::string path = dir + "/out.cif";
  CVwriteFile(path, "previous\n");
  {
    GCoutputFile file(path.c_str());
    ASSERT_TRUE(file.stream());
    fputs("head\n", file.stream());
    ASSERT_TRUE(file.suspend());
    FILE* other = fopen(file.temporaryPath(), "a");
    ASSERT_TRUE(other);
    fputs("appended\n", other);
    fclose(other);
    EXPECT_EQ(CVreadFile(path), "previous\n");
    ASSERT_TRUE(file.resume());
    fputs("End\n", file.stream());
    EXPECT_TRUE(file.finish());
  }
  EXPECT_EQ(CVreadFile(path), "head\nappended\nEnd\n");

  {
    GCoutputFile file(path.c_str());
    fputs("half", file.stream());
    ASSERT_TRUE(file.suspend());
    // The unfinished file goes with the object when it is never finished.
  }
  {
    GCoutputFile file(path.c_str());
    fputs("refused", file.stream());
    EXPECT_FALSE(file.finish(false));
  }
  EXPECT_EQ(CVreadFile(path), "head\nappended\nEnd\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1) << "no temporary file is left";
}

// sq_out.cif and sq_out.comment written from hand-made cells: shifted into
// the positive quadrant, layers in number order with their boxes in reverse
// cell order, zero-width boxes only in the comment file, "XYZ" never written.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "compact/process_options.h"
#include "squeeze/sq_output.h"
#include "squeeze/squeeze_fixture.h"

namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

SQCELL_item cell(const char* layer, int number, int layernumber, long x1, long y1, long x2, long y2) {
  SQCELL_item c{};
  snprintf(c.layername, sizeof c.layername, "%s", layer);
  c.layernumber = layernumber;
  c.number = number;
  c.corner = {x1, y1, x2, y2};
  return c;
}

TEST_F(SqueezeTest, CifAndCommentFilesFromCells) {
  SQCELL_item cells[] = {cell("CMF", 1, 8, -200, 0, 200, 80), cell("CPG", 3, 0, 0, 40, 80, 400),
                         cell("CMF", 5, 8, 40, 40, 40, 400), cell("XYZ", 7, 9, 0, 0, 400, 400),
                         cell("CPG", 9, 0, 200, 40, 280, 120)};
  PROCESS_INCLUDE_RESIZING = 0;
  PROCESS_INCLUDE_INDUCTOR = 0;
  SQrepositioncell(cells, 5);
  EXPECT_EQ(cells[0].corner.x1, 0);
  EXPECT_EQ(cells[0].corner.y1, 0);
  testing::internal::CaptureStdout();
  SQcif(cells, 5);
  testing::internal::GetCapturedStdout();
  // 40 database units a grid unit, 0.1 um a grid unit, DS 1 1 2: a database
  // unit is half an output unit.
  EXPECT_EQ(fileText("sq_out.cif"),
            "( Output CIF file from squeeze );\n( Create by function SQcif: Osk Verrant );\n"
            "DS 1 1 2;\n9 __OUT__;\n"
            "L CPG;\n    B 40 40 220 40;\n    B 40 180 120 110;\n"
            "L CMF;\n    B 200 40 100 20;\n"
            "DF;\nC 1;\nEnd\n");
  const std::string comment = fileText("resize_report/sq_out.comment");
  EXPECT_NE(comment.find("\n      WIDTH  LENGTH XCENT  YCENT   \t(X1     X2     Y1     Y2    )\n\n"), std::string::npos);
  EXPECT_NE(comment.find("  * B 0      180    120    110   ; \t5  \t(240    240    40     400   );\n"),
            std::string::npos)
      << comment;
  EXPECT_NE(comment.find("    B 200    40     100    20    ; \t1  \t(0      400    0      80    );\n"),
            std::string::npos);
  EXPECT_EQ(comment.find("XYZ"), std::string::npos);
  EXPECT_EQ(fileText("resize_report/sq_out.cif"), fileText("sq_out.cif"));
  EXPECT_FALSE(exists("sq_out.comment"));
  // Nothing unfinished left beside the two files.
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "sq_out.cif" || name.rfind("sq_out.", 0) != 0) << name;
  }
}

}  // namespace

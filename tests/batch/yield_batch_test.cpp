// Yield commands and plot files through the real batch program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/run_program.h"

TEST(YieldBatch, SweepsOverTheAmplifierWritePlotsAndReports) {
  std::string dir = CVscratchDir();
  std::string script = "f.DIldLayout " + std::string(CORVID_SOURCE_DIR) +
                       "/examples/amplifier.cif\n"
                       "f.DYanaShort\n"  // refused: no active layer yet
                       "layer CMF\n"
                       "f.DIsetForm MinSize 4\nf.DIsetForm MaxSize 12\nf.DIsetForm Step 2\n"
                       "f.DYanaShort\nf.DYCarea\nf.DYpof\nf.DYyx\n"
                       "plots svg\nf.DYanaOpen\nf.DYCarea\n"
                       "scale 30\nf.DYcritCompS\nf.DYcritCompO\n"
                       "plots off\nplots jpeg\n";
  CVrunResult r = CVrunBatch(script, dir);
  EXPECT_EQ(r.status, 2) << "the bad plots line: " << r.err;
  CVexpectHas(r.err, {"Warning: No active layer, select one.\n",
                      "Error: Script line 18: plots takes png, svg or off, not jpeg."});
  EXPECT_FALSE(CVhas(r.err, "Script line 17")) << r.err;
  EXPECT_EQ(CVcount(r.err, "Message: One step done."), 10u) << "5 sizes from 4 to 12 microns, twice";
  CVexpectHas(r.err, {"Analyzing layout sensitivity for missing materials done.",
                      "Analyzing layout sensitivity for extra materials done.",
                      "Defect Size : 3.000 micron\n\t\tCritical Area : "});
  EXPECT_TRUE(CVhas(r.out, "Possibility of failure: ")) << r.out;
  EXPECT_EQ(CVcount(r.out, "Critical Area: "), 6u) << "every bridge size and the window command";
  namespace fs = std::filesystem;
  for (const char* f : {"sensitivity.png", "sensitivity.svg", "pof.png", "yield.png"})
    EXPECT_TRUE(fs::exists(dir + "/" + f)) << f;
  std::string csv = CVreadFile(dir + "/sensitivity.csv");  // the break sweep, written last
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6) << csv;
  EXPECT_EQ(csv.rfind("defect_size_grid,sensitivity\n4,0\n6,", 0), 0u) << "4 micron wires are cut by larger defects";
  EXPECT_FALSE(CVhas(csv, "\n12,0\n")) << csv;
  std::string yield = CVreadFile(dir + "/yield.csv");
  EXPECT_EQ(std::count(yield.begin(), yield.end(), '\n'), 21) << yield;
  EXPECT_FALSE(CVhas(yield, "\n2000,1\n")) << "bridges at the larger sizes lower the yield";
}

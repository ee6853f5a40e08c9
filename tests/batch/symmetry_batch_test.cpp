// The interactive symmetry commands through the batch program: transistors
// picked with point lines and compared, and two rectangles of four point
// lines whose transistors are paired block against block.
#include <gtest/gtest.h>

#include <string>

#include "support/circuit_layouts.h"
#include "support/run_program.h"

namespace {

// The differential pair with its mirror (lambda 80 internal units: the pair's
// gates at x 320..480 and 1280..1440, y 0..320; the mirror's at y 800..1120;
// the tail gate at 720..1040, -560..-400), and above it two equal gates
// whose diffusions are not mirror images (4 and 6 lambda on either side).
std::string layout(const std::string& dir) {
  CvLayout l;
  l.diffPairMirror();
  for (long x : {0, 30}) {
    l.box("CAA", x, 60, x + 12, 66);
    l.box("CPG", x + 4, 58, x + 6, 68);
    l.box("CSN", x - 1, 59, x + 13, 67);
  }
  std::string path = dir + "/pair.cif";
  l.writeCif(path);
  return path;
}

TEST(BatchSymmetry, PickedTransistorsAndBoundBoxBlocks) {
  std::string dir = CVscratchDir();
  std::string script =
      "f.TransSym\n"
      "f.DIldLayout " + layout(dir) + "\n"
      // the two gates of the differential pair, then one of them and the tail
      "f.SelTrans1\npoint 400 160\n"
      "f.SelTrans2\npoint 1360 160\n"
      "f.TransSym\n"
      "f.SelTrans2\npoint 880 -480\n"
      "f.TransSym\n"
      // equal gates, unequal diffusions
      "f.SelTrans1\npoint 400 4960\n"
      "f.SelTrans2\npoint 2800 4960\n"
      "f.TransSym\n"
      // the VDD rail is a net; above it nothing
      "f.SelTrans1\npoint 880 1680\n"
      "f.SelTrans1\npoint 880 3000\n"
      // left half against right half: both gate pairs match
      "f.BoundBox\n"
      "point -160 -240\npoint 800 1280\n"
      "point 960 -240\npoint 1920 1280\n"
      // the left pair against the tail: no partner
      "point -160 -240\npoint 560 1280\n"
      "point 640 -640\npoint 1120 480\n"
      // apart in x and in y
      "point -160 -240\npoint 560 480\n"
      "point 1200 800\npoint 1920 1280\n"
      // a new load frees the picked transistors
      "f.DIldLayout " + dir + "/pair.cif\n"
      "f.TransSym\n";
  CVrunResult r = CVrunBatch(script, dir);
  EXPECT_EQ(r.status, 0) << r.err;
  CVexpectHas(r.out, {"\nThe selection of first transistor was NOT okay!\nPlease reselect..\n",
                      "These two transistors are Symmetrical!!\n", "These two transistors are NOT Symmetrical!!\n",
                      "\nThe gates of the transistors are symmetrical...\nWarning : But the drain and sources are not.\n",
                      "Net number: ",
                      "x1=-160, y1=-240, x2=800, y2=1280 & isFirstSelected=0\n",
                      "x1=960, y1=-240, x2=1920, y2=1280 & isFirstSelected=1\n", "The blocks are symmetric!\n",
                      "Didnot find any transistor symmetric to ", "The blocks are NOT symmetric!\nNot Symmetrical!!!\n",
                      "I can not check common_centroid symmetry now!\n"});
  // The picked pair, the unequal-diffusion pair; the pair and the tail are not.
  EXPECT_EQ(CVcount(r.out, "These two transistors are Symmetrical!!"), 2u) << r.out;
  EXPECT_EQ(CVcount(r.out, "The selection of first transistor was NOT okay!"), 2u) << r.out;
  // Only the unequal diffusions warn.
  EXPECT_EQ(CVcount(r.out, "Warning : But the drain and sources are not."), 1u) << r.out;
  EXPECT_EQ(CVcount(r.out, "Detected symmetry between "), 2u) << r.out;
  CVexpectHas(r.err, {"Message: It is a transistor.", "Message: No object selected."});
}

}  // namespace

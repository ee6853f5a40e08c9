// The accepted language: line-start keywords, blanks before semicolons,
// keyword/word boundaries, comments, extensions, the end command.
#include "cif_fixture.h"

using Grammar = CifTest;

TEST_F(Grammar, DefinitionOnlyAtLineStartWithScale) {
  ASSERT_EQ(read("DS 1 2 1;\nDF;\nE\n"), 0);
  _layout* c = cell("CIRCUIT1");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(CIF_RATIO_A, 2);
  EXPECT_EQ(CIF_RATIO_B, 1);
  EXPECT_TRUE(GCframeEmpty(c->frame));  // no geometry yet
  EXPECT_EQ(read(" DS 1 2 1;\nDF;\nE\n"), 1);
  EXPECT_STREQ(GClastMessage(), "Error: CIF error: DS.");
  // Glued to a letter it is a word, not the keyword.
  EXPECT_EQ(read("DSX 1;\n"), 1);
  // Only one or three numbers.
  EXPECT_EQ(read("DS 1 2;\n"), 1);
  EXPECT_EQ(read("DS 1 2 0;\n"), 1);  // a zero denominator is refused
}

TEST_F(Grammar, BlankBeforeSemicolonOnlyInEnd) {
  EXPECT_EQ(read("DS 1;\nL CMF;\nB 10 10 0 0 ;\n"), 1);
  EXPECT_EQ(read("DS 1;\nL CMF ;\n"), 1);
  EXPECT_EQ(read("DS 1 ;\n"), 1);
  EXPECT_EQ(read("DS 1;\nL CMF;\nW 10 0 0 100 0 ;\n"), 1);
  EXPECT_EQ(read("DS 1;\nL CMF;\nP 0 0 10 0 10 10 ;\n"), 1);
  EXPECT_EQ(read("DS 1;\nDF ;\n"), 1);
  EXPECT_EQ(read("DS 1;\nDF;\nC 1 MX ;\n"), 1);
  EXPECT_EQ(read("DS 1;\nDF;\nE ;\n"), 0);
  EXPECT_EQ(read("DS 1;\nDF;\nE;\n"), 0);
  EXPECT_EQ(read("DS 1;\nDF;\nE\n"), 0);
  EXPECT_EQ(read("DS 1;\nDF;\nE B\n"), 1);  // the blank belongs to the end command
}

TEST_F(Grammar, ErrorLineAndTokenAreReported) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(read("DS 1;\nL CMF;\n\nB 10 10 0 0 ;\n"), 1);
  std::string err = testing::internal::GetCapturedStderr();
  // The blank is the token that cannot follow the last number.
  EXPECT_NE(err.find("error on line 4  : parse error\n"), std::string::npos) << err;
  EXPECT_STREQ(GClastMessage(), "Error: CIF error:  .");
  EXPECT_EQ(GClastSeverity(), 'E');
  // What was read before the error stays.
  EXPECT_NE(cell("CIRCUIT1"), nullptr);
}

TEST_F(Grammar, KeywordCaseAndWordBoundaries) {
  // "Box" is a box keyword, "BOX" a word; "B10" a word too.
  EXPECT_EQ(read("DS 1;\nL CMF;\nBox 10 10 0 0;\n"), 0);
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF").size(), 1u);
  EXPECT_EQ(read("DS 1;\nL CMF;\nBOX 10 10 0 0;\n"), 1);
  EXPECT_EQ(read("DS 1;\nL CMF;\nB10 10 0 0;\n"), 1);
  // Box, wire and polygon may follow a leading blank; a layer may not.
  EXPECT_EQ(read("DS 1;\nL CMF;\n B 10 10 0 0;\n\tW 10 0 0 10 0;\n P 0 0 10 0 10 10 0 10;\n"), 0);
  EXPECT_EQ(read("DS 1;\n L CMF;\n"), 1);
  // Calls and layers only at a line start.
  EXPECT_EQ(read("DS 1;\nDF; C 1;\n"), 1);
  // Commas are blanks; stray characters are ignored.
  EXPECT_EQ(read("DS 1;\nL CMF;\nB 10,10,0,0;\nB 10 10 _0 0;\n"), 0);
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF").size(), 2u);
}

TEST_F(Grammar, Comments) {
  EXPECT_EQ(read("(a comment);\nDS 1;\n  (indented);\nDF;\nE\n"), 0);
  // Without its semicolon the next command is the error.
  testing::internal::CaptureStderr();
  EXPECT_EQ(read("(a comment)\nDS 1;\n"), 1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("error on line 2 DS: parse error"), std::string::npos) << err;
  // A comment reaches over empty lines and one further line, to the last ")".
  testing::internal::CaptureStderr();
  EXPECT_EQ(read("(first\n\n\nsecond) still (comment);\nB;\n"), 1);
  err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("error on line 5 ;: parse error"), std::string::npos) << err;
  // Without a ")" in reach the "(" is ignored and the rest is read as commands.
  EXPECT_EQ(read("(\nDS 7;\nDF;\nE\n"), 0);
  EXPECT_NE(cell("CIRCUIT7"), nullptr);
}

TEST_F(Grammar, LabelExtensionAddsPinAndSelectsLayer) {
  ASSERT_EQ(read("DS 1;\nL CPG;\n94 VDD 10 10 CMF;\nB 10 10 0 0;\n95 GND 1 1 CMF;\nDF;\nE\n"), 0);
  _layout* c = cell("CIRCUIT1");
  int cmf = CTlayer("CMF");
  ASSERT_NE(c->symbol[cmf], nullptr);
  _labels* l = c->symbol[cmf]->label;
  ASSERT_NE(l, nullptr);
  EXPECT_STREQ(l->label, "VDD");
  EXPECT_EQ(l->x, 40);
  EXPECT_EQ(l->y, 40);
  EXPECT_EQ(l->next, nullptr);  // 95 is not a label
  ASSERT_NE(Gpin, nullptr);
  EXPECT_STREQ(Gpin->label, "VDD");
  EXPECT_STREQ(Gpin->layername, "CMF");
  EXPECT_EQ(Gpin->next, nullptr);
  // The box after the label went to the label's layer; labels do not extend the frame.
  EXPECT_EQ(rects(c, "CMF").size(), 1u);
  EXPECT_EQ(c->frame.x1, -20);
  EXPECT_EQ(c->frame.x2, 20);
}

TEST_F(Grammar, TopLevelCallMakesTopCell) {
  testing::internal::CaptureStdout();
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 10 10 0 0;\nDF;\nC 1 T 10 20;\nC -1;\nE\n"), 0);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("what is my name 1: CIRCUIT1\nwhat is my name 11: CIRCUIT1\n"), std::string::npos)
      << out;
  EXPECT_NE(out.find("what is my name 1: -1\nwhat is my name 11: -1\n"), std::string::npos) << out;
  // Each top-level call makes a new "CIRCUIT"; the newest is found first.
  _layout* top = GfindLayout("CIRCUIT", Gsymbols);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top, Gsymbols);
  EXPECT_EQ(Gactive, top);
  EXPECT_STREQ(top->instance->cellname, "-1");
  _layout* first = GfindLayout("CIRCUIT", top->next);
  ASSERT_NE(first, nullptr);
  // The called cell's frame, moved by the call, extends the caller.
  EXPECT_EQ(frame(first), R(40 - 20, 80 - 20, 40 + 20, 80 + 20));
}

TEST_F(Grammar, ReadingStopsAtEnd) {
  ASSERT_EQ(read("DS 1;\nDF;\nE\nDS 2;\nthis is not CIF at all ;;;"), 0);
  EXPECT_EQ(cell("CIRCUIT2"), nullptr);
  // End of file without an end command is fine; an empty file is not.
  EXPECT_EQ(read("DS 1;\nDF;\n"), 0);
  EXPECT_EQ(read(""), 1);
  EXPECT_EQ(read("DS 1;\nB 10"), 1);  // truncated
  ASSERT_EQ(readFile("DS 1;\nL CMF;\nB 10 10 0 0;\nDF;\nC 1;\nE\n"), 0);
  EXPECT_EQ(cifin, nullptr) << "the file is closed";
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF").size(), 1u);
}

TEST_F(Grammar, GeometryOutsideDefinitionsGoesToTheLastCell) {
  ASSERT_EQ(read("DS 1;\nL CMF;\nDF;\nB 10 10 0 0;\nE\n"), 0);
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF").size(), 1u);
  // A file without any definition gets a top cell on demand.
  ASSERT_EQ(read("L CPG;\nB 10 10 0 0;\nE\n"), 0);
  EXPECT_EQ(rects(cell("CIRCUIT"), "CPG").size(), 1u);
}

TEST_F(Grammar, UnknownLayerIsAReaderError) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(read("DS 1;\nL XYZ;\n"), 1);
  EXPECT_EQ(read("DS 1;\n94 VDD 1 1;\n"), 1);  // a label without a layer
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "No such a layer name XYZ\nNo such a layer name \n");
}

TEST_F(Grammar, NameExtensionAndLongCellNameIsAReaderError) {
  ASSERT_EQ(read("DS 4;\n9 adder;\n7 other;\n5 6;\nDF;\nE\n"), 0);
  EXPECT_STREQ(cell("CIRCUIT4")->cellname, "adder");
  EXPECT_EQ(read("DS 1;\n9 abcdefghijabcdefghijabcdefghij12;\n"), 1);
  EXPECT_EQ(read("DS 1;\n9 abcdefghijabcdefghijabcdefghij1;\n"), 0);
  EXPECT_STREQ(cell("CIRCUIT1")->cellname, "abcdefghijabcdefghijabcdefghij1");
}

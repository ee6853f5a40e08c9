// The equation store: rows, repeats, four-edge rows, weights, row order, text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "compact/sweep.h"

namespace {

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SWreset();
    for (int i = 0; i < 4; ++i) {
      edges[i] = _edge{};
      SWaddVariable(1, &edges[i]);
    }
    list = &rhs;
  }
  void TearDown() override {
    SWfreeRows(&rhs);
    SWreset();
  }
  std::string dump() {
    char* buf = nullptr;
    size_t len = 0;
    FILE* f = open_memstream(&buf, &len);
    SWwriteRows(f, equat_bucket, SWcolumns(1), &rhs);
    fclose(f);
    std::string s(buf, len);
    free(buf);
    return s;
  }
  _edge edges[4];
  _rhs_list rhs;
  _rhs_list* list;
};

TEST_F(StoreTest, TwoEdgeRowsAreNumberedAndRepeatsDropped) {
  EXPECT_EQ(SWcolumns(1), 4);
  EXPECT_EQ(edges[2].sub, 3);
  add_column_2(&edges[0], &edges[1], equat_bucket, &list, 120, 'G', 1, 1);
  add_column_2(&edges[1], &edges[0], equat_bucket, &list, 80, 'G', 1, 1);  // same pair, other order
  add_column_2(&edges[0], &edges[1], equat_bucket, &list, 0, 'E', 1, 1);
  add_column_2(&edges[2], &edges[1], equat_bucket, &list, 0, 'E', 1, 1);
  EXPECT_EQ(mps_column_num, 3);
  EXPECT_EQ(dump(), "2: -1*v1 +1*v2 >= 120\n3: +1*v2 -1*v3 = 0\n");
}

TEST_F(StoreTest, FourEdgeRowsAndCoefficients) {
  add_column_4(&edges[0], &edges[1], &edges[2], &edges[3], equat_bucket, &list, 40);
  add_column_4(&edges[0], &edges[1], &edges[2], &edges[2], equat_bucket, &list, 0);
  add_column_2(&edges[3], &edges[2], equat_bucket, &list, 7, 'L', 2, 3);
  EXPECT_EQ(dump(),
            "2: +1*v1 +1*v2 -1*v3 -1*v4 = 40\n3: +1*v1 +1*v2 -2*v3 = 0\n4: +2*v3 -3*v4 <= 7\n");
}

TEST_F(StoreTest, RowsStayInAscendingOrderAndWeightsRise) {
  mps_column_num = 9;
  add_rhs('G', 1, &list);
  mps_column_num = 4;
  add_rhs('E', 2, &list);
  mps_column_num = 6;
  add_rhs('L', 3, &list);
  std::vector<int> order;
  for (_rhs_item* r = rhs.head; r; r = r->next) order.push_back(r->column);
  EXPECT_EQ(order, (std::vector<int>{4, 6, 9}));
  box_item b(&edges[1], &edges[0], 0, 0, 10, 10);
  modify_alpha(equat_bucket, &b);
  EXPECT_EQ(equat_bucket[0]->alpha, 10000);
  EXPECT_EQ(equat_bucket[1]->alpha, 10000);
  EXPECT_EQ(equat_bucket[2]->alpha, 1);
}

TEST_F(StoreTest, ProgressLineEveryFiveThousandRows) {
  testing::internal::CaptureStdout();
  for (int i = 0; i < 5000; ++i) {
    mps_column_num++;
    add_rhs('G', 0, &list);
  }
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("dir 1 mps_column = 5000, line = "), std::string::npos) << out;
  EXPECT_NE(out.find("ct_left       0 "), std::string::npos);
  EXPECT_NE(out.find("\nlp_right "), std::string::npos);
}

}  // namespace

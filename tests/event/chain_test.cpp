// The input-chain state machine, driven without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/layout.h"
#include "common/message.h"
#include "display/cairo_canvas.h"
#include "display/draw.h"
#include "display/viewport.h"
#include "event/event.h"

namespace {
std::vector<std::string> calls;
int checkResult = 0;
int executeResult = 0;

std::vector<std::pair<long, long>> points(_points* p) {
  std::vector<std::pair<long, long>> v;
  for (; p; p = p->next) v.push_back({p->x, p->y});
  return v;
}

int check(_points* p, _GEvent*) {
  calls.push_back("check" + std::to_string(points(p).size()));
  return checkResult;
}
int execute(_points* p, _GEvent*) {
  calls.push_back("execute" + std::to_string(points(p).size()));
  return executeResult;
}

struct Chain : testing::Test {
  GCcairoCanvas canvas{200, 100};
  void SetUp() override {
    DEinit();
    calls.clear();
    checkResult = executeResult = 0;
    DIvpInit(&Vmain, &canvas, nullptr);
  }
  void TearDown() override {
    DEevent(nullptr);
    Vmain.canvas = nullptr;
  }
};
}  // namespace

TEST_F(Chain, ButtonStepAcceptsOnlyItsButton) {
  _GEvent step{GGEbutton1, GGRno, "pick", nullptr, execute, nullptr, nullptr, &Vmain};
  DEevent(&step);
  EXPECT_STREQ(GClastMessage(), "Message: pick.");
  DEpointWorld(2, 5, 5);
  DEpointWorld(3, 5, 5);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(GcurEvent, &step);
  DEpointWorld(1, 7, 9);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "execute1");
  // The chain repeats from its first step with its input dropped.
  EXPECT_EQ(GcurEvent, &step);
  EXPECT_EQ(GpointList, nullptr);
}

TEST_F(Chain, PointSeriesEndsWithTheSentinel) {
  std::vector<std::pair<long, long>> seen;
  static std::vector<std::pair<long, long>>* out;
  out = &seen;
  _GEvent step{GGEpoints, GGRline, "points", nullptr,
               [](_points* p, _GEvent*) {
                 *out = points(p);
                 return 1;  // keep the input: the command is done
               },
               nullptr, nullptr, &Vmain};
  executeResult = 0;
  DEevent(&step);
  DEpointWorld(1, 10, 20);
  DEpointWorld(2, 99, 99);  // ignored in a point series
  DEpointWorld(1, 30, 40);
  DEpointWorld(1, 50, 60);
  DEpointWorld(3, 0, 0);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0], std::make_pair(10L, 20L));
  EXPECT_EQ(seen[2], std::make_pair(50L, 60L));
  EXPECT_EQ(seen[3], std::make_pair(DE_SENTINEL, DE_SENTINEL));
  EXPECT_EQ(GcurEvent, nullptr);  // execute said 1: not armed again
  EXPECT_EQ(GGpointCount(), 4);   // and the input stays
}

TEST_F(Chain, CheckRejectingTheLastPointKeepsTheOthers) {
  _GEvent second{GGEbutton1, GGRbox, "second", check, execute, nullptr, nullptr, &Vmain};
  _GEvent first{GGEbutton1, GGRno, "first", nullptr, nullptr, nullptr, &second, &Vmain};
  DEevent(&first);
  DEpointWorld(1, 1, 1);
  EXPECT_EQ(GcurEvent, &second);
  checkResult = -1;
  DEpointWorld(1, 2, 2);
  EXPECT_EQ(calls, std::vector<std::string>{"check2"});
  EXPECT_EQ(GcurEvent, &second);  // waits again, same prompt
  EXPECT_STREQ(GClastMessage(), "Message: second.");
  EXPECT_EQ(GGpointCount(), 1);
  checkResult = 0;
  DEpointWorld(1, 3, 3);
  EXPECT_EQ(calls, (std::vector<std::string>{"check2", "check2", "execute2"}));
  EXPECT_EQ(GcurEvent, &first);
}

TEST_F(Chain, CheckSayingDoneEndsTheCommandWhenExecuteReturnsZero) {
  _GEvent step{GGEbutton1, GGRno, nullptr, check, execute, nullptr, nullptr, &Vmain};
  DEevent(&step);
  checkResult = 1;
  DEpointWorld(1, 4, 4);
  EXPECT_EQ(calls, (std::vector<std::string>{"check1", "execute1"}));
  EXPECT_EQ(GcurEvent, nullptr);
  EXPECT_EQ(GeventList, nullptr);
  EXPECT_EQ(GpointList, nullptr);
  DEpointWorld(1, 5, 5);  // nothing listens any more
  EXPECT_EQ(calls.size(), 2u);
}

TEST_F(Chain, ExecuteRejectingDropsTheLastPoint) {
  _GEvent step{GGEbutton3, GGRno, nullptr, nullptr, execute, nullptr, nullptr, &Vmain};
  DEevent(&step);
  executeResult = -1;
  DEpointWorld(3, 4, 4);
  EXPECT_EQ(GGpointCount(), 0);
  EXPECT_EQ(GcurEvent, &step);
}

TEST_F(Chain, PixelPressesBecomeWorldPointsThroughTheViewport) {
  Vmain.scale = 10.0f;
  Vmain.ox = 1000;
  Vmain.oy = 2000;
  std::vector<std::pair<long, long>> seen;
  static std::vector<std::pair<long, long>>* out;
  out = &seen;
  _GEvent step{GGEbutton1, GGRno, nullptr, nullptr,
               [](_points* p, _GEvent*) {
                 *out = points(p);
                 return 1;
               },
               nullptr, nullptr, &Vmain};
  DEevent(&step);
  _Gviewport other{};
  DEbuttonCB(&other, 1, 0, 0);  // another widget's press does not count
  EXPECT_TRUE(seen.empty());
  DEbuttonCB(&Vmain, 1, 20, 30);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], std::make_pair(1200L, 2000L + 700L));
}

TEST_F(Chain, RubberBandLeavesNoTraceAfterMotionAndPress) {
  GGclear(&Vmain);
  std::vector<unsigned> before;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) before.push_back(canvas.pixelAt(x, y));
  _GEvent second{GGEbutton1, GGRbox, nullptr, nullptr, execute, nullptr, nullptr, &Vmain};
  _GEvent first{GGEbutton1, GGRno, nullptr, nullptr, nullptr, nullptr, &second, &Vmain};
  DEevent(&first);
  DEbuttonCB(&Vmain, 1, 10, 10);
  EXPECT_EQ(DEmotionArmed, 1);
  DErubCB(&Vmain, 50, 40);
  EXPECT_EQ(rubed, 1);
  EXPECT_NE(canvas.pixelAt(50, 25), before[25 * 200 + 50]);  // the box edge is shown
  DErubCB(&Vmain, 120, 80);
  DErubCB(&Vmain, 90, 60);
  DEbuttonCB(&Vmain, 1, 90, 60);
  EXPECT_EQ(rubed, 0);
  std::vector<unsigned> after;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) after.push_back(canvas.pixelAt(x, y));
  EXPECT_EQ(after, before);
}

TEST_F(Chain, StartingAnotherCommandDiscardsTheRunningChain) {
  _GEvent second{GGEbutton1, GGRline, nullptr, nullptr, execute, nullptr, nullptr, &Vmain};
  _GEvent first{GGEbutton1, GGRno, nullptr, nullptr, nullptr, nullptr, &second, &Vmain};
  DEevent(&first);
  DEpointWorld(1, 1, 1);
  _GEvent other{GGEbutton2, GGRno, nullptr, nullptr, check, nullptr, nullptr, &Vmain};
  DEevent(&other);
  EXPECT_EQ(GGpointCount(), 0);
  DEpointWorld(1, 2, 2);
  EXPECT_TRUE(calls.empty());
  DEpointWorld(2, 2, 2);
  EXPECT_EQ(calls, std::vector<std::string>{"check1"});
}

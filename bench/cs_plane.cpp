// Tile-plane benchmarks over generated layouts: building a plane, point
// location from a nearby hint, and area enumeration. Layout-like input: rows
// of cells of varying width with overlapping same-layer straps, and regular
// arrays (contact and via arrays), from 10^4 to 10^6 rectangles.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <random>
#include <vector>

#include "common/switches.h"
#include "cs/cs.h"

namespace {
struct Box {
  long x1, y1, x2, y2;
};

// Rows of rectangles 3..12 units wide with 2..6 unit gaps; every fourth one
// is followed by a strap of the same layer overlapping it and its neighbours.
std::vector<Box> rowsLayout(long count, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<long> width(3, 12), gap(2, 6), height(6, 14);
  long perRow = 100;
  while (perRow * perRow < count) perRow += 100;
  std::vector<Box> out;
  out.reserve(count + 1);
  long x = 0, row = 0, inRow = 0;
  while ((long)out.size() < count) {
    long w = width(rng), y = row * 24;
    out.push_back({x * 10, y * 10, (x + w) * 10, (y + height(rng)) * 10});
    if (++inRow % 4 == 0) out.push_back({(x - 8) * 10, (y + 2) * 10, (x + w + 8) * 10, (y + 5) * 10});
    x += w + gap(rng);
    if (inRow >= perRow) x = 0, inRow = 0, ++row;
  }
  out.resize(count);
  return out;
}

// A square array of 4x4 squares on a pitch of 10 (contact/via arrays).
std::vector<Box> arrayLayout(long count) {
  long side = 1;
  while (side * side < count) ++side;
  std::vector<Box> out;
  out.reserve(count);
  for (long r = 0; r < side && (long)out.size() < count; ++r)
    for (long c = 0; c < side && (long)out.size() < count; ++c)
      out.push_back({c * 100, r * 100, c * 100 + 40, r * 100 + 40});
  return out;
}

std::vector<Box> layoutOf(int kind, long count) { return kind == 0 ? rowsLayout(count, 7) : arrayLayout(count); }

double userTime() {
  rusage u;
  getrusage(RUSAGE_SELF, &u);
  return (double)u.ru_utime.tv_sec + (double)u.ru_utime.tv_usec * 1e-6;
}

long build(const std::vector<Box>& boxes) {
  Silently = 1;
  DlayerNum = 1;
  DlayerTile[0].layer = 1;
  Stitch = DlayerTile[0].layertile = Init1LayerCS();
  for (const Box& b : boxes) {
    _rects r = GCrectOf(b.x1, b.y1, b.x2, b.y2);
    Stitch = Put1BoxCS(&r, 1, 0);
  }
  DlayerTile[0].layertile = Stitch;
  return CSliveTiles() - 8;
}

// The plane of the last (kind, count) built for the query benchmarks, kept
// between their runs: building a million rectangles takes seconds.
// Queries start from a tile near them, as callers that work region by region
// keep one: a sample of the rectangles, each with the tile under its corner
// (found by short walks in layout order once the plane is complete).
struct Sample {
  Box box;
  _Dtile* hint;
};

const std::vector<Sample>& planeFor(int kind, long count) {
  static int builtKind = -1;
  static long builtCount = -1;
  static std::vector<Sample> samples;
  if (kind != builtKind || count != builtCount) {
    std::vector<Box> boxes = layoutOf(kind, count);
    CSreset();
    build(boxes);
    samples.clear();
    const size_t step = std::max<size_t>(1, boxes.size() / 4096);
    for (size_t i = 0; i < boxes.size(); i += step) samples.push_back({boxes[i], PointFind(boxes[i].x2, boxes[i].y1)});
    builtKind = kind, builtCount = count;
  }
  return samples;
}

void BM_Build(benchmark::State& state) {
  std::vector<Box> boxes = layoutOf((int)state.range(0), state.range(1));
  long tiles = 0;
  double userSeconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    CSreset();
    double before = userTime();
    state.ResumeTiming();
    tiles = build(boxes);
    userSeconds += userTime() - before;
  }
  // User time alone: the kernel's zeroing of fresh pages is left out.
  state.counters["user_ms"] = 1000 * userSeconds / (double)state.iterations();
  state.counters["rects"] = (double)boxes.size();
  state.counters["tiles"] = (double)tiles;
  state.counters["bytes_per_tile"] = (double)CSpoolBytes() / (double)(tiles + 8);
}

// A query lands within about 20 grid units of a sampled rectangle and starts
// from that rectangle's tile.
void BM_PointFindNearby(benchmark::State& state) {
  const std::vector<Sample>& samples = planeFor((int)state.range(0), state.range(1));
  std::mt19937 rng(3);
  std::uniform_int_distribution<long> offset(-200, 200);
  std::uniform_int_distribution<size_t> pick(0, samples.size() - 1);
  for (auto _ : state) {
    const Sample& s = samples[pick(rng)];
    Stitch = s.hint;
    benchmark::DoNotOptimize(PointFind(s.box.x1 + offset(rng), s.box.y1 + offset(rng)));
  }
}

// Windows of 60 x 60 grid units (some 80 tiles) at sampled rectangles, with
// the hint on the rectangle.
void BM_AreaEnum(benchmark::State& state) {
  const std::vector<Sample>& samples = planeFor((int)state.range(0), state.range(1));
  std::mt19937 rng(5);
  std::uniform_int_distribution<size_t> pick(0, samples.size() - 1);
  long listed = 0;
  for (auto _ : state) {
    const Sample& s = samples[pick(rng)];
    Stitch = s.hint;
    _Dtilelist* list = nullptr;
    AreaEnum(s.box.x1, s.box.y1, s.box.x1 + 600, s.box.y1 + 600, &list, 1);
    for (_Dtilelist* c = list; c; c = c->next) ++listed;
    FreeList(list);
  }
  state.counters["tiles_per_window"] = (double)listed / (double)state.iterations();
}

void sizes(benchmark::internal::Benchmark* b) {
  for (int kind : {0, 1})
    for (long n : {10000L, 100000L, 1000000L}) b->Args({kind, n});
  b->ArgNames({"array", "rects"});
}
}  // namespace

BENCHMARK(BM_Build)->Apply(sizes)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointFindNearby)->Apply(sizes);
BENCHMARK(BM_AreaEnum)->Apply(sizes);

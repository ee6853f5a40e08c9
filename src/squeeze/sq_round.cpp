// Arc weights live on a grid of half a scale unit.
#include <cstdio>

#include "squeeze/sq_graph.h"

long SQhalfscale_round(long value, long scale) {
  if (scale % 4 != 0) {
    printf("ERROR:  SQhalfscale_round:  The scale of %li is not divisible by four.\n", scale);
    printf("%25s:  The scale of %li is not divisible by four.\n", "", scale);
  }
  const long h = scale / 2;
  if (h == 0) return value;
  const long magnitude = value < 0 ? -value : value;
  long r = (magnitude / h) * h;
  if (magnitude % h > scale / 4) r += h;
  return value < 0 ? -r : r;
}

// Error reports of the graph back end: they name the step and the direction.
#include <cstdio>

#include "squeeze/sq_graph.h"

const char* SQdirectionName(int direction) {
  switch (direction) {
    case NO_DIR: return "NO_DIR";
    case LEFT_RIGHT: return "LEFT_RIGHT";
    case TOP_BOTTOM: return "TOP_BOTTOM";
    case END_DIR: return "END_DIR";
    default: return "NOT_DEFINE_DIR";
  }
}

void SQerrmessage(const char* message, const char* function) {
  printf("\n**********");
  printf("\nError: Step %d: Function %s: Direction %s", step, function, SQdirectionName(resize_direction));
  printf("\n       %s", message);
  printf("\n**********\n");
}

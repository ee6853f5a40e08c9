// The four phases of the graph back end, each for one direction
// (1 LEFT_RIGHT, 2 TOP_BOTTOM): build, resize, solve, output.
#pragma once

struct _adjacency_list;
struct _rhs_list;

void SQmain_graph(_adjacency_list** eq, _rhs_list* rhs, int dir);
void SQmain_resize(_adjacency_list** eq, _rhs_list* rhs, int dir);
void SQmain_solve(_adjacency_list** eq, _rhs_list* rhs, int dir);
void SQmain_output(int dir);

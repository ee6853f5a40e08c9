// Writing solved positions back into the cells, releasing each direction's
// graph, merging the two directions' cells and writing sq_out.cif with its
// annotated twin sq_out.comment.
#pragma once

struct SQCELL_item;

extern int CIF_SCALE;  // 2, never changed

void SQupdatecell(int dir);
void SQclear(int dir);
// SQclear without its message.
void SQreleaseGraph(int dir);
void SQsynccell(SQCELL_item* lr, int nlr, SQCELL_item* tb, int ntb);
void SQrepositioncell(SQCELL_item* cells, int n);
void SQcif(SQCELL_item* cells, int n);
void SQclearcell(SQCELL_item* lr, SQCELL_item* tb);
// Frees the lines left on `n` cells and the array itself.
void SQfreeCells(SQCELL_item* cells, int n);

// The converted output value of a database length (truncated towards zero).
long SQcifValue(float value);

// The squeeze module's globals and their reset.
#include "common/memory.h"
#include "squeeze/sq_arc_lists.h"
#include "squeeze/sq_figures.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"
#include "squeeze/sq_output.h"

int resize_direction = NO_DIR;
int step = 0;

SQCELL_item* SQcell = nullptr;
int SQcell_size = 0, SQsymcell_size = 0, SQcell_size_allocate = 0;
SQARC_item* SQarc = nullptr;
int SQarc_size = 0, SQarc_size_allocate = 0;
SQARC_item* SQarc_lastinstruct = nullptr;
SQSYMARC_item* SQsymarc = nullptr;

SQCELL_item *SQcell_LR = nullptr, *SQcell_TB = nullptr;
int SQcell_size_LR = 0, SQcell_size_TB = 0, SQsymcell_size_LR = 0, SQsymcell_size_TB = 0;
int SQcell_size_allocate_LR = 0, SQcell_size_allocate_TB = 0;
SQARC_item *SQarc_LR = nullptr, *SQarc_TB = nullptr;
int SQarc_size_LR = 0, SQarc_size_TB = 0, SQarc_size_allocate_LR = 0, SQarc_size_allocate_TB = 0;
SQARC_item *SQarc_lastinstruct_LR = nullptr, *SQarc_lastinstruct_TB = nullptr;
SQSYMARC_item *SQsymarc_LR = nullptr, *SQsymarc_TB = nullptr;

void SQclear_variable() {
  SQcell = SQcell_LR = SQcell_TB = nullptr;
  SQcell_size = SQcell_size_LR = SQcell_size_TB = 0;
  SQsymcell_size = SQsymcell_size_LR = SQsymcell_size_TB = 0;
  SQcell_size_allocate = SQcell_size_allocate_LR = SQcell_size_allocate_TB = 0;
  SQarc = SQarc_LR = SQarc_TB = nullptr;
  SQarc_size = SQarc_size_LR = SQarc_size_TB = 0;
  SQarc_size_allocate = SQarc_size_allocate_LR = SQarc_size_allocate_TB = 0;
  SQarc_lastinstruct = SQarc_lastinstruct_LR = SQarc_lastinstruct_TB = nullptr;
  SQsymarc = SQsymarc_LR = SQsymarc_TB = nullptr;
}

void SQreset() {
  // Park a current graph that is neither copy, then release both copies.
  const bool hasCurrent = SQcell || SQarc || SQsymarc;
  const bool isLR = SQcell == SQcell_LR && SQarc == SQarc_LR && SQsymarc == SQsymarc_LR;
  const bool isTB = SQcell == SQcell_TB && SQarc == SQarc_TB && SQsymarc == SQsymarc_TB;
  if (hasCurrent && !isLR && !isTB) {
    const bool toLR = !SQcell_LR && !SQarc_LR && !SQsymarc_LR;
    (toLR ? SQcell_LR : SQcell_TB) = SQcell;
    (toLR ? SQcell_size_LR : SQcell_size_TB) = SQcell_size;
    (toLR ? SQsymcell_size_LR : SQsymcell_size_TB) = SQsymcell_size;
    (toLR ? SQcell_size_allocate_LR : SQcell_size_allocate_TB) = SQcell_size_allocate;
    (toLR ? SQarc_LR : SQarc_TB) = SQarc;
    (toLR ? SQarc_size_LR : SQarc_size_TB) = SQarc_size;
    (toLR ? SQarc_size_allocate_LR : SQarc_size_allocate_TB) = SQarc_size_allocate;
    (toLR ? SQarc_lastinstruct_LR : SQarc_lastinstruct_TB) = SQarc_lastinstruct;
    (toLR ? SQsymarc_LR : SQsymarc_TB) = SQsymarc;
  }
  SQcell = nullptr;
  SQarc = nullptr;
  SQsymarc = nullptr;
  SQarc_lastinstruct = nullptr;
  SQreleaseGraph(LEFT_RIGHT);
  SQreleaseGraph(TOP_BOTTOM);
  SQfreeCells(SQcell_LR, SQcell_size_allocate_LR);
  if (SQcell_TB != SQcell_LR) SQfreeCells(SQcell_TB, SQcell_size_allocate_TB);
  SQclear_variable();
  resize_direction = NO_DIR;
  step = 0;
  SQresetLongestPath();
  SQreleaseArcLists();
  for (SQdirectionFigures& f : SQfigures) f = SQdirectionFigures();
}

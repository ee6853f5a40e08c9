// Editing the arcs of the current direction's graph. Lines keep two singly
// linked lists: arcs leaving (through ori_next) and entering (through ter_next).
#include <cstdio>
#include <initializer_list>

#include "common/memory.h"
#include "common/scale.h"
#include "squeeze/sq_graph.h"

namespace {

void pushLeaving(SQLINE_item* line, SQARC_item* arc) {
  arc->ori = line;
  arc->ori_next = line->ori_next;
  line->ori_next = arc;
  ++line->no_ori;
}

void pushEntering(SQLINE_item* line, SQARC_item* arc) {
  arc->ter = line;
  arc->ter_next = line->ter_next;
  line->ter_next = arc;
  ++line->no_ter;
}

void unlinkLeaving(SQARC_item* arc) {
  SQLINE_item* line = arc->ori;
  if (!line) return;
  for (SQARC_item** at = &line->ori_next; *at; at = &(*at)->ori_next)
    if (*at == arc) {
      *at = arc->ori_next;
      --line->no_ori;
      break;
    }
  arc->ori_next = nullptr;
}

void unlinkEntering(SQARC_item* arc) {
  SQLINE_item* line = arc->ter;
  if (!line) return;
  for (SQARC_item** at = &line->ter_next; *at; at = &(*at)->ter_next)
    if (*at == arc) {
      *at = arc->ter_next;
      --line->no_ter;
      break;
    }
  arc->ter_next = nullptr;
}

// A new arc chained directly behind the last array slot (newest first).
SQARC_item* newChainedArc() {
  auto* arc = GCnew<SQARC_item>();
  if (SQarc_lastinstruct) {
    arc->list_next = SQarc_lastinstruct->list_next;
    SQarc_lastinstruct->list_next = arc;
  } else {
    // A graph without an array part: the chain starts at the newest arc.
    arc->list_next = SQarc;
    SQarc = arc;
  }
  return arc;
}

}  // namespace

SQARC_item* SQaddarc(SQLINE_item* ori, SQLINE_item* ter, long weight, int rank) {
  SQARC_item* arc = newChainedArc();
  arc->occupied = 1;
  arc->weight = SQhalfscale_round(weight, SCALE);
  arc->rank = rank;
  pushLeaving(ori, arc);
  pushEntering(ter, arc);
  ++SQarc_size;
  return arc;
}

SQSYMARC_item* SQaddsymarc(SQLINE_item* ori1, SQLINE_item* ori2, SQLINE_item* ter1,
                           SQLINE_item* ter2, int rank) {
  auto* sym = GCnew<SQSYMARC_item>();
  sym->rank = rank;
  sym->ori1 = ori1;
  sym->ori2 = ori2;
  sym->ter1 = ter1;
  sym->ter2 = ter2;
  sym->next = SQsymarc;
  SQsymarc = sym;
  SQARC_item* arcs[4];
  for (SQARC_item*& a : arcs) {
    a = newChainedArc();
    a->occupied = 1;
    a->weight = -1;
    a->rank = -1;
    a->sym = sym;
  }
  arcs[0]->rank = rank;
  sym->arc = arcs[0];
  sym->arc2 = arcs[1];
  sym->arc3 = arcs[2];
  sym->arc4 = arcs[3];
  SQarc_size += 4;
  for (SQLINE_item* l : {ori1, ori2, ter1, ter2})
    if (l) ++l->onsym;
  return sym;
}

void SQupdatearc_weight(SQLINE_item* ori, SQLINE_item* ter, long weight, int rank) {
  for (SQARC_item* a = ori->ori_next; a; a = a->ori_next)
    if (a->ter == ter) SQupdatearc_wt(a, weight, rank);
}

void SQupdatearc_wt(SQARC_item* arc, long weight, int rank) {
  arc->weight = SQhalfscale_round(weight, SCALE);
  arc->rank = rank;
}

void SQupdatearc_ori(SQARC_item* arc, SQLINE_item* line, int rank) {
  if (arc->sym) {
    printf("UHHH!!!!  Why do you want to update the sym arc??\n");
    return;
  }
  arc->rank = rank;
  unlinkLeaving(arc);
  pushLeaving(line, arc);
}

void SQupdatearc_ter(SQARC_item* arc, SQLINE_item* line, int rank) {
  if (arc->sym) {
    printf("UHHH!!!!  Why do you want to update the sym arc??\n");
    return;
  }
  arc->rank = rank;
  unlinkEntering(arc);
  pushEntering(line, arc);
}

void SQremovearc(SQARC_item* arc) {
  if (arc->occupied == 0) {
    printf("SQremovearc: Trying to remove arc %i(%p) which is not in used\n", arc->rank,
           static_cast<void*>(arc));
    return;
  }
  arc->occupied = 0;
  --SQarc_size;
  if (!arc->sym) {
    unlinkLeaving(arc);
    unlinkEntering(arc);
  } else {
    for (int i = 0; i < 3; ++i)
      printf("SQarc:  ARC REMOVED a%i(%p) IS ON SYM\n", arc->rank, static_cast<void*>(arc));
  }
  arc->weight = -1;
  arc->rank = -1;
  arc->ori = arc->ter = nullptr;
  arc->ori_next = arc->ter_next = nullptr;
}

void SQremoveallarc(SQLINE_item* a, SQLINE_item* b) {
  for (SQLINE_item* from : {a, b}) {
    SQLINE_item* to = from == a ? b : a;
    for (SQARC_item* arc = from->ori_next; arc;) {
      SQARC_item* next = arc->ori_next;
      if (arc->occupied && !arc->sym && arc->ter == to) SQremovearc(arc);
      arc = next;
    }
    if (a == b) break;
  }
}

// The pair test of two named transistors and the comparison of two blocks of
// transistors that the user declared symmetric: matched pairs go to
// final_sym_list, one block number per comparison.
#pragma once

struct _Dtransistor;

struct _listoftransistors {
  _Dtransistor* Trans;
  _listoftransistors* next;
  int deleted;  // 1 once matched
};

// True when the general pairing finds an axis between the two gates
// (x_axis or y_axis set, the other reset).
bool CallSymDetectFunctions(_Dtransistor* T1, _Dtransistor* T2);

// Pairs every transistor of list1 with the first unmatched one of list2 that
// passes the pair test; side by side (case_left_right) the lists are walked
// by gate left x ascending and gate right x descending, stacked by gate
// bottom ascending and gate top descending. Each pair is pushed on
// final_sym_list with `reference` as its centred device; *axis gets the
// axis of the last pair. False (block_number still advanced) when one
// transistor finds no partner.
int DirtyAlgo(_listoftransistors* list1, _listoftransistors* list2, long* axis, _Dtransistor* reference);

void SYfreeTransistorList(_listoftransistors* list);

// An independent reading of the equation store: rows gathered from the
// columns' non-zeros and evaluated on the input geometry, each side's
// coordinate taken from its tile's own corners (not from the variable's points).
#pragma once
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "compact/sweep.h"
#include "cs/cs.h"

struct Row {
  int number = 0;
  bool x = true;
  char type = 0;
  long value = 0;
  std::vector<std::pair<int, _edge*>> terms;  // coefficient, variable
};

// The coordinate a side has in the input.
inline long inputCoordinate(const _edge* e, bool x) {
  const _Dtile* t = e->mother_tile;
  if (x) return e->upward ? t->x1 : TileRight(t);
  return e->upward ? t->y1 : TileTop(t);
}

inline bool holds(const Row& r) {
  long v = 0;
  for (auto& [c, e] : r.terms) v += c * inputCoordinate(e, r.x);
  return r.type == 'E' ? v == r.value : r.type == 'G' ? v >= r.value : v <= r.value;
}

// Appends the rows of one direction's store to `rows`, in row-list order.
inline void collectRows(_adjacency_list** eq, int columns, const _rhs_list& rhs, bool x, std::vector<Row>& rows) {
  std::map<int, Row> byNumber;
  for (int k = 0; k < columns; ++k)
    for (_equation_item* it = eq[k]->head; it; it = it->next) byNumber[it->rank].terms.push_back({it->coeff, eq[k]->the_edge});
  for (const _rhs_item* r = rhs.head; r; r = r->next) {
    Row row = byNumber[r->column];
    row.number = r->column;
    row.x = x;
    row.type = r->type;
    row.value = r->value;
    rows.push_back(row);
  }
}

inline std::string describe(const Row& r) {
  char text[160];
  snprintf(text, sizeof text, "%ld %s", static_cast<long>(r.number), r.x ? "x:" : "y:");
  std::string s = text;
  for (auto& [c, e] : r.terms) {
    const _Dtile* t = e->mother_tile;
    snprintf(text, sizeof text, " %ld*%s%c[%ld,%ld,%ld,%ld]", static_cast<long>(c), e->name, e->upward ? '<' : '>',
             static_cast<long>(t->x1), static_cast<long>(t->y1), TileRight(t), TileTop(t));
    s += text;
  }
  return s + " " + r.type + " " + std::to_string(r.value) + "\n";
}

inline std::string describeAll(const std::vector<Row>& rows) {
  std::string s;
  for (const Row& r : rows) s += describe(r);
  return s;
}

inline std::vector<Row> violatedOf(const std::vector<Row>& rows) {
  std::vector<Row> out;
  for (const Row& r : rows)
    if (!holds(r)) out.push_back(r);
  return out;
}

// Balanced priority search tree of points (x, y), each carrying a rectangle:
// a left-leaning red-black tree ordered by x (ties by y, then by the
// rectangle's creation number), every node knowing the smallest y below it.
// EnumerateRectangle(x0, x1, ymax) reports the points with x0 <= x <= x1 and
// y <= ymax in ascending order, pruning subtrees whose smallest y is too
// large, so a query costs O(log n) plus O(log n) per point reported.
//
// The sweep stores a rectangle as the point (its top y, its bottom y), so the
// query (lo, +infinity, hi) gives every rectangle whose closed y-interval
// meets [lo, hi].
#pragma once
#include <vector>

struct box_item;

struct point {
  long x, y;
  box_item* the_box;
  long seq;  // tie-breaker: makes equal coordinates of different rectangles distinct keys
};

class RBt {
 public:
  RBt() = default;
  RBt(const RBt&) = delete;
  RBt& operator=(const RBt&) = delete;
  ~RBt();

  void BPSTinsert(long x, long y, box_item* box, long seq);
  // Removes the point with exactly these values; false when it is not stored.
  bool BPSTdelete(long x, long y, box_item* box, long seq);
  // Appends the matching points to `out` in ascending order.
  void EnumerateRectangle(long x0, long x1, long ymax, std::vector<point>& out);
  void clear();

  long treesize = 0;  // points stored
  long card = 0;      // points reported by the last query

  struct node;

 private:
  node* head = nullptr;
  static node* newNode(const point& p);
  static void freeNode(node* n);
  static node* insert(node* h, const point& p);
  static node* erase(node* h, const point& p);
  static node* eraseMin(node* h);
  static node* moveRedLeft(node* h);
  static node* moveRedRight(node* h);
  static node* balance(node* h);
  static node* rotateLeft(node* h);
  static node* rotateRight(node* h);
  static void flip(node* h);
  static bool isRed(const node* n);
  static void update(node* h);
  static bool contains(const node* h, const point& p);
  static void enumerate(const node* h, long x0, long x1, long ymax, std::vector<point>& out);
  static void destroy(node* h);
};

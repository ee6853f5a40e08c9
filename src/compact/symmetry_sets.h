// Sets of gate rectangles for symmetry detection, and the small containers
// the detection walks them with. A set is a tree of nodes, one rectangle per
// node; the resizer's detection keeps one rectangle per set (one per gate).
#pragma once
#include <vector>

struct box_item;
class RBTree;
class SYM_AXIS_LIST;

struct set_node;

struct child {
  child* sibling;
  set_node* the_son;
};

struct set_node {
  box_item* the_box = nullptr;
  set_node* parent = nullptr;
  child* children = nullptr;
};

// Fixed arrays of rectangles and sets with an in-place sort on one key.
struct box_Array {
  int size = 0;
  std::vector<box_item*> array;
  // Keys: 1 bottom y, 2 height, 3 width. Equal keys keep their order, so
  // sorting by 3, then 2, then 1 orders by bottom y, height, then width.
  void quick_sort(int first, int last, int key);
};

class set : public set_node {
 public:
  explicit set(box_item* box);  // a set of that one rectangle
  ~set();
  set(const set&) = delete;
  set& operator=(const set&) = delete;

  int nbr_elements = 0;
  long x_low = 0, y_low = 0, x_up = 0, y_up = 0;  // bounds of the first rectangle
  set* next_set = nullptr;
  set* prev_set = nullptr;

  long width() const { return x_up - x_low; }
  long height() const { return y_up - y_low; }
  // Hangs `other`'s tree below this set's root; `other` keeps no nodes.
  void UNION(set* other);
  // Every rectangle of the set, breadth first from the root.
  box_Array traversal() const;
  // Every rectangle into `tree`, keyed by left x (byRight false) or right x.
  void set2heap(RBTree& tree, bool byRight) const;
  void display() const;
};

struct set_Array {
  int size = 0;
  std::vector<set*> array;
  // Keys: 0 x_low, 1 y_low; equal keys keep their order.
  void quick_sort(int first, int last, int key);
};

struct buffer_item {
  set* the_set;
  buffer_item* next;
  buffer_item* prev;
};

// One row (or column) of sets.
class buffer {
 public:
  buffer() = default;
  buffer(const buffer&) = delete;
  buffer& operator=(const buffer&) = delete;
  ~buffer();

  buffer_item* head = nullptr;
  int elem_in_buffer = 0;

  void add(set* s);  // at the end
  void remove(buffer_item* item);
  // Key 0 orders by x_low, key 1 by y_low (ascending, stable).
  void sort(unsigned char key);
  buffer_item* end() const;
};

// First-in first-out list of tree links, for walking a set's tree.
struct queue_item {
  child* the_child;
  queue_item* next;
};

class queue {
 public:
  queue() = default;
  queue(const queue&) = delete;
  queue& operator=(const queue&) = delete;
  ~queue();
  void enqueue(child* c);
  child* dequeue();  // null when empty
  bool empty() const { return !head; }

 private:
  queue_item* head = nullptr;
  queue_item* tail = nullptr;
};

class set_list {
 public:
  set_list() = default;
  set_list(const set_list&) = delete;
  set_list& operator=(const set_list&) = delete;
  ~set_list();

  set* head = nullptr;
  int nbr_of_sets = 0;

  void add_set(set* s);  // at the front
  void delete_set(set* s);
  void delete_set_list();
  // Key 0 by x_low, key 1 by y_low; ascending, equal keys in their order.
  void sort(unsigned char key);
  // The resizer's detection: rows of equal y_low, vertical axes, merged
  // into `axes`.
  void symmetry_for_resize(SYM_AXIS_LIST* axes);
  // The general pairing: rows (vertical axes, x_axis) then columns
  // (horizontal axes, y_axis); with more than one axis, axes supported by a
  // single pair list are dropped. Returns the number of axes kept.
  int symmetry(SYM_AXIS_LIST* axes);
  void clean();
};

// One set per transistor gate of the last scan.
extern set_list Sets;

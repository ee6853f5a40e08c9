// Red-black tree of rectangles by an integer key, the ordered store that
// symmetry detection walks: every gate rectangle sits in `sym_scan_queue` at
// its left x and at its right x, and a set match keeps one side's rectangles
// by left x and the other's by right x.
#pragma once

struct box_item;

struct BinaryItem {
  BinaryItem* r;
  BinaryItem* l;
  BinaryItem* p;
  box_item* box;
  int val;
  bool red;
};

class RBTree {
 public:
  RBTree();
  RBTree(const RBTree&) = delete;
  RBTree& operator=(const RBTree&) = delete;
  ~RBTree();

  BinaryItem* head;  // root; `sink` when empty
  BinaryItem* sink;  // the shared black leaf

  // Equal keys keep their insertion order (a new item goes after its equals).
  BinaryItem* Insert(box_item* box, int val);
  void Delete(BinaryItem* item);
  // Null when the tree is empty or there is no such neighbour.
  BinaryItem* minimum() const;
  BinaryItem* maximum() const;
  BinaryItem* successor(BinaryItem* item) const;
  BinaryItem* predecessor(BinaryItem* item) const;
  bool empty() const { return head == sink; }
  int size() const { return count_; }
  void clear();

 private:
  void rotateLeft(BinaryItem* x);
  void rotateRight(BinaryItem* x);
  void transplant(BinaryItem* u, BinaryItem* v);
  void fixInsert(BinaryItem* z);
  void fixDelete(BinaryItem* x);
  BinaryItem* lowest(BinaryItem* x) const;
  BinaryItem* highest(BinaryItem* x) const;
  void release(BinaryItem* x);
  int count_ = 0;
};

// Every gate rectangle of the last scan, at its left x and at its right x.
extern RBTree sym_scan_queue;

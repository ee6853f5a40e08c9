#include "compact/symmetry_tree.h"

RBTree sym_scan_queue;

RBTree::RBTree() {
  sink = new BinaryItem{nullptr, nullptr, nullptr, nullptr, 0, false};
  sink->r = sink->l = sink->p = sink;
  head = sink;
}

RBTree::~RBTree() {
  clear();
  delete sink;
}

void RBTree::release(BinaryItem* x) {
  while (x != sink) {
    release(x->r);
    BinaryItem* left = x->l;
    delete x;
    x = left;
  }
}

void RBTree::clear() {
  release(head);
  head = sink;
  count_ = 0;
}

void RBTree::rotateLeft(BinaryItem* x) {
  BinaryItem* y = x->r;
  x->r = y->l;
  if (y->l != sink) y->l->p = x;
  y->p = x->p;
  if (x->p == sink) head = y;
  else if (x == x->p->l) x->p->l = y;
  else x->p->r = y;
  y->l = x;
  x->p = y;
}

void RBTree::rotateRight(BinaryItem* x) {
  BinaryItem* y = x->l;
  x->l = y->r;
  if (y->r != sink) y->r->p = x;
  y->p = x->p;
  if (x->p == sink) head = y;
  else if (x == x->p->r) x->p->r = y;
  else x->p->l = y;
  y->r = x;
  x->p = y;
}

BinaryItem* RBTree::Insert(box_item* box, int val) {
  BinaryItem* z = new BinaryItem{sink, sink, sink, box, val, true};
  BinaryItem* parent = sink;
  for (BinaryItem* x = head; x != sink;) {
    parent = x;
    x = val < x->val ? x->l : x->r;
  }
  z->p = parent;
  if (parent == sink) head = z;
  else if (val < parent->val) parent->l = z;
  else parent->r = z;
  fixInsert(z);
  ++count_;
  return z;
}

void RBTree::fixInsert(BinaryItem* z) {
  while (z->p->red) {
    BinaryItem* g = z->p->p;
    if (z->p == g->l) {
      BinaryItem* y = g->r;
      if (y->red) {
        z->p->red = y->red = false;
        g->red = true;
        z = g;
      } else {
        if (z == z->p->r) {
          z = z->p;
          rotateLeft(z);
        }
        z->p->red = false;
        z->p->p->red = true;
        rotateRight(z->p->p);
      }
    } else {
      BinaryItem* y = g->l;
      if (y->red) {
        z->p->red = y->red = false;
        g->red = true;
        z = g;
      } else {
        if (z == z->p->l) {
          z = z->p;
          rotateRight(z);
        }
        z->p->red = false;
        z->p->p->red = true;
        rotateLeft(z->p->p);
      }
    }
  }
  head->red = false;
}

void RBTree::transplant(BinaryItem* u, BinaryItem* v) {
  if (u->p == sink) head = v;
  else if (u == u->p->l) u->p->l = v;
  else u->p->r = v;
  v->p = u->p;
}

void RBTree::Delete(BinaryItem* z) {
  if (!z || z == sink) return;
  BinaryItem* y = z;
  bool yRed = y->red;
  BinaryItem* x;
  if (z->l == sink) {
    x = z->r;
    transplant(z, z->r);
  } else if (z->r == sink) {
    x = z->l;
    transplant(z, z->l);
  } else {
    y = lowest(z->r);
    yRed = y->red;
    x = y->r;
    if (y->p == z) {
      x->p = y;
    } else {
      transplant(y, y->r);
      y->r = z->r;
      y->r->p = y;
    }
    transplant(z, y);
    y->l = z->l;
    y->l->p = y;
    y->red = z->red;
  }
  delete z;
  --count_;
  if (!yRed) fixDelete(x);
  sink->p = sink->l = sink->r = sink;
  sink->red = false;
}

void RBTree::fixDelete(BinaryItem* x) {
  while (x != head && !x->red) {
    if (x == x->p->l) {
      BinaryItem* w = x->p->r;
      if (w->red) {
        w->red = false;
        x->p->red = true;
        rotateLeft(x->p);
        w = x->p->r;
      }
      if (!w->l->red && !w->r->red) {
        w->red = true;
        x = x->p;
      } else {
        if (!w->r->red) {
          w->l->red = false;
          w->red = true;
          rotateRight(w);
          w = x->p->r;
        }
        w->red = x->p->red;
        x->p->red = false;
        w->r->red = false;
        rotateLeft(x->p);
        x = head;
      }
    } else {
      BinaryItem* w = x->p->l;
      if (w->red) {
        w->red = false;
        x->p->red = true;
        rotateRight(x->p);
        w = x->p->l;
      }
      if (!w->r->red && !w->l->red) {
        w->red = true;
        x = x->p;
      } else {
        if (!w->l->red) {
          w->r->red = false;
          w->red = true;
          rotateLeft(w);
          w = x->p->l;
        }
        w->red = x->p->red;
        x->p->red = false;
        w->l->red = false;
        rotateRight(x->p);
        x = head;
      }
    }
  }
  x->red = false;
}

BinaryItem* RBTree::lowest(BinaryItem* x) const {
  while (x->l != sink) x = x->l;
  return x;
}

BinaryItem* RBTree::highest(BinaryItem* x) const {
  while (x->r != sink) x = x->r;
  return x;
}

BinaryItem* RBTree::minimum() const { return head == sink ? nullptr : lowest(head); }

BinaryItem* RBTree::maximum() const { return head == sink ? nullptr : highest(head); }

BinaryItem* RBTree::successor(BinaryItem* x) const {
  if (!x || x == sink) return nullptr;
  if (x->r != sink) return lowest(x->r);
  BinaryItem* y = x->p;
  while (y != sink && x == y->r) {
    x = y;
    y = y->p;
  }
  return y == sink ? nullptr : y;
}

BinaryItem* RBTree::predecessor(BinaryItem* x) const {
  if (!x || x == sink) return nullptr;
  if (x->l != sink) return highest(x->l);
  BinaryItem* y = x->p;
  while (y != sink && x == y->l) {
    x = y;
    y = y->p;
  }
  return y == sink ? nullptr : y;
}

#include "compact/priority_search_tree.h"

#include <cstddef>


struct RBt::node {
  point p;
  node* l = nullptr;
  node* r = nullptr;
  bool red = true;
  long minY = 0;  // smallest y in this subtree
};

namespace {
// Nodes are recycled: the sweep inserts and deletes millions of points.
struct NodePool {
  std::vector<RBt::node*> nodes;
  ~NodePool() {
    for (RBt::node* n : nodes) delete n;
  }
};
std::vector<RBt::node*>& freeNodes() {
  static NodePool pool;
  return pool.nodes;
}
}  // namespace

RBt::node* RBt::newNode(const point& p) {
  node* n;
  if (freeNodes().empty()) {
    n = new node;
  } else {
    n = freeNodes().back();
    freeNodes().pop_back();
  }
  n->p = p;
  n->l = n->r = nullptr;
  n->red = true;
  n->minY = p.y;
  return n;
}

void RBt::freeNode(node* n) { freeNodes().push_back(n); }

namespace {
int compare(const point& a, const point& b) {
  if (a.x != b.x) return a.x < b.x ? -1 : 1;
  if (a.y != b.y) return a.y < b.y ? -1 : 1;
  if (a.seq != b.seq) return a.seq < b.seq ? -1 : 1;
  return 0;
}
}  // namespace

RBt::~RBt() { destroy(head); }

void RBt::clear() {
  destroy(head);
  head = nullptr;
  treesize = 0;
}

void RBt::destroy(node* h) {
  while (h) {
    destroy(h->r);
    node* l = h->l;
    freeNode(h);
    h = l;
  }
}

void RBt::update(node* h) {
  long m = h->p.y;
  if (h->l && h->l->minY < m) m = h->l->minY;
  if (h->r && h->r->minY < m) m = h->r->minY;
  h->minY = m;
}

bool RBt::isRed(const node* n) { return n != nullptr && n->red; }

RBt::node* RBt::rotateLeft(node* h) {
  node* x = h->r;
  h->r = x->l;
  x->l = h;
  x->red = h->red;
  h->red = true;
  update(h);
  update(x);
  return x;
}

RBt::node* RBt::rotateRight(node* h) {
  node* x = h->l;
  h->l = x->r;
  x->r = h;
  x->red = h->red;
  h->red = true;
  update(h);
  update(x);
  return x;
}

void RBt::flip(node* h) {
  h->red = !h->red;
  h->l->red = !h->l->red;
  h->r->red = !h->r->red;
}

RBt::node* RBt::balance(node* h) {
  if (isRed(h->r) && !isRed(h->l)) h = rotateLeft(h);
  if (isRed(h->l) && isRed(h->l->l)) h = rotateRight(h);
  if (isRed(h->l) && isRed(h->r)) flip(h);
  update(h);
  return h;
}

RBt::node* RBt::insert(node* h, const point& p) {
  if (!h) return newNode(p);
  if (compare(p, h->p) < 0)
    h->l = insert(h->l, p);
  else
    h->r = insert(h->r, p);
  return balance(h);
}

void RBt::BPSTinsert(long x, long y, box_item* box, long seq) {
  head = insert(head, point{x, y, box, seq});
  head->red = false;
  ++treesize;
}

RBt::node* RBt::moveRedLeft(node* h) {
  flip(h);
  if (isRed(h->r->l)) {
    h->r = rotateRight(h->r);
    h = rotateLeft(h);
    flip(h);
  }
  return h;
}

RBt::node* RBt::moveRedRight(node* h) {
  flip(h);
  if (isRed(h->l->l)) {
    h = rotateRight(h);
    flip(h);
  }
  return h;
}

RBt::node* RBt::eraseMin(node* h) {
  if (!h->l) {
    freeNode(h);
    return nullptr;
  }
  if (!isRed(h->l) && !isRed(h->l->l)) h = moveRedLeft(h);
  h->l = eraseMin(h->l);
  return balance(h);
}

RBt::node* RBt::erase(node* h, const point& p) {
  if (compare(p, h->p) < 0) {
    if (!isRed(h->l) && !isRed(h->l->l)) h = moveRedLeft(h);
    h->l = erase(h->l, p);
  } else {
    if (isRed(h->l)) h = rotateRight(h);
    if (compare(p, h->p) == 0 && !h->r) {
      freeNode(h);
      return nullptr;
    }
    if (!isRed(h->r) && !isRed(h->r->l)) h = moveRedRight(h);
    if (compare(p, h->p) == 0) {
      node* m = h->r;
      while (m->l) m = m->l;
      h->p = m->p;
      h->r = eraseMin(h->r);
    } else {
      h->r = erase(h->r, p);
    }
  }
  return balance(h);
}

bool RBt::contains(const node* h, const point& p) {
  while (h) {
    int c = compare(p, h->p);
    if (c == 0) return true;
    h = c < 0 ? h->l : h->r;
  }
  return false;
}

bool RBt::BPSTdelete(long x, long y, box_item* box, long seq) {
  point p{x, y, box, seq};
  if (!contains(head, p)) return false;
  if (!isRed(head->l) && !isRed(head->r)) head->red = true;
  head = erase(head, p);
  if (head) head->red = false;
  --treesize;
  return true;
}

void RBt::enumerate(const node* h, long x0, long x1, long ymax, std::vector<point>& out) {
  while (h && h->minY <= ymax) {
    if (h->p.x >= x0) enumerate(h->l, x0, x1, ymax, out);
    if (h->p.x > x1) return;
    if (h->p.x >= x0 && h->p.y <= ymax) out.push_back(h->p);
    h = h->r;
  }
}

void RBt::EnumerateRectangle(long x0, long x1, long ymax, std::vector<point>& out) {
  std::size_t before = out.size();
  enumerate(head, x0, x1, ymax, out);
  card = static_cast<long>(out.size() - before);
}

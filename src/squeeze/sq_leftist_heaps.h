// Leftist heaps sharing one pool of nodes: two heaps meld in logarithmic
// time, and every key of a heap shifts at once through an add kept pending at
// its root. Nodes come in key order; the caller's `before(itemA, itemB)`
// orders nodes of equal key. Node 0 stands for the empty heap.
#pragma once

#include <utility>
#include <vector>

class SQleftistHeaps {
 public:
  struct Node {
    long key = 0;
    long pending = 0;  // still to be added to the keys of both subtrees
    int item = 0;
    int left = 0, right = 0;
    int rank = 0;  // length of the right spine
  };

  void clear() {
    nodes.assign(1, Node{});
    spare.clear();
  }

  // A heap of one node.
  int make(long key, int item) {
    int n;
    if (spare.empty()) {
      n = static_cast<int>(nodes.size());
      nodes.emplace_back();
    } else {
      n = spare.back();
      spare.pop_back();
    }
    nodes[n] = Node{key, 0, item, 0, 0, 1};
    return n;
  }

  const Node& top(int root) const { return nodes[root]; }

  // Adds `by` to every key of the heap.
  void shift(int root, long by) {
    if (!root) return;
    nodes[root].key += by;
    nodes[root].pending += by;
  }

  template <class Before>
  int meld(int a, int b, Before before) {
    if (!a) return b;
    if (!b) return a;
    if (first(b, a, before)) std::swap(a, b);
    settle(a);
    const int right = meld(nodes[a].right, b, before);
    Node& n = nodes[a];
    n.right = right;
    if (nodes[n.left].rank < nodes[n.right].rank) std::swap(n.left, n.right);
    n.rank = nodes[n.right].rank + 1;
    return a;
  }

  // Takes the top node out of the heap at `root` (which then holds the rest)
  // and returns it, alone, to be given a new key and melded again or recycled.
  template <class Before>
  int detach(int& root, Before before) {
    const int n = root;
    settle(n);
    root = meld(nodes[n].left, nodes[n].right, before);
    nodes[n].left = nodes[n].right = 0;
    nodes[n].rank = 1;
    return n;
  }

  void rekey(int n, long key) { nodes[n].key = key; }
  void recycle(int n) { spare.push_back(n); }

  // Gives every node of the heap back to the pool.
  void release(int root) {
    if (!root) return;
    std::vector<int> todo{root};
    while (!todo.empty()) {
      const int n = todo.back();
      todo.pop_back();
      for (int c : {nodes[n].left, nodes[n].right})
        if (c) todo.push_back(c);
      spare.push_back(n);
    }
  }

 private:
  template <class Before>
  bool first(int a, int b, Before& before) const {
    if (nodes[a].key != nodes[b].key) return nodes[a].key < nodes[b].key;
    return before(nodes[a].item, nodes[b].item);
  }

  // Hands the pending add of `n` down to its children.
  void settle(int n) {
    const long add = nodes[n].pending;
    if (!add) return;
    for (int c : {nodes[n].left, nodes[n].right})
      if (c) {
        nodes[c].key += add;
        nodes[c].pending += add;
      }
    nodes[n].pending = 0;
  }

  std::vector<Node> nodes = std::vector<Node>(1);
  std::vector<int> spare;
};

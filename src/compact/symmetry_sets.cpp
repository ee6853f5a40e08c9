// Gate sets and the containers the symmetry detection walks them with.
#include "compact/symmetry_sets.h"

#include <algorithm>
#include <cstdio>

#include "compact/sweep.h"
#include "compact/symmetry_tree.h"

set_list Sets;

namespace {
long boxKey(const box_item* b, int key) {
  switch (key) {
    case 1: return b->y1;
    case 2: return b->y2 - b->y1;
    default: return b->x2 - b->x1;
  }
}

void freeTree(child* c) {
  while (c) {
    freeTree(c->the_son->children);
    child* next = c->sibling;
    delete c->the_son;
    delete c;
    c = next;
  }
}
}  // namespace

void box_Array::quick_sort(int first, int last, int key) {
  if (first < 0 || last >= size || first >= last) return;
  std::stable_sort(array.begin() + first, array.begin() + last + 1,
                   [key](const box_item* a, const box_item* b) { return boxKey(a, key) < boxKey(b, key); });
}

void set_Array::quick_sort(int first, int last, int key) {
  if (first < 0 || last >= size || first >= last) return;
  std::stable_sort(array.begin() + first, array.begin() + last + 1, [key](const set* a, const set* b) {
    return key == 0 ? a->x_low < b->x_low : a->y_low < b->y_low;
  });
}

set::set(box_item* box) {
  the_box = box;
  nbr_elements = box ? 1 : 0;
  if (box) {
    x_low = box->x1;
    y_low = box->y1;
    x_up = box->x2;
    y_up = box->y2;
    box->belongs_to = this;
  }
}

set::~set() { freeTree(children); }

void set::UNION(set* other) {
  if (other == this || other->nbr_elements == 0) return;
  auto* node = new set_node{other->the_box, this, other->children};
  if (node->the_box) node->the_box->belongs_to = node;
  for (child* c = node->children; c; c = c->sibling) c->the_son->parent = node;
  children = new child{children, node};
  nbr_elements += other->nbr_elements;
  other->the_box = nullptr;
  other->children = nullptr;
  other->nbr_elements = 0;
}

box_Array set::traversal() const {
  box_Array out;
  if (the_box) out.array.push_back(the_box);
  queue pending;
  for (child* c = children; c; c = c->sibling) pending.enqueue(c);
  while (child* c = pending.dequeue()) {
    if (c->the_son->the_box) out.array.push_back(c->the_son->the_box);
    for (child* d = c->the_son->children; d; d = d->sibling) pending.enqueue(d);
  }
  out.size = static_cast<int>(out.array.size());
  return out;
}

void set::set2heap(RBTree& tree, bool byRight) const {
  box_Array boxes = traversal();
  for (box_item* b : boxes.array) tree.Insert(b, static_cast<int>(byRight ? b->x2 : b->x1));
}

void set::display() const {
  box_Array boxes = traversal();
  printf("set of %d: (%ld, %ld) - (%ld, %ld)\n", nbr_elements, x_low, y_low, x_up, y_up);
  for (box_item* b : boxes.array) printf("    box (%ld, %ld) - (%ld, %ld)\n", b->x1, b->y1, b->x2, b->y2);
}

buffer::~buffer() {
  while (head) remove(head);
}

void buffer::add(set* s) {
  auto* item = new buffer_item{s, nullptr, nullptr};
  if (!head) {
    head = item;
  } else {
    buffer_item* last = end();
    last->next = item;
    item->prev = last;
  }
  ++elem_in_buffer;
}

void buffer::remove(buffer_item* item) {
  if (item->prev) item->prev->next = item->next;
  else head = item->next;
  if (item->next) item->next->prev = item->prev;
  delete item;
  --elem_in_buffer;
}

void buffer::sort(unsigned char key) {
  set_Array sets;
  for (buffer_item* i = head; i; i = i->next) sets.array.push_back(i->the_set);
  sets.size = static_cast<int>(sets.array.size());
  sets.quick_sort(0, sets.size - 1, key);
  int k = 0;
  for (buffer_item* i = head; i; i = i->next) i->the_set = sets.array[k++];
}

buffer_item* buffer::end() const {
  buffer_item* i = head;
  while (i && i->next) i = i->next;
  return i;
}

queue::~queue() {
  while (dequeue()) {
  }
}

void queue::enqueue(child* c) {
  auto* item = new queue_item{c, nullptr};
  if (tail) tail->next = item;
  else head = item;
  tail = item;
}

child* queue::dequeue() {
  if (!head) return nullptr;
  queue_item* item = head;
  head = item->next;
  if (!head) tail = nullptr;
  child* c = item->the_child;
  delete item;
  return c;
}

set_list::~set_list() { delete_set_list(); }

void set_list::add_set(set* s) {
  s->prev_set = nullptr;
  s->next_set = head;
  if (head) head->prev_set = s;
  head = s;
  ++nbr_of_sets;
}

void set_list::delete_set(set* s) {
  if (s->prev_set) s->prev_set->next_set = s->next_set;
  else head = s->next_set;
  if (s->next_set) s->next_set->prev_set = s->prev_set;
  delete s;
  --nbr_of_sets;
}

void set_list::delete_set_list() {
  while (head) delete_set(head);
}

void set_list::clean() { delete_set_list(); }

void set_list::sort(unsigned char key) {
  set_Array sets;
  for (set* s = head; s; s = s->next_set) sets.array.push_back(s);
  sets.size = static_cast<int>(sets.array.size());
  sets.quick_sort(0, sets.size - 1, key);
  head = nullptr;
  set* prev = nullptr;
  for (set* s : sets.array) {
    s->prev_set = prev;
    s->next_set = nullptr;
    if (prev) prev->next_set = s;
    else head = s;
    prev = s;
  }
}

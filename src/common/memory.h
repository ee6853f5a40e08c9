// Zero-filling allocation with optional fixed-size pools (-o) and accounting (-S).
#pragma once
#include <cstddef>

void GCmemInit();
void* GCmalloc(size_t size);
void GCfree(void* pointer, size_t size);
void* GCballoc(size_t count, size_t size);
void* GCmemcpy(const void* source, size_t size);
size_t GCstrlen(const char* s);          // strlen + 1, 0 for null
char* GCstrcpy(const char* s);            // copy of GCstrlen(s) bytes, null for null
void GCstrfree(char* s);                  // GCfree(s, GCstrlen(s))
int GCstrcmp(const char* a, const char* b);  // fatal on a null argument

// Allocation accounting, indexed by requested size (127 collects the rest).
inline constexpr int GC_ACCOUNT_SLOTS = 128;
long GCsizeAccount(size_t size);
// Number of GCballoc refills so far for a pooled size (tests and statistics).
long GCpoolRefills(size_t size);

// Typed helpers over GCmalloc/GCfree for plain records.
template <class T> T* GCnew() { return static_cast<T*>(GCmalloc(sizeof(T))); }
template <class T> void GCdelete(T* p) { GCfree(p, sizeof(T)); }
// Deletes a linked list (through `next`), releasing what each element owns first.
template <class T, class Owned> void GCdeleteChain(T* p, Owned releaseOwned) {
  while (p) {
    T* next = p->next;
    releaseOwned(p);
    GCdelete(p);
    p = next;
  }
}
template <class T> void GCdeleteChain(T* p) {
  GCdeleteChain(p, [](T*) {});
}

#include "extract/hash.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

#include "common/memory.h"

_Dhash* Hash = nullptr;

namespace {
// Chains of eleven buckets grow linearly with the design; the exact-name index
// beside them keeps insertion and lookup constant-time while the chains keep
// their order.
using NameIndex = std::unordered_map<std::string, _DhashEntry*>;
NameIndex tranIndex, netIndex;

void freeChains(_DhashEntry* heads, int size) {
  for (int i = 0; i < size; ++i) GCdeleteChain(heads[i].next);
  GCfree(heads, sizeof(_DhashEntry) * size);
}

void insert(_DhashEntry* heads, NameIndex& index, const char* name, void* record, int bucket) {
  // One lookup: the slot is made here and filled below.
  auto [slot, fresh] = index.try_emplace(std::string(name, strnlen(name, sizeof(_DhashEntry::name))), nullptr);
  if (!fresh) return;
  _DhashEntry* e = GCnew<_DhashEntry>();
  if (!e) {
    index.erase(slot);
    printf("Fatal : Out of Space\n");
    return;
  }
  strncpy(e->name, name, sizeof e->name - 1);
  e->record = record;
  e->next = heads[bucket].next;
  heads[bucket].next = e;
  slot->second = e;
}

void* find(const NameIndex& index, const char* name) {
  if (!Hash || !name) return nullptr;
  auto it = index.find(std::string(name, strnlen(name, sizeof(_DhashEntry::name))));
  return it == index.end() ? nullptr : it->second->record;
}
}  // namespace

int ComputeHash(const char* name, int size) {
  int sum = 0;
  for (const signed char* p = reinterpret_cast<const signed char*>(name); *p; ++p) sum += *p;
  int i = sum % size;
  return i < 0 ? i + size : i;
}

void FreeHash() {
  if (Hash) {
    freeChains(Hash->tran, Hash->size);
    freeChains(Hash->net, Hash->size);
    GCdelete(Hash);
    Hash = nullptr;
  }
  tranIndex.clear();
  netIndex.clear();
}

void InitHash() {
  FreeHash();
  Hash = GCnew<_Dhash>();
  Hash->size = DEX_HASH_SIZE;
  Hash->tran = static_cast<_DhashEntry*>(GCmalloc(sizeof(_DhashEntry) * DEX_HASH_SIZE));
  Hash->net = static_cast<_DhashEntry*>(GCmalloc(sizeof(_DhashEntry) * DEX_HASH_SIZE));
}

void InsertTranToHash(const char* name, _Dtransistor* transistor) {
  if (!Hash) InitHash();
  int i = ComputeHash(name, Hash->size);
  printf("While hashing: i = %d, name = %s\n", i, name);
  insert(Hash->tran, tranIndex, name, transistor, i);
}

void InsertNetToHash(const char* name, _Dnet* net) {
  if (!Hash) InitHash();
  insert(Hash->net, netIndex, name, net, ComputeHash(name, Hash->size));
}

_Dtransistor* FindTranPosinHash(const char* name) {
  return static_cast<_Dtransistor*>(find(tranIndex, name));
}

_Dnet* FindNetPosinHash(const char* name) { return static_cast<_Dnet*>(find(netIndex, name)); }

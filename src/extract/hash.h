// The name lookup table of an extraction: transistors and nets by name.
// Eleven buckets, each a chain behind an empty head entry; the bucket of a name
// is the sum of its characters (signed bytes) modulo the size.
#pragma once

struct _Dtransistor;
struct _Dnet;

inline constexpr int DEX_HASH_SIZE = 11;

struct _DhashEntry {
  char name[16];
  void* record;
  _DhashEntry* next;
};

struct _Dhash {
  int size;
  _DhashEntry* tran;  // `size` head entries
  _DhashEntry* net;   // `size` head entries
};

extern _Dhash* Hash;

int ComputeHash(const char* name, int size);
// Replaces Hash by a fresh, empty table.
void InitHash();
void FreeHash();
void InsertTranToHash(const char* name, _Dtransistor* transistor);
void InsertNetToHash(const char* name, _Dnet* net);
_Dtransistor* FindTranPosinHash(const char* name);
_Dnet* FindNetPosinHash(const char* name);

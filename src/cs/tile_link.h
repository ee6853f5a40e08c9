// A tile's contact links (`lower`, `upper`) in 32 bits. They mostly hold list
// cells of the record arena, kept as arena references; some stages hang a
// record of their own there instead (an element tile's transistor, a critical
// tile's fault record), which goes in a slot of a side table, marked by the
// top bit. Reading and writing look like a plain pointer.
#pragma once

#include <cstdint>

#include "cs/record_arena.h"

struct _Dtilelist;

inline constexpr uint32_t CS_LINK_FOREIGN = 0x80000000u;
// The side table of records that are not arena records.
extern void** CSforeignLinks;
uint32_t CSlinkForeign(void* record);  // a slot holding `record`
void CSlinkRelease(uint32_t slot);      // the slot may be reused
void CSlinksReset();                    // every slot free (no tile left)
long CSlinkSlotsInUse();

class CSlink {
 public:
  CSlink() = default;
  CSlink(const CSlink& other) : link_(encode(other)) {}
  CSlink& operator=(const CSlink& other) { return *this = static_cast<_Dtilelist*>(other); }
  CSlink& operator=(_Dtilelist* record) {
    uint32_t old = link_;
    link_ = encode(record);
    if (old & CS_LINK_FOREIGN) CSlinkRelease(old);
    return *this;
  }
  operator _Dtilelist*() const {
    if (link_ & CS_LINK_FOREIGN) return static_cast<_Dtilelist*>(CSforeignLinks[link_ & ~CS_LINK_FOREIGN]);
    return link_ ? reinterpret_cast<_Dtilelist*>(CSarenaBase + (size_t{link_} << 3)) : nullptr;
  }
  _Dtilelist* operator->() const { return *this; }
  // The record a stage hung here, as its own type.
  template <class T>
  T* record() const {
    return reinterpret_cast<T*>(static_cast<_Dtilelist*>(*this));
  }

 private:
  static uint32_t encode(_Dtilelist* record) {
    if (!record) return 0;
    if (CSarenaHolds(record)) return CSarenaRefOf(record);
    return CSlinkForeign(record);
  }
  uint32_t link_;
};

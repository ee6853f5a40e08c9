// Slots for the records hung on tile links that live outside the arena.
#include "cs/tile_link.h"

#include <vector>

#include "common/message.h"

void** CSforeignLinks = nullptr;

namespace {
// Never destroyed: the records stay reachable from here for a leak check at exit.
std::vector<void*>& slots = *new std::vector<void*>;
std::vector<uint32_t>& freeSlots = *new std::vector<uint32_t>;
}  // namespace

uint32_t CSlinkForeign(void* record) {
  uint32_t slot;
  if (!freeSlots.empty()) {
    slot = freeSlots.back();
    freeSlots.pop_back();
    slots[slot] = record;
  } else {
    if (slots.size() >= CS_LINK_FOREIGN) GCfatal(GC_MOD_CS, 1, "Can not create a tile");
    slot = static_cast<uint32_t>(slots.size());
    slots.push_back(record);
    CSforeignLinks = slots.data();
  }
  return slot | CS_LINK_FOREIGN;
}

void CSlinkRelease(uint32_t slot) {
  slot &= ~CS_LINK_FOREIGN;
  slots[slot] = nullptr;
  freeSlots.push_back(slot);
}

void CSlinksReset() {
  slots.clear();
  freeSlots.clear();
  CSforeignLinks = slots.data();
}

long CSlinkSlotsInUse() { return static_cast<long>(slots.size() - freeSlots.size()); }

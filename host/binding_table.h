// The late binding's shared state: the host module handle and the table of
// host function addresses. Both are single atomic words, so stubs on any
// number of threads read and fill them without a lock.
#ifndef NAPSHEEN_HOST_BINDING_TABLE_H
#define NAPSHEEN_HOST_BINDING_TABLE_H

#include <atomic>

#include "mi_host.h"

namespace napsheen::binding {

// The table keeps the host's own binding layout of 548 slots; this library
// uses one per host function and never reads the others.
inline constexpr int kSlotCount = 548;

// Each host function's slot: its place in the list of host functions.
enum Slot : int {
#define NAPSHEEN_BINDING_SLOT(result, name, params, args) slot_##name,
    MI_HOST_FUNCTIONS(NAPSHEEN_BINDING_SLOT)
#undef NAPSHEEN_BINDING_SLOT
    used_slot_count
};
static_assert(used_slot_count <= kSlotCount, "every host function has a slot");
static_assert(std::atomic<void*>::is_always_lock_free, "slots and handle are plain machine words");

extern std::atomic<void*> slot_table[kSlotCount];
extern std::atomic<void*> host_module;

// An empty slot's lookup: the name in the current host module, stored in the
// slot when found. Null when not found, after the diagnostics are written.
void* look_up(Slot slot, const char* name);

} // namespace napsheen::binding

#endif

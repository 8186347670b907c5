#include "binding_table.h"

#include <type_traits>

#include "binding_messages.h"
#include "binding_platform.h"
#include "late_binding.h"
#include "shader_export.h"

namespace napsheen::binding {

// Constant-initialised: the library runs no code when it is loaded.
std::atomic<void*> slot_table[kSlotCount] = {};
std::atomic<void*> host_module{nullptr};

void* look_up(Slot slot, const char* name)
{
    void* const module = host_module.load(std::memory_order_acquire);
    if (module == nullptr)
        report_null_handle(); // and look up regardless: the platform decides what the null handle finds
    void* const address = find_export(module, name);
    if (address != nullptr) {
        // Racing stubs all store the same address; a failed lookup never stores.
        slot_table[slot].store(address, std::memory_order_release);
        return address;
    }
    report_failed_lookup(name, module, last_error());
    return nullptr;
}

} // namespace napsheen::binding

// The handle is stored before the slots are emptied, so a stub that finds its
// slot empty looks its function up in the new module.
MI_SHADER_EXPORT miInteger miSetModuleHandle(void* module)
{
    using namespace napsheen::binding;
    host_module.store(module, std::memory_order_release);
    for (std::atomic<void*>& slot : slot_table)
        slot.store(nullptr, std::memory_order_release);
    return 0;
}

static_assert(std::is_same_v<decltype(miSetModuleHandle), miSetModuleHandle_fn>, "the signature hosts look up");

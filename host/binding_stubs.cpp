// One stub per host function, under the host function's own name, so the
// shading code calls it as it would call the host. The stub hands the
// arguments and the result on unchanged; when the function cannot be found,
// its fallback answers instead.
#include <atomic>

#include "binding_fallbacks.h"
#include "binding_table.h"
#include "mi_host.h"

namespace napsheen::binding {

// How a stub reads its slot. An acquire load on x86 is one plain MOV (the
// processor keeps loads in order), but on i386, where the arguments lie on the
// stack, GCC also makes it a compiler barrier and then copies every argument
// back into its place before the tail call: 2.4 ns more per call. Nothing
// follows the read in a stub but the jump through the address read, so there
// the relaxed load is the same MOV with the same ordering, without the copies.
#if defined(__i386__)
constexpr std::memory_order kStubSlotOrder = std::memory_order_relaxed;
#else
constexpr std::memory_order kStubSlotOrder = std::memory_order_acquire;
#endif

// A call through an empty slot: the lookup, then the host function or the
// fallback. Out of line, so the bound path stays a read and a jump.
namespace unbound {
#define NAPSHEEN_BINDING_UNBOUND(result, name, params, args)                                   \
    [[gnu::noinline, gnu::cold]] result name params                                              \
    {                                                                                            \
        void* const address = look_up(slot_##name, #name);                                      \
        if (address == nullptr)                                                                  \
            return fallback::name args;                                                          \
        return reinterpret_cast<decltype(&::name)>(address) args;                                \
    }
MI_HOST_FUNCTIONS(NAPSHEEN_BINDING_UNBOUND)
#undef NAPSHEEN_BINDING_UNBOUND
} // namespace unbound

} // namespace napsheen::binding

// One call through one address, chosen from the slot: GCC turns a single tail
// call whose arguments are the stub's own into a bare jump that leaves them in place.
#define NAPSHEEN_BINDING_STUB(result, name, params, args)                                                \
    extern "C" result name params                                                                        \
    {                                                                                                    \
        using namespace napsheen::binding;                                                               \
        using HostFunction = decltype(name); /* the stub's own type is the host function's */           \
        void* const bound = slot_table[slot_##name].load(kStubSlotOrder);                                \
        HostFunction* const target = bound != nullptr ? reinterpret_cast<HostFunction*>(bound) : &unbound::name; \
        return target args;                                                                              \
    }

MI_HOST_FUNCTIONS(NAPSHEEN_BINDING_STUB)

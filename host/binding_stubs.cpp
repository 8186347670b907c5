// One stub per host function, under the host function's own name, so the
// shading code calls it as it would call the host. The stub hands the
// arguments and the result on unchanged; when the function cannot be found,
// its fallback answers instead.
#include "binding_fallbacks.h"
#include "binding_table.h"
#include "mi_host.h"

#define NAPSHEEN_BINDING_STUB(result, name, params, args)                                                \
    extern "C" result name params                                                                        \
    {                                                                                                    \
        using HostFunction = decltype(name); /* the stub's own type is the host function's */           \
        void* const address = napsheen::binding::bound_address(napsheen::binding::slot_##name, #name);  \
        if (address == nullptr)                                                                          \
            return napsheen::binding::fallback::name args;                                               \
        return reinterpret_cast<HostFunction*>(address) args;                                            \
    }

MI_HOST_FUNCTIONS(NAPSHEEN_BINDING_STUB)

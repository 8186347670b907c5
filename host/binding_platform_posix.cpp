// The binding's platform calls on POSIX, for native tests of the binding code.
#include <dlfcn.h>

#include "binding_platform.h"

namespace napsheen::binding {

namespace {
// A name the module does not export; the number Windows reports for it too.
constexpr int kNameNotFound = 127;
} // namespace

void* find_export(void* module, const char* name)
{
    dlerror(); // forget any earlier failure: last_error reports this lookup
    return dlsym(module != nullptr ? module : RTLD_DEFAULT, name);
}

int last_error()
{
    return dlerror() != nullptr ? kNameNotFound : 0;
}

FILE* error_stream()
{
    return stderr;
}

} // namespace napsheen::binding

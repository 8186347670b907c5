#include <windows.h>

#include "binding_platform.h"

namespace napsheen::binding {

void* find_export(void* module, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

int last_error()
{
    return static_cast<int>(GetLastError());
}

// The third entry of msvcrt.dll's stream table, imported as data.
FILE* error_stream()
{
    return &_iob[2];
}

} // namespace napsheen::binding

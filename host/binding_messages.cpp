// The messages go through the C runtime's own fprintf (msvcrt.dll's on
// Windows: the library links no other). mingw-w64 substitutes its own printf
// in C++ unless told not to, and any C++ standard header tells it to again,
// so this file includes C headers only.
#define __USE_MINGW_ANSI_STDIO 0

#include "binding_messages.h"

#include <stdint.h>
#include <stdio.h>

#include "binding_platform.h"

namespace napsheen::binding {

void report_null_handle()
{
    fprintf(error_stream(), "DYNLOAD: dl_handle null\n");
}

void report_failed_lookup(const char* name, const void* module, int error)
{
    // Module handles are 32-bit on the library's platform.
    const unsigned int handle = static_cast<unsigned int>(reinterpret_cast<uintptr_t>(module));
    fprintf(error_stream(), "dlsym failed on \"%s\" (handle: %08x error: %d)\n", name, handle, error);
}

} // namespace napsheen::binding

// What the late binding needs from the platform. The Windows library uses
// GetProcAddress, GetLastError and msvcrt's standard error; the native tests
// of the binding use dlsym on a dlopen handle. Plain C headers only.
#ifndef NAPSHEEN_HOST_BINDING_PLATFORM_H
#define NAPSHEEN_HOST_BINDING_PLATFORM_H

#include <stdio.h>

namespace napsheen::binding {

// The address that `module` exports under `name`, or null. The null module is
// passed to the platform as it is.
void* find_export(void* module, const char* name);

// Why the calling thread's last lookup failed.
int last_error();

// The C runtime's standard error stream.
FILE* error_stream();

} // namespace napsheen::binding

#endif

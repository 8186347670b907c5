// The late binding's two diagnostics on the C runtime's standard error.
// Plain C headers only, see binding_messages.cpp.
#ifndef NAPSHEEN_HOST_BINDING_MESSAGES_H
#define NAPSHEEN_HOST_BINDING_MESSAGES_H

namespace napsheen::binding {

// A lookup is about to be made with the null module handle.
void report_null_handle();

// A lookup found nothing; `error` is the platform's code for why.
void report_failed_lookup(const char* name, const void* module, int error);

} // namespace napsheen::binding

#endif

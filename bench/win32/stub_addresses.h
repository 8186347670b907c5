// The DLL exports its entry points only; its stubs are found through the
// DLL's symbol table, as nm lists it. Each address is taken relative to the
// exported napSheen, so the listing holds wherever the DLL is loaded.
#ifndef NAPSHEEN_BENCH_STUB_ADDRESSES_H
#define NAPSHEEN_BENCH_STUB_ADDRESSES_H

#include <string>

namespace napsheen_bench {

// Where the function `name` of the loaded DLL lies, given nm's listing of the
// DLL file and the loaded address of its napSheen. Null when the listing
// lacks either name.
void* function_in_listing(const std::string& listing, const char* name, void* loaded_napSheen);

} // namespace napsheen_bench

#endif

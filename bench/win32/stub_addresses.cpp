#include "stub_addresses.h"

#include <cstdint>
#include <cstdio>
#include <sstream>

namespace napsheen_bench {

namespace {

// The address nm lists for a C function (i386 names carry a leading underscore), or 0.
std::uintptr_t listed_address(const std::string& listing, const char* name)
{
    const std::string symbol = std::string("_") + name;
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        unsigned long address = 0;
        char kind = 0;
        char listed[128];
        if (std::sscanf(line.c_str(), "%lx %c %127s", &address, &kind, listed) == 3 && (kind == 'T' || kind == 't') &&
            symbol == listed)
            return address;
    }
    return 0;
}

} // namespace

void* function_in_listing(const std::string& listing, const char* name, void* loaded_napSheen)
{
    const std::uintptr_t wanted = listed_address(listing, name);
    const std::uintptr_t anchor = listed_address(listing, "napSheen");
    if (wanted == 0 || anchor == 0)
        return nullptr;
    return reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(loaded_napSheen) + (wanted - anchor));
}

} // namespace napsheen_bench

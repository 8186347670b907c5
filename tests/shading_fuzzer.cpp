// libFuzzer target: every input is a whole shading call (format in
// fuzz_input.h) through the library as a host loads it, checked against the
// calling contract by the case runner. A broken rule prints the call as a
// case table row and aborts, so the input is kept as a crash.
#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "case_runner.h"
#include "case_table.h"
#include "fuzz_input.h"
#include "test_library.h"

using namespace napsheen_test;

// Loads the library before the first input, so that libFuzzer counts its
// coverage from the start.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    library_under_test();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ShadingCase c = case_from_bytes(data, size);
    c.name = "fuzzed";
    // Whatever the values: the refused ray types return 0, every other one 1.
    // The runner checks the rest: host calls in the promised order (none past
    // the evaluations on a refused ray), the record's bytes, the state, the alpha.
    c.expect.returns = c.type == miRAY_SHADOW || c.type == miRAY_DISPLACE ? miFALSE : miTRUE;
    const Outcome outcome = run_case(c, library_under_test().shade);
    const std::vector<std::string> problems = check_outcome(c, outcome);
    if (problems.empty())
        return 0;
    std::cerr << "napSheen broke its calling contract:\n";
    for (const std::string& problem : problems)
        std::cerr << "  " << problem << '\n';
    std::cerr << "the call as a case table row:\n";
    write_case(std::cerr, c);
    std::abort();
}

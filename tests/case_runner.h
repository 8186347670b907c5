// Runs a shading case through a shading function with the scripted host, and
// checks what every call must satisfy besides the case's own expectations.
#ifndef NAPSHEEN_TESTS_CASE_RUNNER_H
#define NAPSHEEN_TESTS_CASE_RUNNER_H

#include <cstdint>
#include <string>
#include <vector>

#include "napSheen.h"
#include "shading_case.h"

namespace napsheen_test {

// The record as the host lays it out: fields, light storage, and the
// connection words at connection_offset bytes beside the fields.
std::vector<uint32_t> build_record_image(const ShadingCase& c);

struct Outcome {
    miBoolean returned = miFALSE;
    miColor result{};
    miVector dir{};
    std::vector<std::string> trace;      // host calls in order, as in expect_trace
    std::vector<std::string> violations; // broken rules of the calling contract
};

// Runs the case with its record in `record`, which must hold a copy of
// build_record_image(c) and stay valid for the call (it may be read-only).
Outcome run_case(const ShadingCase& c, napSheen_fn* shade, const void* record);

// Runs the case with its record in memory of its own.
Outcome run_case(const ShadingCase& c, napSheen_fn* shade);

// The host calls the library promises for this case, derived from its inputs.
std::vector<std::string> expected_trace(const ShadingCase& c);

// Differences between the outcome and the case's expectations (empty: pass).
std::vector<std::string> check_outcome(const ShadingCase& c, const Outcome& outcome);

} // namespace napsheen_test

#endif

// What the binding tests share: napSheen.dll loaded afresh for each test (no
// module handed, every slot empty), standard error captured, shading cases
// that call the host, and the lines and results the binding must produce.
#ifndef NAPSHEEN_TESTS_WIN32_BINDING_FIXTURE_H
#define NAPSHEEN_TESTS_WIN32_BINDING_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "case_runner.h"
#include "late_binding.h"
#include "napSheen.h"
#include "shading_case.h"
#include "stderr_capture.h"

namespace napsheen_test {

class FreshLibrary : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    miInteger set_module(HMODULE module) const { return set_module_handle_(module); }
    Outcome shade(const ShadingCase& c) const { return run_case(c, shade_); }

    HMODULE library_ = nullptr;
    napSheen_version_fn* version_ = nullptr;
    napSheen_init_fn* init_ = nullptr;
    napSheen_exit_fn* exit_ = nullptr;
    napSheen_fn* shade_ = nullptr;
    miSetModuleHandle_fn* set_module_handle_ = nullptr;
    StderrCapture stderr_;
};

// The address `module` exports under `name`; fails the test when there is none.
void* exported(HMODULE module, const char* name);

// A shading call that uses four host functions, in this order: mi_phen_eval
// for the connected ambient colour, the light-list function of `light_mode`
// (1 or 2), mi_sample_light for the one light, mi_compute_irradiance.
ShadingCase calling_the_host(miInteger light_mode);

// The host functions `calling_the_host(light_mode)` looks up, in that order.
std::vector<const char*> functions_used(miInteger light_mode);

// The two messages as standard error receives them.
std::string null_handle_line();
// With the error code the platform gives for this very lookup.
std::string failed_lookup_line(const char* name, HMODULE module);

// `c` as the library shades it when mi_phen_eval, the light-list functions
// and mi_compute_irradiance fall back: record values, the record's light
// list, no indirect light. The lights are left to the caller.
ShadingCase with_fallbacks(ShadingCase c);

// `c` as the library shades it with other_host.dll answering every host call.
ShadingCase served_by_other_host(ShadingCase c);

// How `outcome` differs from what the oracle makes of `model`. The host calls
// that reached this program are not compared: another module answered.
std::vector<std::string> problems_against(ShadingCase model, Outcome outcome);

} // namespace napsheen_test

#endif

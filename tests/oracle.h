// An independent model of one shading call: the material's formula evaluated
// straightforwardly in double precision, sample by sample, with no shortcut.
// Only the values the material defines as 32-bit (the unit ray direction and
// normal, the horizon cosine, the clamped retro cosine and the horizon sine)
// are rounded to 32 bits.
#ifndef NAPSHEEN_TESTS_ORACLE_H
#define NAPSHEEN_TESTS_ORACLE_H

#include "shading_case.h"

namespace napsheen_test {

struct OracleAnswer {
    miBoolean returns;
    double result[4];   // r, g, b, a
    double magnitude;   // largest sum of absolute terms over r, g, b
    miVector dir;
};

OracleAnswer oracle_shade(const ShadingCase& c);

// Fills c.expect from the oracle.
void expect_oracle(ShadingCase& c);

} // namespace napsheen_test

#endif

// --sweep FIELD=FROM:TO:N: one parameter stepped evenly from FROM to TO.
#ifndef NAPSHEEN_PREVIEW_SWEEP_H
#define NAPSHEEN_PREVIEW_SWEEP_H

#include <string>

#include "material.h"

namespace preview {

struct Sweep {
    int field = 0;
    FieldValue from, to;
    int count = 1;
};

// Failure naming the problem for a malformed sweep.
Sweep parse_sweep(const std::string& text);

// Value i of the sweep: FROM for i 0, TO for i count - 1; integers rounded.
FieldValue sweep_value(const Sweep& sweep, int i);

} // namespace preview

#endif

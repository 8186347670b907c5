// The parameter record of one shader instance as this host lays it out: the
// eleven fields, the light array's storage after them, and, when a field is
// connected, one connection word per field word at connection_offset beyond.
#ifndef NAPSHEEN_PREVIEW_SHADER_RECORD_H
#define NAPSHEEN_PREVIEW_SHADER_RECORD_H

#include <cstdint>
#include <vector>

#include "mi_host.h"
#include "napSheen_params.h"

namespace preview {

class ShaderRecord {
public:
    // `values` gives the parameter fields; the light fields come from `lights`.
    ShaderRecord(const napSheen_params& values, const std::vector<miTag>& lights,
                 const std::vector<int>& connected_fields);

    const napSheen_params* params() const { return reinterpret_cast<const napSheen_params*>(words_.data()); }
    const miShaderCall* call() const { return &call_; }

    // The field whose first word is at this address, or -1.
    int field_at(const void* address) const;

private:
    std::vector<uint32_t> words_;
    miShaderCall call_{0};
};

} // namespace preview

#endif

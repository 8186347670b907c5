#include "shader_record.h"

#include <algorithm>
#include <cstring>

#include "record_fields.h"

namespace preview {

namespace {
constexpr std::size_t kWord = sizeof(uint32_t);
}

ShaderRecord::ShaderRecord(const napSheen_params& values, const std::vector<miTag>& lights,
                           const std::vector<int>& connected_fields)
{
    const std::size_t lights_word = offsetof(napSheen_params, lights) / kWord;
    const std::size_t record_words = lights_word + std::max<std::size_t>(lights.size(), 1);
    // The connection words mirror the record, so each sits record_words words past its field.
    words_.assign(connected_fields.empty() ? record_words : 2 * record_words, 0);

    std::memcpy(words_.data(), &values, offsetof(napSheen_params, light_offset));
    napSheen_params* record = reinterpret_cast<napSheen_params*>(words_.data());
    record->light_offset = 0;
    record->light_count = static_cast<miInteger>(lights.size());
    std::copy(lights.begin(), lights.end(), words_.begin() + static_cast<std::ptrdiff_t>(lights_word));

    if (!connected_fields.empty()) {
        call_.connection_offset = static_cast<miInteger>(record_words * kWord);
        for (int field : connected_fields)
            words_[record_words + napsheen_test::kRecordFields[field].offset / kWord] = 1;
    }
}

int ShaderRecord::field_at(const void* address) const
{
    const std::ptrdiff_t offset =
        static_cast<const char*>(address) - reinterpret_cast<const char*>(words_.data());
    return napsheen_test::field_at_offset(offset);
}

} // namespace preview

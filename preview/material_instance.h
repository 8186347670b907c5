// One shader instance of the material in a scene: its laid-out record, with
// the light names turned into the scene's tags, and its connected fields.
#ifndef NAPSHEEN_PREVIEW_MATERIAL_INSTANCE_H
#define NAPSHEEN_PREVIEW_MATERIAL_INSTANCE_H

#include <array>
#include <optional>

#include "material.h"
#include "scene.h"
#include "shader_record.h"

namespace preview {

// The most lights a record may list: the light-list functions rewrite into a
// buffer of this size in each thread's state.
inline constexpr int kMaxListedLights = 64;

class MaterialInstance {
public:
    // Failure when a light name is not a light of the scene.
    MaterialInstance(const MaterialSettings& settings, const Scene& scene);

    const ShaderRecord& record() const { return record_; }

    // The value a connected field has at a point (unit direction from the
    // sphere's centre); none for a field that is not connected.
    std::optional<FieldValue> connected_value(int field, Vec3 direction) const;

private:
    struct ServedField {
        Pattern pattern;
        FieldValue first, second;
    };
    std::array<std::optional<ServedField>, kFieldCount> served_;
    ShaderRecord record_;
};

} // namespace preview

#endif

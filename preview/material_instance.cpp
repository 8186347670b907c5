#include "material_instance.h"

#include "failure.h"
#include "patterns.h"

namespace preview {

namespace {

std::vector<miTag> light_tags(const MaterialSettings& settings, const Scene& scene)
{
    std::vector<miTag> tags;
    if (!settings.lights) {
        for (const Light& light : scene.lights)
            tags.push_back(light.tag);
        return tags;
    }
    for (const std::string& name : *settings.lights) {
        const Light* light = scene.light(name);
        if (light == nullptr)
            throw Failure("--lights: no light named '" + name + "' in the scene (its lights: " +
                          scene.light_names() + ")");
        tags.push_back(light->tag);
    }
    if (tags.size() > static_cast<std::size_t>(kMaxListedLights))
        throw Failure("--lights: " + std::to_string(tags.size()) + " lights listed; at most " +
                      std::to_string(kMaxListedLights));
    return tags;
}

std::vector<int> connected_fields(const MaterialSettings& settings)
{
    std::vector<int> fields;
    for (const Connection& c : settings.connections)
        fields.push_back(c.field);
    return fields;
}

} // namespace

MaterialInstance::MaterialInstance(const MaterialSettings& settings, const Scene& scene)
    : record_(settings.values, light_tags(settings, scene), connected_fields(settings))
{
    for (const Connection& c : settings.connections) {
        const FieldValue first = get_field(settings.values, c.field);
        served_[c.field] = ServedField{c.pattern, first, c.second ? *c.second : default_second_value(first)};
    }
}

std::optional<FieldValue> MaterialInstance::connected_value(int field, Vec3 direction) const
{
    if (field < 0 || field >= kFieldCount || !served_[field])
        return std::nullopt;
    const ServedField& served = *served_[field];
    return evaluate_pattern(served.pattern, served.first, served.second, direction);
}

} // namespace preview

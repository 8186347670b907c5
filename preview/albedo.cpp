#include "albedo.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "host_state.h"
#include "material_instance.h"
#include "sampling.h"
#include "scene_setup.h"

namespace preview {

namespace {

constexpr int kEnvironmentSamples = 4096;
constexpr int kAngleStep = 5;

float largest_channel(Rgb c) { return std::fmax(c.r, std::fmax(c.g, c.b)); }

// The material without its ambient term, which is not reflected light.
MaterialSettings reflection_only(const MaterialSettings& material)
{
    MaterialSettings reflecting = material;
    reflecting.values.ambient_scale = {0.0f, 0.0f, 0.0f, material.values.ambient_scale.a};
    const int ambient_fields[] = {napsheen_test::field_index("ambient_scale"),
                                  napsheen_test::field_index("ambient_color")};
    std::vector<Connection>& connections = reflecting.connections;
    connections.erase(std::remove_if(connections.begin(), connections.end(),
                                     [&](const Connection& c) {
                                         return c.field == ambient_fields[0] || c.field == ambient_fields[1];
                                     }),
                      connections.end());
    return reflecting;
}

} // namespace

std::vector<AlbedoRow> directional_albedo(const MaterialSettings& material, const LoadedShader& shader)
{
    const Scene scene = white_environment_scene(kEnvironmentSamples);
    const MaterialInstance instance(reflection_only(material), scene);
    HostState host;
    host.scene = &scene;
    host.material = &instance;
    host.mi.shader = instance.record().call();
    shader.init_instance(&host.mi, instance.record().params());

    std::vector<AlbedoRow> rows;
    for (int angle = 0; angle <= 90; angle += kAngleStep) {
        const float radians = static_cast<float>(angle) * kPi / 180.0f;
        const Vec3 normal{0.0f, 1.0f, 0.0f};
        const Vec3 view{std::sin(radians), -std::cos(radians), 0.0f}; // towards the surface
        host.mi.type = miRAY_EYE;
        host.mi.dir = to_mi(view);
        host.mi.normal = to_mi(normal);
        host.mi.dot_nd = dot(normal, view);
        host.mi.point = {0.0f, 0.0f, 0.0f};
        miColor result;
        shader.shade()(&result, &host.mi, instance.record().params());
        rows.push_back({angle, from_mi(result)});
    }
    shader.exit_instance(&host.mi, instance.record().params());
    return rows;
}

void print_albedo_table(const std::vector<AlbedoRow>& rows, std::ostream& out)
{
    out << "# directional albedo under a uniform white environment (ambient excluded)\n"
        << "# view_angle_deg     red   green    blue\n";
    out << std::fixed << std::setprecision(4);
    for (const AlbedoRow& row : rows) {
        out << std::setw(16) << row.view_angle << std::setw(8) << row.albedo.r << std::setw(8) << row.albedo.g
            << std::setw(8) << row.albedo.b;
        if (largest_channel(row.albedo) > 1.0f)
            out << "  # above 1";
        out << '\n';
    }
}

std::string albedo_warning(const std::vector<AlbedoRow>& rows)
{
    int above = 0;
    const AlbedoRow* worst = nullptr;
    for (const AlbedoRow& row : rows)
        if (largest_channel(row.albedo) > 1.0f) {
            ++above;
            if (worst == nullptr || largest_channel(row.albedo) > largest_channel(worst->albedo))
                worst = &row;
        }
    if (worst == nullptr)
        return {};
    std::ostringstream text;
    text << "warning: the albedo exceeds 1 at " << above << " of " << rows.size() << " view angles (largest "
         << std::setprecision(3) << largest_channel(worst->albedo) << " at " << worst->view_angle
         << " degrees): this material reflects more light than it receives; the model does not conserve energy";
    return text.str();
}

} // namespace preview

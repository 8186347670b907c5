#include "renderer.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "host_state.h"
#include "irradiance.h"
#include "sampling.h"

namespace preview {

namespace {

constexpr int kTile = 32;

int tiles_across(int pixels) { return (pixels + kTile - 1) / kTile; }

// What a camera ray sees: the cloth through the library, the ground and sky through the host.
Rgb camera_sample(HostState& host, napSheen_fn* shade, const Ray& ray, uint64_t key, bool& on_cloth)
{
    const Hit hit = intersect(*host.scene, ray);
    on_cloth = hit.surface == Surface::cloth;
    if (hit.surface == Surface::ground)
        return shade_ground(*host.scene, hit, key);
    if (hit.surface == Surface::none)
        return host.scene->sky.radiance(ray.dir);

    host.sample_key = key;
    miState& state = host.mi;
    state.type = miRAY_EYE;
    state.dir = to_mi(ray.dir);
    state.normal = to_mi(hit.normal);
    state.dot_nd = dot(hit.normal, ray.dir);
    state.point = to_mi(hit.point);
    miColor result;
    shade(&result, &state, host.material->record().params());
    ++host.shading_calls;
    return from_mi(result);
}

void render_pixel(HostState& host, napSheen_fn* shade, const RenderSettings& settings, int x, int y, Image& image)
{
    const uint64_t pixel_key = mix((static_cast<uint64_t>(y) << 32) | static_cast<uint64_t>(x));
    const Point2 jitter = random_point(pixel_key, 0x9e7u);
    const int n = settings.samples_per_pixel;
    Rgb sum;
    int on_cloth_count = 0;
    for (int s = 0; s < n; ++s) {
        const Point2 in_pixel = lattice_point(s, n, jitter);
        const Ray ray = host.scene->camera.ray((static_cast<float>(x) + in_pixel.u) / static_cast<float>(settings.width),
                                               (static_cast<float>(y) + in_pixel.v) / static_cast<float>(settings.height));
        bool on_cloth = false;
        sum += camera_sample(host, shade, ray, hash_key(pixel_key, static_cast<uint64_t>(s)), on_cloth);
        on_cloth_count += on_cloth ? 1 : 0;
    }
    const float scale = 1.0f / static_cast<float>(n);
    image.set(x, y, sum * scale, static_cast<float>(on_cloth_count) * scale);
}

void render_tile(HostState& host, napSheen_fn* shade, const RenderSettings& settings, int tile, Image& image)
{
    const int x0 = (tile % tiles_across(settings.width)) * kTile;
    const int y0 = (tile / tiles_across(settings.width)) * kTile;
    for (int y = y0; y < std::min(y0 + kTile, settings.height); ++y)
        for (int x = x0; x < std::min(x0 + kTile, settings.width); ++x)
            render_pixel(host, shade, settings, x, y, image);
}

} // namespace

int64_t tile_count(const RenderSettings& settings)
{
    return static_cast<int64_t>(tiles_across(settings.width)) * tiles_across(settings.height);
}

Image render(const Scene& scene, const MaterialInstance& material, const LoadedShader& shader,
             const RenderSettings& settings, Progress& progress, RenderCounts& counts)
{
    Image image(settings.width, settings.height);
    const int tiles = static_cast<int>(tile_count(settings));
    const int threads = std::max(1, std::min(settings.threads, tiles));
    std::vector<HostState> hosts(static_cast<std::size_t>(threads));
    for (HostState& host : hosts) {
        host.scene = &scene;
        host.material = &material;
        host.mi.shader = material.record().call();
    }
    shader.init_instance(&hosts[0].mi, material.record().params());

    std::atomic<int> next_tile{0};
    auto work = [&](HostState& host) {
        for (int tile = next_tile++; tile < tiles; tile = next_tile++) {
            render_tile(host, shader.shade(), settings, tile, image);
            progress.advance(1);
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(work, std::ref(hosts[static_cast<std::size_t>(t)]));
    work(hosts[0]);
    for (std::thread& worker : workers)
        worker.join();

    shader.exit_instance(&hosts[0].mi, material.record().params());
    for (const HostState& host : hosts) {
        counts.shading_calls += host.shading_calls;
        counts.light_samples += host.light_samples;
    }
    return image;
}

} // namespace preview

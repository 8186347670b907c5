// napsheen-preview: loads napSheen.so as the renderer does and renders the
// material to an image. Exit code 2 for any problem the user can act on.
#include <chrono>
#include <cstdio>
#include <iostream>

#include "albedo.h"
#include "contact_sheet.h"
#include "failure.h"
#include "image_files.h"
#include "loaded_shader.h"
#include "material_instance.h"
#include "options.h"
#include "renderer.h"
#include "scene_setup.h"

namespace preview {

namespace {

class Stopwatch {
public:
    double seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

RenderSettings render_settings(const Options& options)
{
    return {options.scene.width, options.scene.height, options.samples_per_pixel, options.threads};
}

void print_summary(const Options& options, double seconds, const RenderCounts& counts)
{
    if (options.quiet)
        return;
    const double calls_per_second = static_cast<double>(counts.shading_calls) / seconds;
    const double samples_per_second = static_cast<double>(counts.light_samples) / seconds;
    int swatches = 1;
    for (const Sweep& sweep : options.sweeps)
        swatches *= sweep.count;
    const std::string what = (swatches > 1 ? std::to_string(swatches) + " swatches of " : std::string()) +
                             std::to_string(options.scene.width) + "x" + std::to_string(options.scene.height);
    std::fprintf(stderr,
                 "napsheen-preview: %s, %d samples per pixel, %d threads: %.2f s, %.2f M shading calls/s, "
                 "%.2f M light samples/s\n",
                 what.c_str(), options.samples_per_pixel, options.threads, seconds, calls_per_second * 1e-6,
                 samples_per_second * 1e-6);
}

// Renders the scene or the contact sheet and writes it.
void render_image(const Options& options, const LoadedShader& shader)
{
    const Scene scene = build_scene(options.scene);
    const MaterialInstance material(options.material, scene); // checks the light names before any work
    check_output_path(options.output);

    const RenderSettings settings = render_settings(options);
    RenderCounts counts;
    const Stopwatch stopwatch;
    Image image;
    {
        const bool sheet = options.mode == Mode::sweep;
        Progress progress(sheet ? contact_sheet_units(options.sweeps, settings) : tile_count(settings),
                          Progress::wanted(options.quiet));
        image = sheet ? render_contact_sheet(options.sweeps, options.material, scene, shader, settings, options.font,
                                             progress, counts)
                      : render(scene, material, shader, settings, progress, counts);
    }
    const double seconds = stopwatch.seconds();
    write_image(options.output, image);
    print_summary(options, seconds, counts);
    std::cout << options.output << '\n';
}

void albedo_report(const Options& options, const LoadedShader& shader)
{
    check_output_path(options.output);
    const std::vector<AlbedoRow> rows = directional_albedo(options.material, shader);
    const Image plot = albedo_plot(rows, options.font);
    write_image(options.output, plot);
    print_albedo_table(rows, std::cout);
    const std::string warning = albedo_warning(rows);
    if (!warning.empty())
        std::cerr << "napsheen-preview: " << warning << '\n';
    std::cout << options.output << '\n';
}

int run(int argc, char** argv)
{
    const std::optional<Options> options = parse_command_line(argc, argv);
    if (!options)
        return 0;
    const LoadedShader shader(options->library);
    if (options->mode == Mode::albedo)
        albedo_report(*options, shader);
    else
        render_image(*options, shader);
    return 0;
}

} // namespace
} // namespace preview

int main(int argc, char** argv)
{
    try {
        return preview::run(argc, argv);
    } catch (const preview::Failure& failure) {
        std::cerr << "napsheen-preview: " << failure.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "napsheen-preview: internal error: " << error.what() << '\n';
        return 1;
    }
}

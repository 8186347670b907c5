#include "options.h"

#include <CLI/CLI.hpp>

#include <array>
#include <iostream>
#include <thread>

#include "failure.h"
#include "loaded_shader.h"
#include "patterns.h"
#include "presets.h"
#include "text.h"
#include "values.h"

namespace preview {

namespace {

constexpr int kSwatchSize = 160;

// Flag texts as given; parsed after CLI11 has matched them, so every
// malformed value gets a message of ours that names the flag.
struct LightTexts {
    std::string type, angle, elevation, intensity, color;
};

struct Texts {
    std::string output, library, font, size, spp, threads, preset, lights, links;
    std::string light_size, area_samples, gather_samples, sky;
    std::array<std::string, kFieldCount> fields;
    std::vector<std::string> connections, sweeps;
    LightTexts key, rim;
    bool quiet = false, albedo = false;
};

const char* const kFooter = R"(
Lights: the scene has a key light and a rim light, each 'area' (a square of
--light-size, --area-samples samples per shading call), 'point', 'distant' or
'off'. A light stands on a circle around the sphere at the camera's distance:
--key-angle 0 --key-elevation 0 puts the key light at the camera, where the
retro-reflective sheen is brightest. Intensity is the light delivered at the
sphere's centre.

Light lists: --lights names the record's light array (default: every scene
light). --light-mode 1 keeps those listed lights that the cloth is linked to
(--link, default: every scene light); --light-mode 2 uses every scene light
that the list does not name.

Connections: --connect FIELD=PATTERN[:VALUE] serves the field through
mi_phen_eval from a pattern (checker, stripes or gradient) on the sphere,
between the field's value and VALUE (default: a fifth of the field's value).

Output: .png is 8-bit sRGB after a tone map (linear up to 0.8, then a smooth
shoulder towards 1; NaN shows magenta); .exr is linear 32-bit float RGBA,
with the cloth's coverage as alpha.)";

const char* field_help(int field)
{
    static const std::pair<const char*, const char*> kHelp[] = {
        {"ambient_scale", "multiplies ambient_color; its alpha becomes the result's"},
        {"ambient_color", "the ambient colour"},
        {"diffuse_color", "diffuse reflectance, of direct and indirect light"},
        {"retro_weight", "weight of the retro-reflective sheen"},
        {"horizon_exponent", "exponent of the horizon sheen: higher keeps it nearer grazing view"},
        {"sheen_color", "colour of both sheen lobes"},
        {"retro_spread", "width of the retro-reflective sheen; its exponent is 1/spread"},
        {"light_mode", "1: inclusive light list, 2: exclusive, else as listed"},
    };
    for (const auto& [name, help] : kHelp)
        if (std::string(name) == kRecordFields[field].name)
            return help;
    return "";
}

std::string field_type(int field)
{
    switch (kRecordFields[field].kind) {
    case FieldKind::color:
        return "R,G,B[,A]";
    case FieldKind::scalar:
        return "X";
    default:
        return "N";
    }
}

void add_light_flags(CLI::App& app, const std::string& name, LightTexts& texts)
{
    const std::string group = "Light set-up";
    app.add_option("--" + name, texts.type, "the " + name + " light: area, point, distant or off")
        ->type_name("TYPE")->group(group);
    app.add_option("--" + name + "-angle", texts.angle, "degrees around the sphere from the camera, to the left")
        ->type_name("DEGREES")
        ->group(group);
    app.add_option("--" + name + "-elevation", texts.elevation, "degrees above the camera's elevation")
        ->type_name("DEGREES")->group(group);
    app.add_option("--" + name + "-intensity", texts.intensity, "light delivered at the sphere's centre")
        ->type_name("X")->group(group);
    app.add_option("--" + name + "-color", texts.color, "colour")
        ->type_name("R,G,B")->group(group);
}

void define_flags(CLI::App& app, Texts& t)
{
    // A flag given twice takes its last value, so a later flag overrides an earlier one.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("-o,--output", t.output,
                   "image file, .png or .exr (default out/preview.png, out/sweep.png, out/albedo.png)")
        ->type_name("PATH");
    app.add_option("--size", t.size, "image size N or WxH (default 512; with --sweep, each swatch: 160)")
        ->type_name("N|WxH");
    app.add_option("--spp", t.spp, "camera samples per pixel (default 16)")
        ->type_name("N");
    app.add_option("--threads", t.threads, "rendering threads (default: every core)")
        ->type_name("N");
    app.add_flag("-q,--quiet", t.quiet, "no progress bar and no summary line");
    app.add_option("--library", t.library, "the napSheen library to load (default: the one beside this program)")
        ->type_name("PATH");
    app.add_option("--font", t.font, "TrueType font for labels (default DejaVu Sans)")
        ->type_name("PATH");

    const std::string material = "Material";
    app.add_option("--preset", t.preset, "a named material: " + preset_names())
        ->type_name("NAME")->group(material);
    for (int field = 0; field < kFieldCount; ++field)
        if (is_parameter(field))
            app.add_option(field_flag(field), t.fields[static_cast<std::size_t>(field)], field_help(field))
                ->type_name(field_type(field))
                ->group(material);
    app.add_option("--lights", t.lights, "the record's light list: names, comma-separated ('none': empty)")
        ->type_name("NAMES")
        ->group(material);
    app.add_option("--connect", t.connections, "FIELD=PATTERN[:VALUE], repeatable")
        ->type_name("FIELD=PATTERN[:VALUE]")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group(material);

    add_light_flags(app, "key", t.key);
    add_light_flags(app, "rim", t.rim);
    const std::string lights = "Light set-up";
    app.add_option("--link", t.links, "the lights the cloth is linked to, for --light-mode 1")
        ->type_name("NAMES")->group(lights);
    app.add_option("--light-size", t.light_size, "edge of the area lights (default 1.5)")
        ->type_name("X")->group(lights);
    app.add_option("--area-samples", t.area_samples, "samples per area light and shading call (default 4)")
        ->type_name("N")
        ->group(lights);
    app.add_option("--gather-samples", t.gather_samples, "directions per irradiance request (default 8)")
        ->type_name("N")
        ->group(lights);
    app.add_option("--sky", t.sky, "brightness of the sky (default 1; 0 for none)")
        ->type_name("X")->group(lights);

    const std::string modes = "Other outputs";
    app.add_option("--sweep", t.sweeps, "FIELD=FROM:TO:N, once or twice: a contact sheet")
        ->type_name("FIELD=FROM:TO:N")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group(modes);
    app.add_flag("--albedo", t.albedo, "directional albedo against view angle: table and plot")->group(modes);
}

LightType light_type(const std::string& text, const std::string& flag)
{
    if (text == "area")
        return LightType::area;
    if (text == "point")
        return LightType::point;
    if (text == "distant")
        return LightType::distant;
    if (text == "off")
        return LightType::off;
    throw Failure(flag + ": '" + text + "' is not a light type (area, point, distant or off)");
}

void apply_light(const CLI::App& app, const std::string& name, const LightTexts& texts, LightPlacement& placement)
{
    const auto given = [&](const std::string& suffix) { return app.count("--" + name + suffix) > 0; };
    if (given(""))
        placement.type = light_type(texts.type, "--" + name);
    if (given("-angle"))
        placement.angle = parse_number(texts.angle, "--" + name + "-angle");
    if (given("-elevation"))
        placement.elevation = parse_number(texts.elevation, "--" + name + "-elevation");
    if (given("-intensity"))
        placement.intensity = parse_number(texts.intensity, "--" + name + "-intensity");
    if (given("-color")) {
        const miColor c = parse_color(texts.color, "--" + name + "-color");
        placement.color = {c.r, c.g, c.b};
    }
}

Connection parse_connection(const std::string& text)
{
    const std::string flag = "--connect";
    const FieldAssignment assignment = parse_field_assignment(text, flag, "FIELD=PATTERN[:VALUE]");
    Connection connection;
    connection.field = assignment.field;
    if (kRecordFields[connection.field].kind == FieldKind::integer)
        throw Failure(flag + ": " + kRecordFields[connection.field].name +
                      " is an integer; patterns serve colours and scalars");
    const std::string& rest = assignment.rest;
    const std::size_t colon = rest.find(':');
    const std::string pattern_name = rest.substr(0, colon);
    const std::optional<Pattern> pattern = pattern_named(pattern_name);
    if (!pattern)
        throw Failure(flag + ": '" + pattern_name + "' is not a pattern (" + pattern_names() + ")");
    connection.pattern = *pattern;
    if (colon != std::string::npos)
        connection.second = parse_field_value(connection.field, rest.substr(colon + 1), flag);
    return connection;
}

MaterialSettings material_settings(const CLI::App& app, const Texts& t)
{
    MaterialSettings material;
    const Preset* preset = app.count("--preset") > 0 ? preset_named(t.preset) : &presets().front();
    if (preset == nullptr)
        throw Failure("--preset: '" + t.preset + "' is not a preset (" + preset_names() + ")");
    material.values = preset->values;
    for (int field = 0; field < kFieldCount; ++field)
        if (is_parameter(field) && app.count(field_flag(field)) > 0)
            set_field(material.values, field,
                      parse_field_value(field, t.fields[static_cast<std::size_t>(field)], field_flag(field)));
    if (app.count("--lights") > 0)
        material.lights = parse_names(t.lights, "--lights");
    for (const std::string& text : t.connections) {
        material.connections.push_back(parse_connection(text));
        for (std::size_t i = 0; i + 1 < material.connections.size(); ++i)
            if (material.connections[i].field == material.connections.back().field)
                throw Failure("--connect: " + std::string(kRecordFields[material.connections[i].field].name) +
                              " is connected twice");
    }
    return material;
}

std::vector<Sweep> sweeps(const Texts& t)
{
    if (t.sweeps.size() > 2)
        throw Failure("--sweep: given " + std::to_string(t.sweeps.size()) + " times; at most twice (a grid)");
    std::vector<Sweep> parsed;
    for (const std::string& text : t.sweeps)
        parsed.push_back(parse_sweep(text));
    if (parsed.size() == 2 && parsed[0].field == parsed[1].field)
        throw Failure("--sweep: " + std::string(kRecordFields[parsed[0].field].name) + " is swept twice");
    return parsed;
}

// A contact sheet holds at most as many pixels as the largest single image.
void check_sheet_size(const std::vector<Sweep>& sweeps, ImageSize swatch)
{
    constexpr double kMostPixels = 8192.0 * 8192.0;
    double pixels = static_cast<double>(swatch.width) * static_cast<double>(swatch.height);
    for (const Sweep& sweep : sweeps)
        pixels *= sweep.count;
    if (pixels > kMostPixels)
        throw Failure("--sweep: the contact sheet would hold " + std::to_string(static_cast<long long>(pixels)) +
                      " pixels of swatches; at most 8192x8192: use a smaller --size");
}

Options options_from(const CLI::App& app, const Texts& t)
{
    Options options;
    options.sweeps = sweeps(t);
    if (!options.sweeps.empty() && t.albedo)
        throw Failure("--sweep and --albedo cannot be combined");
    options.mode = t.albedo ? Mode::albedo : options.sweeps.empty() ? Mode::render : Mode::sweep;

    const char* default_output = options.mode == Mode::render  ? "out/preview.png"
                                 : options.mode == Mode::sweep ? "out/sweep.png"
                                                               : "out/albedo.png";
    options.output = app.count("--output") > 0 ? t.output : default_output;
    if (options.output.empty())
        throw Failure("--output: the path is empty");
    options.library = app.count("--library") > 0 ? t.library : default_library_path();
    options.font = app.count("--font") > 0 ? t.font : default_font_path();
    options.quiet = t.quiet;

    const int default_size = options.mode == Mode::sweep ? kSwatchSize : options.scene.width;
    const ImageSize size = app.count("--size") > 0 ? parse_size(t.size, "--size") : ImageSize{default_size, default_size};
    options.scene.width = size.width;
    options.scene.height = size.height;
    check_sheet_size(options.sweeps, size);
    if (app.count("--spp") > 0)
        options.samples_per_pixel = parse_positive(t.spp, "--spp");
    options.threads = app.count("--threads") > 0 ? parse_positive(t.threads, "--threads")
                                                 : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

    apply_light(app, "key", t.key, options.scene.key);
    apply_light(app, "rim", t.rim, options.scene.rim);
    if (app.count("--link") > 0)
        options.scene.links = parse_names(t.links, "--link");
    if (app.count("--light-size") > 0) {
        options.scene.light_size = parse_number(t.light_size, "--light-size");
        if (options.scene.light_size <= 0.0f)
            throw Failure("--light-size: " + t.light_size + " is too small; it must be above 0");
    }
    if (app.count("--area-samples") > 0)
        options.scene.area_samples = parse_positive(t.area_samples, "--area-samples");
    if (app.count("--gather-samples") > 0)
        options.scene.gather_samples = parse_positive(t.gather_samples, "--gather-samples");
    if (app.count("--sky") > 0) {
        options.scene.sky = parse_number(t.sky, "--sky");
        if (options.scene.sky < 0.0f)
            throw Failure("--sky: " + t.sky + " is negative; 0 turns the sky off");
    }

    options.material = material_settings(app, t);
    return options;
}

} // namespace

std::optional<Options> parse_command_line(int argc, char** argv)
{
    CLI::App app("Renders the napSheen cloth material on a material ball, loading napSheen.so as a renderer does.",
                 "napsheen-preview");
    app.footer(kFooter);
    Texts texts;
    define_flags(app, texts);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return std::nullopt;
    } catch (const CLI::ParseError& error) {
        throw Failure(error.what());
    }
    return options_from(app, texts);
}

} // namespace preview

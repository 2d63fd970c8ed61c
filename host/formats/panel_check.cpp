#include "host/formats/panel_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/core/bitmap.h"
#include "host/core/module.h"
#include "host/core/module_files.h"
#include "host/core/text_tools.h"

namespace fs = std::filesystem;

namespace host {

const KnownGauge* KnownModule::find(const std::string& gauge) const
{
    for (const KnownGauge& g : gauges)
        if (g.name == gauge)
            return &g;
    return nullptr;
}

const KnownModule* ModuleShelf::find(const std::string& name) const
{
    for (const KnownModule& m : modules)
        if (m.name == name)
            return &m;
    return nullptr;
}

std::vector<std::string> ModuleShelf::names() const
{
    std::vector<std::string> list;
    for (const KnownModule& m : modules)
        if (m.load_error.empty())
            list.push_back(m.name);
    return list;
}

KnownModule read_module(const std::string& path)
{
    KnownModule known;
    known.path = path;
    known.name = fs::path(path).stem().string();
    try {
        auto m = Module::load(path);
        for (const GaugeEntry& g : m->gauges()) {
            KnownGauge kg{g.name()};
            ElementHeader* root = g.header->elements ? g.header->elements[0] : nullptr;
            if (root != nullptr)
                if (auto size = bitmap_size(m->resource(root->bitmap_id, RT_BITMAP))) {
                    kg.width  = size->first;
                    kg.height = size->second;
                }
            known.gauges.push_back(std::move(kg));
        }
    } catch (const HostError& e) {
        known.load_error = e.what();
    }
    return known;
}

ModuleShelf read_module_folder(const std::string& folder)
{
    ModuleShelf shelf;
    shelf.folder = folder;
    for (const std::string& name : module_names_in(folder))
        shelf.modules.push_back(read_module(module_location(name, folder)));
    return shelf;
}

BitmapFile read_bitmap_file(const std::string& directory, const std::string& name)
{
    BitmapFile  b;
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    fs::path        path = fs::path(directory) / relative;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        // Windows finds a file whatever the case of its name.
        fs::path folder = path.parent_path();
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (lower_case(it->path().filename().string()) == lower_case(path.filename().string()))
                path = it->path();
    }
    if (!fs::is_regular_file(path, ec))
        return b;
    b.found = true;
    b.path  = path.string();
    std::ifstream        in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr size_t     file_header = 14;
    if (bytes.size() < file_header || bytes[0] != 'B' || bytes[1] != 'M') {
        b.problem = "it is not a .bmp bitmap";
        return b;
    }
    std::span<const uint8_t> dib(bytes.data() + file_header, bytes.size() - file_header);
    auto                     size = bitmap_size(dib);
    if (!size) {
        b.problem = "its bitmap header cannot be read";
        return b;
    }
    b.width  = size->first;
    b.height = size->second;
    if (auto image = decode_dib(dib))
        b.image = std::move(*image);
    else
        b.problem = "gauge-host draws uncompressed 8-, 24- and 32-bit bitmaps only";
    return b;
}

GaugeSize placed_size(const PanelGauge& g, const KnownGauge* known)
{
    int natural_w = known ? known->width : 0, natural_h = known ? known->height : 0;
    int w = g.width > 0 ? g.width : natural_w;
    int h = g.height > 0 ? g.height : (natural_w > 0 ? static_cast<int>(static_cast<long long>(w) * natural_h / natural_w) : natural_h);
    return {w, h};
}

GaugeSize window_size(const PanelWindow& w, const PanelConfig& cfg)
{
    if (w.width > 0 && w.height > 0)
        return {w.width, w.height};
    if (!w.background.empty()) {
        BitmapFile b = read_bitmap_file(cfg.directory, w.background);
        if (b.found && b.width > 0 && b.height > 0)
            return {b.width, b.height};
    }
    return {0, 0};
}

namespace {

class Checker {
public:
    Checker(const PanelConfig& cfg, const ModuleShelf& shelf) : cfg_(cfg), shelf_(shelf), out_(cfg.problems) {}

    std::vector<Diagnostic> run()
    {
        if (shelf_.names().empty()) {
            // Modules of the other build are no use to this one: say so rather than "none".
            const std::string mine  = fs::path(module_file_name("x")).extension().string();
            const std::string other = mine == ".so" ? ".gau" : ".so";
            bool            others = false;
            std::error_code ec;
            for (fs::directory_iterator it(shelf_.folder, ec), end; !ec && it != end; it.increment(ec))
                others = others || lower_case(it->path().extension().string()) == other;
            add(Severity::error, 0,
                others ? "the modules in '" + shelf_.folder + "' are " + other + " files, which this gauge-host cannot "
                             "load (it loads " + mine + " modules, of the same sources): leave --modules out to check "
                             "against the modules it was built with"
                       : "no gauge modules were found in '" + shelf_.folder +
                             "', so no gauge can be checked: give the folder of the modules with --modules DIR");
        }
        for (const PanelWindow& w : cfg_.windows)
            check_window(w);
        std::stable_sort(out_.begin(), out_.end(), diagnostic_order);
        return std::move(out_);
    }

private:
    void add(Severity s, int line, const std::string& message) { out_.push_back({cfg_.name, line, s, message}); }

    void check_window(const PanelWindow& w)
    {
        if (!w.background.empty()) {
            BitmapFile b = read_bitmap_file(cfg_.directory, w.background);
            if (!b.found) {
                std::vector<std::string> bitmaps;
                std::error_code          ec;
                for (fs::directory_iterator it(cfg_.directory, ec), end; !ec && it != end; it.increment(ec))
                    if (lower_case(it->path().extension().string()) == ".bmp")
                        bitmaps.push_back(it->path().filename().string());
                std::string hint = did_you_mean(nearest_names(w.background, bitmaps));
                add(Severity::error, w.background_line,
                    "background bitmap " + in_quotes(w.background) + " is not in the panel's folder '" + cfg_.directory +
                        "'" + (hint.empty() ? "" : ": " + hint));
            } else if (!b.problem.empty()) {
                add(Severity::warning, w.background_line,
                    "background bitmap " + in_quotes(w.background) + " is not drawn: " + b.problem);
            }
        }
        const GaugeSize window = window_size(w, cfg_);
        for (const PanelGauge& g : w.gauges)
            check_gauge(w, window, g);
    }

    void check_gauge(const PanelWindow& w, GaugeSize window, const PanelGauge& g)
    {
        const std::string  label  = g.key + " (" + g.module + "!" + g.gauge + ")";
        if (shelf_.names().empty())
            return;   // said once for the whole file
        const KnownModule* module = shelf_.find(g.module);
        if (module == nullptr) {
            auto        names = shelf_.names();
            auto        close_names  = nearest_names(g.module, names);
            std::string found = names.empty() ? "no modules are in '" + shelf_.folder + "'"
                                              : "the modules found are " + joined(names);
            if (!close_names.empty())
                add(Severity::error, g.line, "unknown module " + in_quotes(g.module) + ": " + did_you_mean(close_names) + " (" + found + ")");
            else
                add(Severity::warning, g.line,
                    "module " + in_quotes(g.module) + " is not one gauge-host knows (" + found +
                        "), so this gauge is neither checked nor drawn");
            return;
        }
        if (!module->load_error.empty()) {
            add(Severity::error, g.line, module->load_error);
            return;
        }
        const KnownGauge* gauge = module->find(g.gauge);
        if (gauge == nullptr) {
            std::vector<std::string> names;
            for (const KnownGauge& k : module->gauges)
                names.push_back(k.name);
            auto close_names = nearest_names(g.gauge, names);
            std::vector<std::string> elsewhere;
            for (const KnownModule& other : shelf_.modules)
                if (&other != module && other.find(g.gauge))
                    elsewhere.push_back(other.name);
            if (!elsewhere.empty()) {
                add(Severity::error, g.line,
                    "module " + module->name + " has no gauge " + in_quotes(g.gauge) + ": it is a gauge of " +
                        joined(elsewhere, " and of ") + " (write " + elsewhere[0] + "!" + g.gauge + ")");
                return;
            }
            add(Severity::error, g.line,
                "module " + module->name + " has no gauge " + in_quotes(g.gauge) + ": " +
                    (close_names.empty() ? "its " + std::to_string(names.size()) + " gauges are listed by 'gauge-host list " +
                                        module->name + "'"
                                  : did_you_mean(close_names)));
            return;
        }
        check_place(w, window, g, gauge, label);
        for (const ParameterFinding& f : check_parameter_text(parameter_gauge(module->name, gauge->name), label, g.parameters))
            add(f.severity, g.line, f.message);
    }

    void check_place(const PanelWindow& w, GaugeSize window, const PanelGauge& g, const KnownGauge* gauge,
                     const std::string& label)
    {
        GaugeSize size = placed_size(g, gauge);
        if (size.width > panel_size_limit || size.height > panel_size_limit) {
            add(Severity::error, g.line,
                label + ": its size " + std::to_string(size.width) + "x" + std::to_string(size.height) +
                    " (the height in proportion to the width) is larger than " + std::to_string(panel_size_limit) +
                    "; give a smaller width");
            return;
        }
        if (window.width <= 0 || window.height <= 0 || size.width <= 0 || size.height <= 0)
            return;
        const long long right = static_cast<long long>(g.x) + size.width, bottom = static_cast<long long>(g.y) + size.height;
        const std::string where = "at " + std::to_string(g.x) + "," + std::to_string(g.y) + " with size " +
                                  std::to_string(size.width) + "x" + std::to_string(size.height);
        const std::string in_window = "[" + w.section + "], " + std::to_string(window.width) + "x" +
                                      std::to_string(window.height) + (w.width > 0 ? " (size_mm)" : " (its background)");
        if (g.x >= window.width || g.y >= window.height || right <= 0 || bottom <= 0) {
            add(Severity::error, g.line, label + " lies wholly outside its window " + in_window + ": it is " + where);
            return;
        }
        std::vector<std::string> edges;
        if (g.x < 0)
            edges.push_back("left");
        if (g.y < 0)
            edges.push_back("top");
        if (right > window.width)
            edges.push_back("right");
        if (bottom > window.height)
            edges.push_back("bottom");
        if (!edges.empty())
            add(Severity::warning, g.line,
                label + " reaches past the " + joined(edges) + " edge" + (edges.size() > 1 ? "s" : "") + " of its window " +
                    in_window + ": it is " + where + ", so part of it is cut off");
    }

    const PanelConfig&      cfg_;
    const ModuleShelf&      shelf_;
    std::vector<Diagnostic> out_;
};

}  // namespace

std::vector<Diagnostic> check_panel(const PanelConfig& cfg, const ModuleShelf& shelf) { return Checker(cfg, shelf).run(); }

size_t error_count(const std::vector<Diagnostic>& d)
{
    return std::count_if(d.begin(), d.end(), [](const Diagnostic& x) { return x.severity == Severity::error; });
}

size_t warning_count(const std::vector<Diagnostic>& d) { return d.size() - error_count(d); }

}  // namespace host

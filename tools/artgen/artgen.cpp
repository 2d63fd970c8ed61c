#include "artgen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <vector>

#include "draw.h"

namespace artgen {
namespace {

namespace fs = std::filesystem;

struct Planned {
    uint32_t    id;
    DrawSpec    spec;
    std::string gauge;
};

const GaugeHint* gauge_hint(const ModuleArt& m, const std::string& name)
{
    for (const GaugeHint& h : m.gauges)
        if (name == h.gauge)
            return &h;
    return nullptr;
}

const BitmapHint* bitmap_hint(const ModuleArt& m, uint32_t id)
{
    for (const BitmapHint& h : m.bitmaps)
        if (h.id == id)
            return &h;
    return nullptr;
}

void collect(ElementHeader* e, std::vector<ElementHeader*>& out)
{
    out.push_back(e);
    if (e->next)
        for (ElementHeader** c = e->next; *c; ++c)
            collect(*c, out);
}

// A dial label: whole numbers from 100 up, one decimal below (dropped when it is 0), so that
// values converted from the table's units read as a face would print them.
std::string label_for(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, std::abs(v) >= 100 ? "%.0f" : "%.1f", v);
    std::string s = buf;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0)
        s.resize(s.size() - 2);
    return s == "-0" ? "0" : s;
}

uint32_t frames_of(const GaugeHeader* g, const ElementHeader* e)
{
    if (e->kind != ElementKind::icon)
        return 1;
    return reinterpret_cast<const Icon*>(e)->frame_count;   // same offset in both header versions
    (void)g;
}

// Ticks and labels at a needle's table points. A stop (two entries on one point) is labelled with
// its inner value: the later entry at the start of the table, the earlier one elsewhere.
std::vector<DialTick> ticks_of(const Needle* needle, const GaugeHint* gh)
{
    std::vector<DialTick>    ticks;
    double                   scale  = gh ? gh->label_scale : 1.0;
    double                   offset = gh ? gh->label_offset : 0.0;
    const NonlinearityEntry* t      = needle->table;
    const uint32_t           n      = needle->table_count;
    auto same = [&](uint32_t a, uint32_t b) { return t[a].x == t[b].x && t[a].y == t[b].y; };
    for (uint32_t i = 0; i < n; ++i) {
        bool at_start = i + 1 < n && same(i, i + 1) && i == 0;
        if (at_start || (i > 0 && same(i - 1, i) && i - 1 != 0))
            continue;
        std::string label = scale == 0 ? "" : label_for((t[i].value + offset) * scale);
        ticks.push_back({double(t[i].x), double(t[i].y), label});
    }
    return ticks;
}

// Plans every bitmap of one gauge.
void plan_gauge(const ModuleArt& m, GaugeHeader* g, std::map<uint32_t, Planned>& plan)
{
    const std::string name = g->name;
    const GaugeHint*  gh   = gauge_hint(m, name);
    std::vector<ElementHeader*> elements;
    collect(g->elements[0], elements);
    ElementHeader* root = elements[0];

    // Background size: the hint, else whatever fits every element, needle sweep and rectangle.
    int w = gh && gh->width ? gh->width : 0, h = gh && gh->height ? gh->height : 0;
    // Needles about different pivots make a twin gauge, which is not centred on either pivot.
    bool twin = false;
    for (ElementHeader* a : elements)
        for (ElementHeader* b : elements)
            if (a->kind == ElementKind::needle && b->kind == ElementKind::needle && (a->x != b->x || a->y != b->y))
                twin = true;
    if (w == 0 || h == 0) {
        int fw = 64, fh = 64;
        for (ElementHeader* e : elements) {
            const BitmapHint* bh = e->kind == ElementKind::string ? nullptr : bitmap_hint(m, e->bitmap_id);
            int ew = bh && bh->width ? bh->width : 24, eh = bh && bh->height ? bh->height : 24;
            if (e->kind == ElementKind::needle) {
                auto* n = reinterpret_cast<Needle*>(e);
                for (uint32_t i = 0; i < n->table_count; ++i) {
                    fw = std::max(fw, n->table[i].x + 12);
                    fh = std::max(fh, n->table[i].y + 12);
                }
                fw = std::max(fw, twin ? e->x + 50 : e->x * 2);
                fh = std::max(fh, twin ? e->y + 50 : e->y * 2);
                continue;
            }
            if (e->kind == ElementKind::string) {
                auto* s = reinterpret_cast<String*>(e);
                ew = static_cast<int>(s->box_width);
                eh = static_cast<int>(s->box_height);
            }
            if (e != root && (e->x != 0 || e->y != 0)) {
                fw = std::max(fw, e->x + ew);
                fh = std::max(fh, e->y + eh);
            }
        }
        for (const MouseRect* r = g->version == gauge_header_version_800 ? g->mouse_rects : nullptr;
             r && r->type != mouse_rect_end; ++r) {
            fw = std::max(fw, r->x + r->width);
            fh = std::max(fh, r->y + r->height);
        }
        if (w == 0)
            w = fw;
        if (h == 0)
            h = fh;
    }

    // The needles' pivot is the dial's centre.
    std::vector<const Needle*> needles;
    for (ElementHeader* e : elements)
        if (e->kind == ElementKind::needle)
            needles.push_back(reinterpret_cast<const Needle*>(e));
    const Needle* first_needle = needles.empty() ? nullptr : needles.front();

    for (ElementHeader* e : elements) {
        if (e->kind == ElementKind::string)
            continue;
        uint32_t frames = frames_of(g, e);
        for (uint32_t f = 0; f < frames; ++f) {
            // A frame may have a hint of its own; otherwise the icon's first id speaks for all.
            const BitmapHint* bh = bitmap_hint(m, e->bitmap_id + f);
            if (bh == nullptr)
                bh = bitmap_hint(m, e->bitmap_id);
            DrawSpec s;
            s.frame  = static_cast<int>(f);
            s.frames = static_cast<int>(frames);
            s.text   = bh && bh->text ? bh->text : "";
            s.colour = bh ? bh->colour : 0;
            Art art  = bh ? bh->art : Art::automatic;
            if (e == root) {
                s.width = w, s.height = h;
                s.background = true;
                if (art == Art::automatic)
                    art = first_needle ? Art::dial : Art::panel;
                if (s.text.empty() && gh && gh->title)
                    s.text = gh->title;
                if (gh && gh->unit)
                    s.unit = gh->unit;
                if (first_needle) {
                    s.pivot_x = first_needle->head.x;
                    s.pivot_y = first_needle->head.y;
                    s.ticks   = ticks_of(first_needle, gh);
                }
                // Needles turning about different pivots (twin gauges) get a scale each.
                for (const Needle* n : needles)
                    if (n->head.x != first_needle->head.x || n->head.y != first_needle->head.y)
                        s.scales.push_back({double(n->head.x), double(n->head.y), ticks_of(n, gh)});
                if (!s.scales.empty())
                    s.scales.insert(s.scales.begin(), {s.pivot_x, s.pivot_y, s.ticks});
                if (gh && gh->ring) {
                    s.ring     = gh->ring;
                    s.ring_top = gh->ring_top;
                    s.ticks.clear();
                }
                if (gh && gh->centre_x)
                    s.pivot_x = gh->centre_x, s.pivot_y = gh->centre_y;
                for (ElementHeader* t : elements)
                    if (t->kind == ElementKind::string) {
                        auto* str = reinterpret_cast<String*>(t);
                        s.windows.push_back({double(t->x), double(t->y), double(str->box_width), double(str->box_height)});
                    }
                for (ElementHeader* k : elements) {
                    const BitmapHint* kh = bitmap_hint(m, k->bitmap_id);
                    if (k != root && kh && kh->art == Art::rotary && s.knob_radius == 0) {
                        s.knob_radius = (kh->width ? kh->width : 24) / 2.0;
                        s.knob_x      = k->x + s.knob_radius;
                        s.knob_y      = k->y + (kh->height ? kh->height : 24) / 2.0;
                    }
                }
            } else if (e->kind == ElementKind::needle) {
                auto*  n   = reinterpret_cast<Needle*>(e);
                double len = 0;
                for (uint32_t i = 0; i < n->table_count; ++i)
                    len = std::max(len, std::hypot(n->table[i].x - e->x, n->table[i].y - e->y));
                if (len < 8)
                    len = std::min(w, h) * 0.4;
                art         = art == Art::automatic ? Art::needle : art;
                s.needle_pivot_x = e->offset_x;
                s.needle_pivot_y = e->offset_y;
                s.needle_blade   = bh ? bh->blade : 0;
                s.width     = bh && bh->width ? bh->width : static_cast<int>(e->offset_x + len);
                s.height    = bh && bh->height ? bh->height : std::max(6, e->offset_y * 2 + 1);
                if (n->table_count == 0 && art == Art::needle) {
                    // Without a table the host turns the picture by its value in degrees from
                    // straight up: it is drawn upright about its pivot.
                    art      = Art::upright_needle;
                    s.width  = bh && bh->width ? bh->width : std::max(7, e->offset_x * 2 + 1);
                    s.height = bh && bh->height ? bh->height : std::max(7, e->offset_y * 2 + 1);
                }
            } else {
                bool full = e->x == 0 && e->y == 0;
                s.width   = bh && bh->width ? bh->width : (full ? w : 24);
                s.height  = bh && bh->height ? bh->height : (full ? h : 24);
                // A drum that scrolls on y shows through the rest of the gauge below it: one cell
                // that tall per whole value of its range, its digit at the top of the cell.
                if (art == Art::drum && e->kind == ElementKind::moving_image) {
                    auto* m      = reinterpret_cast<MovingImage*>(e);
                    s.drum_first = static_cast<int>(m->y_min);
                    s.drum_cell  = h - e->y;
                    s.drum_digit_height = bh && bh->height ? bh->height : s.width * 3 / 2;
                    s.height     = s.drum_cell * (static_cast<int>(m->y_max - m->y_min) + 1);
                }
                if (art == Art::drum && e->kind == ElementKind::sprite && bh) {
                    auto* sp          = reinterpret_cast<Sprite*>(e);
                    // The host turns the bitmap about its centre, which it puts on the offset.
                    s.needle_pivot_x  = s.width / 2;
                    s.needle_pivot_y  = s.height / 2;
                    s.label_turn      = bh->angle_step * sp->angle_scale;
                    s.label_reach_x   = bh->window_x - e->offset_x;
                    s.label_reach_y   = bh->window_y - e->offset_y;
                }
                // A sprite's bitmap centre sits on its offset: a picture drawn upright turns about it.
                if (e->kind == ElementKind::sprite && art == Art::upright_needle)
                    s.needle_pivot_x = s.width / 2, s.needle_pivot_y = s.height / 2;
                // The hint's window point (background pixels) in the bitmap, at rest.
                if (bh && (art == Art::bank_scale || art == Art::command_bars || art == Art::tape)) {
                    bool sprite = e->kind == ElementKind::sprite;
                    s.pivot_x   = bh->window_x - (sprite ? e->offset_x - s.width / 2 : e->x);
                    s.pivot_y   = bh->window_y - (sprite ? e->offset_y - s.height / 2 : e->y);
                }
                if (art == Art::bank_scale && gh) {
                    s.needle_pivot_x = gh->centre_x - e->x;
                    s.needle_pivot_y = gh->centre_y - e->y;
                }
                // The host shows a moving image through the gauge below its position and slides its
                // range over the rest of the bitmap.
                if (art == Art::tape && e->kind == ElementKind::moving_image) {
                    auto* mi       = reinterpret_cast<MovingImage*>(e);
                    int   shown    = std::max(1, std::min(s.height, h - e->y));
                    s.scale_first  = mi->y_min;
                    s.scale_last   = mi->y_max;
                    s.scale_top    = s.pivot_y;
                    s.scale_bottom = s.pivot_y + (s.height - shown);
                }
                if (art == Art::automatic) {
                    if (e->kind == ElementKind::icon)
                        art = frames == 2 ? Art::switch_frames : Art::lamp;
                    else if (e->kind == ElementKind::static_image && full)
                        art = Art::glass;
                    else
                        art = Art::button;
                }
            }
            s.art = art;
            if (s.width <= 0 || s.height <= 0 || s.width > 4096 || s.height > 4096)
                throw std::runtime_error("gauge " + name + ": bitmap " + std::to_string(e->bitmap_id + f) +
                                         " has no sensible size");
            // A bitmap that several gauges share is drawn as the first gauge in the table needs it.
            plan.try_emplace(e->bitmap_id + f, Planned{e->bitmap_id + f, s, name});
        }
    }
}

void put16(std::ofstream& o, uint16_t v) { o.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& o, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        o.put(char((v >> (8 * i)) & 0xFF));
}

// A 24-bit bottom-up .bmp file.
void write_bmp(const fs::path& path, cairo_surface_t* surface)
{
    int      w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int      stride = cairo_image_surface_get_stride(surface);
    auto*    data   = cairo_image_surface_get_data(surface);
    uint32_t row    = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    std::ofstream o(path, std::ios::binary);
    o.write("BM", 2);
    put32(o, 54 + row * h);
    put32(o, 0);
    put32(o, 54);
    put32(o, 40);
    put32(o, w);
    put32(o, h);
    put16(o, 1);
    put16(o, 24);
    put32(o, 0);
    put32(o, row * h);
    put32(o, 2835);
    put32(o, 2835);
    put32(o, 0);
    put32(o, 0);
    for (int y = h - 1; y >= 0; --y) {
        auto* px = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x)
            o.put(char(px[x] & 0xFF)).put(char((px[x] >> 8) & 0xFF)).put(char((px[x] >> 16) & 0xFF));
        for (uint32_t pad = w * 3; pad < row; ++pad)
            o.put(0);
    }
    if (!o)
        throw std::runtime_error("cannot write " + path.string());
}

// A short decaying click: 22050 Hz, 16-bit mono PCM.
void write_wav(const fs::path& path, const WaveHint& hint)
{
    const uint32_t rate    = 22050;
    const uint32_t samples = static_cast<uint32_t>(hint.seconds * rate);
    std::ofstream  o(path, std::ios::binary);
    o.write("RIFF", 4);
    put32(o, 36 + samples * 2);
    o.write("WAVEfmt ", 8);
    put32(o, 16);
    put16(o, 1);
    put16(o, 1);
    put32(o, rate);
    put32(o, rate * 2);
    put16(o, 2);
    put16(o, 16);
    o.write("data", 4);
    put32(o, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) {
        double t = double(i) / rate;
        double v = std::sin(2 * std::numbers::pi * hint.frequency * t) * std::exp(-t * 40.0);
        put16(o, static_cast<uint16_t>(static_cast<int16_t>(v * 20000)));
    }
    if (!o)
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int generate(const ModuleArt& m, const fs::path& out_dir)
{
    fs::create_directories(out_dir);
    const fs::path dir = fs::absolute(out_dir);
    std::map<uint32_t, Planned> plan;
    for (GaugeHeader* const* g = m.linkage->gauges; *g; ++g)
        plan_gauge(m, *g, plan);

    std::ofstream rc(dir / "resources.rc");
    std::ofstream blobs(dir / "resources_blobs.S");
    std::ofstream table(dir / "resources_table.cpp");
    blobs << "// Generated by the art generator.\n\t.section .rodata\n";
    table << "// Generated by the art generator.\n#include \"native_resources.h\"\n\n";
    std::string entries;
    int         n = 0;
    for (auto& [id, p] : plan) {
        fs::path file = dir / (std::to_string(id) + ".bmp");
        cairo_surface_t* s = draw(p.spec);
        write_bmp(file, s);
        cairo_surface_destroy(s);
        rc << id << " BITMAP \"" << file.string() << "\"\n";
        // The resource holds the bitmap without its 14-byte file header, as on Windows.
        std::string sym = "resource_bitmap_" + std::to_string(id);
        blobs << "\t.balign 4\n\t.hidden " << sym << "\n\t.globl " << sym << "\n" << sym << ":\n\t.incbin \""
              << file.string() << "\", 14\n\t.hidden " << sym << "_end\n\t.globl " << sym << "_end\n" << sym << "_end:\n";
        table << "extern \"C\" const unsigned char " << sym << "[], " << sym << "_end[];\n";
        entries += "    {nullptr, 2, " + std::to_string(id) + ", " + sym + ", " + sym + "_end},\n";
        ++n;
    }
    for (const WaveHint& w : m.waves) {
        fs::path file = dir / ("wave_" + std::to_string(w.id) + ".wav");
        write_wav(file, w);
        rc << w.id << " WAVE \"" << file.string() << "\"\n";
        std::string sym = "resource_wave_" + std::to_string(w.id);
        blobs << "\t.balign 4\n\t.hidden " << sym << "\n\t.globl " << sym << "\n" << sym << ":\n\t.incbin \""
              << file.string() << "\"\n\t.hidden " << sym << "_end\n\t.globl " << sym << "_end\n" << sym << "_end:\n";
        table << "extern \"C\" const unsigned char " << sym << "[], " << sym << "_end[];\n";
        entries += "    {\"WAVE\", 0, " + std::to_string(w.id) + ", " + sym + ", " + sym + "_end},\n";
        ++n;
    }
    blobs << "\t.section .note.GNU-stack,\"\",@progbits\n";
    if (n == 0)   // the resource compiler refuses a script without resources
        rc << "// no resources yet\n1 RCDATA { 0 }\n";
    if (entries.empty())   // an array needs at least one entry; the count below stays 0
        entries = "    {nullptr, 0, 0, nullptr, nullptr},\n";
    table << "\nstatic const NativeResource entries[] = {\n" << entries << "};\n\n"
          << "extern \"C\" __attribute__((visibility(\"default\"))) const NativeResourceTable NativeResources = {\n"
          << "    " << n << ", entries};\n";
    if (!rc || !blobs || !table)
        throw std::runtime_error("cannot write the resource lists in " + dir.string());
    return n;
}

}  // namespace artgen

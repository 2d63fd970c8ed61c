#include "artgen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "draw.h"
#include "scale.h"

namespace artgen {
namespace {

namespace fs = std::filesystem;
constexpr double pi = std::numbers::pi;

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

uint32_t frames_of(const ElementHeader* e)
{
    if (e->kind != ElementKind::icon)
        return 1;
    return reinterpret_cast<const Icon*>(e)->frame_count;   // same offset in both header versions
}

const Needle* as_needle(const ElementHeader* e)
{
    return e->kind == ElementKind::needle ? reinterpret_cast<const Needle*>(e) : nullptr;
}

// One gauge as the planner sees it: its hint, its elements in tree order, its background's size
// and the round face's centre and radius (0 when the face is not round).
struct GaugePlan {
    const ModuleArt&            module;
    GaugeHeader*                gauge;
    const GaugeHint*            hint;
    std::vector<ElementHeader*> elements;
    std::vector<const Needle*>  needles;     // with a table
    int                         width = 0, height = 0;
    double                      face_x = 0, face_y = 0, face_r = 0;

    ElementHeader* root() const { return elements.front(); }
    // Needles about different pivots make a twin gauge, unless the hint names the face's centre.
    bool twin() const
    {
        if (hint && hint->centre_x)
            return false;
        for (const Needle* n : needles)
            if (n->head.x != needles.front()->head.x || n->head.y != needles.front()->head.y)
                return true;
        return false;
    }
};

// The bitmap size a hint gives an element, else `fallback`.
std::pair<int, int> hinted_size(const BitmapHint* bh, int fallback_w, int fallback_h)
{
    return {bh && bh->width ? bh->width : fallback_w, bh && bh->height ? bh->height : fallback_h};
}

// Background size: the hint, else whatever fits every element, needle sweep and rectangle.
void size_background(GaugePlan& p)
{
    const GaugeHint* gh = p.hint;
    p.width = gh && gh->width ? gh->width : 0, p.height = gh && gh->height ? gh->height : 0;
    if (p.width && p.height)
        return;
    const bool twin = p.twin();
    int fw = 64, fh = 64;
    for (ElementHeader* e : p.elements) {
        if (const Needle* n = as_needle(e)) {
            for (uint32_t i = 0; i < n->table_count; ++i) {
                fw = std::max(fw, n->table[i].x + 12);
                fh = std::max(fh, n->table[i].y + 12);
            }
            fw = std::max(fw, twin ? e->x + 50 : e->x * 2);
            fh = std::max(fh, twin ? e->y + 50 : e->y * 2);
            continue;
        }
        auto [ew, eh] = hinted_size(e->kind == ElementKind::string ? nullptr : bitmap_hint(p.module, e->bitmap_id), 24, 24);
        if (e->kind == ElementKind::string) {
            auto* s = reinterpret_cast<String*>(e);
            ew = static_cast<int>(s->box_width), eh = static_cast<int>(s->box_height);
        }
        if (e != p.root() && (e->x != 0 || e->y != 0)) {
            fw = std::max(fw, e->x + ew);
            fh = std::max(fh, e->y + eh);
        }
    }
    for (const MouseRect* r = p.gauge->version == gauge_header_version_800 ? p.gauge->mouse_rects : nullptr;
         r && r->type != mouse_rect_end; ++r) {
        fw = std::max(fw, r->x + r->width);
        fh = std::max(fh, r->y + r->height);
    }
    if (p.width == 0)
        p.width = fw;
    if (p.height == 0)
        p.height = fh;
}

// A round face about the hint's centre or the first needle's pivot: the largest circle inside the
// background, less its bezel. Twin and square faces have none.
void place_face(GaugePlan& p, Art root_art)
{
    if (root_art != Art::dial || p.twin() || (p.hint && p.hint->square))
        return;
    if (p.hint && p.hint->centre_x)
        p.face_x = p.hint->centre_x, p.face_y = p.hint->centre_y;
    else if (!p.needles.empty())
        p.face_x = p.needles.front()->head.x, p.face_y = p.needles.front()->head.y;
    else
        return;
    p.face_r = std::min({p.face_x, p.face_y, p.width - p.face_x, p.height - p.face_y}) - 1;
}

NumberScale numbers_of(const GaugeHint* gh)
{
    NumberScale n;
    if (gh) {
        n.scale = gh->label_scale, n.offset = gh->label_offset;
        n.major = gh->major, n.minor = gh->minor, n.numerals = gh->numerals;
        n.unsigned_numerals = gh->unsigned_numerals;
    }
    return n;
}

// A needle's length: to the farthest point its table names, within the face's tick ring.
double needle_reach(const GaugePlan& p, const Needle* n)
{
    double len = 0;
    for (uint32_t i = 0; i < n->table_count; ++i)
        len = std::max(len, std::hypot(n->table[i].x - n->head.x, n->table[i].y - n->head.y));
    if (len < 8)
        len = std::min(p.width, p.height) * 0.4;
    if (p.face_r > 0 && n->head.x == p.face_x && n->head.y == p.face_y)
        len = std::min(len, p.face_r * 0.86);
    return len;
}

// The dial's scales (one per pivot), and the needles at rest for the title to keep clear of.
void plan_scales(const GaugePlan& p, DrawSpec& s)
{
    const NumberScale numbers = numbers_of(p.hint);
    std::span<const Band> bands = p.hint ? p.hint->bands : std::span<const Band>{};
    for (const Needle* n : p.needles) {
        bool known = false;
        for (const DialScale& sc : s.scales)
            known = known || (sc.pivot_x == n->head.x && sc.pivot_y == n->head.y);
        double rest = needle_angle(n->table, n->table_count, n->head.x, n->head.y, 0.0);
        double len  = needle_reach(p, n);
        s.resting.push_back({n->head.x - 8 * std::cos(rest), n->head.y - 8 * std::sin(rest),
                             n->head.x + len * std::cos(rest), n->head.y + len * std::sin(rest), 5});
        // Where it reads in normal work: the middle of the widest band, else of the scale.
        ScaleRange live = live_range(n->table, n->table_count);
        double     work = (live.first + live.last) / 2, widest = 0;
        for (const Band& b : bands)
            if (std::abs(b.to - b.from) > widest && numbers.scale != 0)
                widest = std::abs(b.to - b.from), work = (b.from + b.to) / 2 / numbers.scale - numbers.offset;
        double at = needle_angle(n->table, n->table_count, n->head.x, n->head.y, work);
        s.working.push_back({double(n->head.x), double(n->head.y), n->head.x + len * std::cos(at),
                             n->head.y + len * std::sin(at), 5});
        if (known)
            continue;
        DialScale sc{double(n->head.x), double(n->head.y), 0,
                     scale_marks(n->table, n->table_count, n->head.x, n->head.y, numbers),
                     scale_bands(n->table, n->table_count, n->head.x, n->head.y, numbers, bands)};
        for (uint32_t i = 0; i < n->table_count; ++i)
            sc.radius += std::hypot(n->table[i].x - n->head.x, n->table[i].y - n->head.y) / n->table_count;
        s.scales.push_back(std::move(sc));
    }
}

void plan_background(const GaugePlan& p, const BitmapHint* bh, Art& art, DrawSpec& s)
{
    const GaugeHint* gh = p.hint;
    s.width = p.width, s.height = p.height;
    s.background = true;
    if (art == Art::automatic)
        art = p.needles.empty() ? Art::panel : Art::dial;
    if (s.text.empty() && gh && gh->title)
        s.text = gh->title;
    if (gh && gh->unit)
        s.unit = gh->unit;
    if (gh) {
        s.decals.assign(gh->decals.begin(), gh->decals.end());
        s.arcs.assign(gh->arcs.begin(), gh->arcs.end());
        s.arc_x = gh->centre_x, s.arc_y = gh->centre_y;
    }
    if (art == Art::dial) {
        s.pivot_x = p.face_x, s.pivot_y = p.face_y;
        s.square  = gh && gh->square;
        if (gh && gh->ring) {
            s.ring = gh->ring, s.ring_top = gh->ring_top;
        } else if (gh == nullptr || gh->label_scale != 0) {
            plan_scales(p, s);
        }
        if (s.scales.empty() || (gh && gh->label_scale == 0))
            for (const Needle* n : p.needles) {   // the resting needles still keep titles clear
                double rest = needle_angle(n->table, n->table_count, n->head.x, n->head.y, 0.0);
                double len  = needle_reach(p, n);
                s.resting.push_back({n->head.x - 8 * std::cos(rest), n->head.y - 8 * std::sin(rest),
                                     n->head.x + len * std::cos(rest), n->head.y + len * std::sin(rest), 5});
            }
    } else if (gh && gh->centre_x) {
        s.pivot_x = gh->centre_x, s.pivot_y = gh->centre_y;
    }
    for (ElementHeader* t : p.elements) {
        if (t->kind == ElementKind::string) {
            auto* str = reinterpret_cast<String*>(t);
            s.windows.push_back({double(t->x), double(t->y), double(str->box_width), double(str->box_height)});
            continue;
        }
        const BitmapHint* kh = bitmap_hint(p.module, t->bitmap_id);
        if (t == p.root() || kh == nullptr)
            continue;
        auto [kw, kh_] = hinted_size(kh, 24, 24);
        if (kh->art == Art::bezel)
            s.rim = kh->blade;
        if (kh->art == Art::rotary && s.knob_radius == 0) {
            s.knob_radius = kw / 2.0;
            s.knob_x      = t->x + s.knob_radius;
            s.knob_y      = t->y + kh_ / 2.0;
        }
        // A ball rides a tube on the face, level with its rest.
        if (kh->art == Art::ball && t->kind == ElementKind::slider) {
            s.tube_x = t->x + kw / 2.0, s.tube_y = t->y + kh_ / 2.0;
            s.tube_half = kw * 2.2, s.tube_ball = kw / 2.0;
        }
    }
    // Wing-tip marks of a turn coordinator: level, and a standard-rate turn each way.
    if (bh == nullptr && gh && gh->label_scale == 0 && s.tube_half > 0)
        for (const Needle* n : p.needles) {
            for (double v : {-2.0, 0.0, 2.0})
                s.turn_marks.push_back(needle_angle(n->table, n->table_count, n->head.x, n->head.y, v) + pi / 2);
            s.turn_x = n->head.x, s.turn_y = n->head.y;
        }
}

void plan_needle(const GaugePlan& p, const ElementHeader* e, const BitmapHint* bh, Art& art, DrawSpec& s)
{
    const Needle* n   = as_needle(e);
    double        len = needle_reach(p, n);
    art               = art == Art::automatic ? Art::needle : art;
    s.needle_pivot_x  = e->offset_x;
    s.needle_pivot_y  = e->offset_y;
    s.needle_blade    = bh ? bh->blade : 0;
    s.needle_length   = bh && bh->width ? 0 : len;   // a hinted width is the needle's own
    auto [w, h]       = hinted_size(bh, static_cast<int>(e->offset_x + len + 1), std::max(6, e->offset_y * 2 + 1));
    s.width = w, s.height = h;
    if (n->table_count == 0 && art == Art::needle) {
        // Without a table the host turns the picture by its value in degrees from straight up: it
        // is drawn upright about its pivot.
        art = Art::upright_needle;
        std::tie(s.width, s.height) = hinted_size(bh, std::max(7, e->offset_x * 2 + 1), std::max(7, e->offset_y * 2 + 1));
    }
}

// The hint's window point (background pixels) in the bitmap, at rest: a sprite's bitmap centre
// sits on its offset, any other bitmap's corner on its position.
std::pair<double, double> window_in_bitmap(const ElementHeader* e, const BitmapHint* bh, const DrawSpec& s)
{
    bool sprite = e->kind == ElementKind::sprite;
    return {bh->window_x - (sprite ? e->offset_x - s.width / 2.0 : e->x),
            bh->window_y - (sprite ? e->offset_y - s.height / 2.0 : e->y)};
}

void plan_sprite(const GaugePlan& p, const ElementHeader* e, const BitmapHint* bh, Art art, DrawSpec& s)
{
    auto* sp = reinterpret_cast<const Sprite*>(e);
    // The host shows a sprite through a window from its position to as far past its centre: a
    // round card must fit inside it to stay round.
    if (art == Art::compass_card && !(bh && bh->width)) {
        int d   = 2 * std::min(e->offset_x - e->x, e->offset_y - e->y) - 2;
        s.width = s.height = d;
    }
    if ((art == Art::drum || art == Art::band_marker) && bh) {
        s.needle_pivot_x = s.width / 2;
        s.needle_pivot_y = s.height / 2;
        s.label_turn     = bh->angle_step * sp->angle_scale;
        s.label_reach_x  = bh->window_x - e->offset_x;
        s.label_reach_y  = bh->window_y - e->offset_y;
    }
    if (art == Art::setting_scale && bh) {
        s.needle_pivot_x = s.width / 2;
        s.needle_pivot_y = s.height / 2;
        s.label_turn     = bh->angle_step * sp->angle_scale;
        s.label_reach_x  = bh->window_x - e->offset_x;
        s.label_reach_y  = bh->window_y - e->offset_y;
        s.rim            = bh->blade;
    }
    if (art == Art::attitude) {
        s.label_reach_x = sp->texture_x_scale > 0 ? sp->texture_x_scale : 1.0;
        s.label_reach_y = sp->y_scale;
    }
    if (art == Art::upright_needle)
        s.needle_pivot_x = s.width / 2, s.needle_pivot_y = s.height / 2;
    (void)p;
}

void plan_image(const GaugePlan& p, const ElementHeader* e, const BitmapHint* bh, Art& art, DrawSpec& s)
{
    const bool full = e->x == 0 && e->y == 0;
    std::tie(s.width, s.height) = hinted_size(bh, full ? p.width : 24, full ? p.height : 24);
    // A drum that scrolls on y shows through the rest of the gauge below it: one cell that tall per
    // whole value of its range, its digit at the top of the cell.
    if (art == Art::drum && e->kind == ElementKind::moving_image) {
        auto* m             = reinterpret_cast<const MovingImage*>(e);
        s.drum_first        = static_cast<int>(m->y_min);
        s.drum_cell         = p.height - e->y;
        s.drum_digit_height = bh && bh->height ? bh->height : s.width * 3 / 2;
        s.height            = s.drum_cell * (static_cast<int>(m->y_max - m->y_min) + 1);
    }
    if (e->kind == ElementKind::sprite)
        plan_sprite(p, e, bh, art, s);
    if (bh && (art == Art::bank_scale || art == Art::command_bars || art == Art::tape))
        std::tie(s.pivot_x, s.pivot_y) = window_in_bitmap(e, bh, s);
    if (art == Art::bank_scale && p.hint) {
        s.needle_pivot_x = p.hint->centre_x - e->x;
        s.needle_pivot_y = p.hint->centre_y - e->y;
        s.rim            = bh && bh->blade ? bh->blade : 37;
        // The sphere's window, to round its upper corners off.
        for (ElementHeader* o : p.elements)
            if (o->kind == ElementKind::sprite && bitmap_hint(p.module, o->bitmap_id) &&
                bitmap_hint(p.module, o->bitmap_id)->art == Art::attitude)
                s.covers.push_back({double(o->x - e->x), double(o->y - e->y), 2.0 * (o->offset_x - o->x),
                                    2.0 * (o->offset_y - o->y)});
    }
    // The host shows a moving image through the gauge below its position and slides its range over
    // the rest of the bitmap.
    if (art == Art::tape && e->kind == ElementKind::moving_image) {
        auto* mi       = reinterpret_cast<const MovingImage*>(e);
        int   shown    = std::max(1, std::min(s.height, p.height - e->y));
        s.scale_first  = mi->y_min;
        s.scale_last   = mi->y_max;
        s.scale_top    = s.pivot_y;
        s.scale_bottom = s.pivot_y + (s.height - shown);
    }
    if (art == Art::bezel && bh) {
        s.pivot_x = p.face_x - e->x, s.pivot_y = p.face_y - e->y;
        s.rim           = bh->blade;
        s.label_reach_x = bh->window_x - p.face_x;
        s.label_reach_y = bh->window_y - p.face_y;
    }
    if (art == Art::inclinometer && bh) {
        s.needle_pivot_x = bh->window_x - e->x;
        s.rim            = bh->blade;
    }
    // A glass over a sphere: covers the sphere window's corners below the bank scale, and any
    // moving tape below the hint's window point.
    if (art == Art::glass && bh && bh->window_y) {
        for (ElementHeader* o : p.elements) {
            const BitmapHint* oh = bitmap_hint(p.module, o->bitmap_id);
            if (oh == nullptr)
                continue;
            if (o->kind == ElementKind::sprite && oh->art == Art::attitude)
                s.covers.push_back({double(o->x), double(o->y), 2.0 * (o->offset_x - o->x), 2.0 * (o->offset_y - o->y)});
            if (o->kind == ElementKind::moving_image && oh->art == Art::tape)
                s.windows.push_back({double(o->x - 1), double(bh->window_y), oh->width + 2.0, double(p.height - bh->window_y)});
        }
    }
    if (art == Art::switch_frames && bh && bh->window_y)
        s.pivot_y = bh->window_y;
    if (art == Art::button && bh && bh->blade)
        s.rim = bh->blade, s.pivot_x = bh->window_x, s.pivot_y = bh->window_y;
    if (art == Art::knob && e->kind == ElementKind::needle)
        s.needle_pivot_x = e->offset_x, s.needle_pivot_y = e->offset_y;
    if (art == Art::automatic) {
        if (e->kind == ElementKind::icon)
            art = frames_of(e) == 2 ? Art::switch_frames : Art::lamp;
        else if (e->kind == ElementKind::static_image && full)
            art = Art::glass;
        else
            art = Art::button;
    }
}

// Plans every bitmap of one gauge. A bitmap that several gauges share is drawn as the first gauge
// in the table needs it.
void plan_gauge(const ModuleArt& m, GaugeHeader* g, std::map<uint32_t, Planned>& plan)
{
    GaugePlan p{m, g, gauge_hint(m, g->name), {}, {}};
    collect(g->elements[0], p.elements);
    for (ElementHeader* e : p.elements)
        if (const Needle* n = as_needle(e); n && n->table_count > 0)
            p.needles.push_back(n);
    size_background(p);
    const BitmapHint* root_hint = bitmap_hint(m, p.root()->bitmap_id);
    place_face(p, root_hint && root_hint->art != Art::automatic ? root_hint->art
                                                                : (p.needles.empty() ? Art::panel : Art::dial));

    for (ElementHeader* e : p.elements) {
        if (e->kind == ElementKind::string)
            continue;
        const uint32_t frames = frames_of(e);
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
            if (e == p.root())
                plan_background(p, bh, art, s);
            else if (e->kind == ElementKind::needle && art != Art::knob)
                plan_needle(p, e, bh, art, s);
            else
                plan_image(p, e, bh, art, s);
            s.art = art;
            if (s.width <= 0 || s.height <= 0 || s.width > 4096 || s.height > 4096)
                throw std::runtime_error("gauge " + std::string(g->name) + ": bitmap " +
                                         std::to_string(e->bitmap_id + f) + " has no sensible size");
            plan.try_emplace(e->bitmap_id + f, Planned{e->bitmap_id + f, s, g->name});
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

const char* art_name(Art a)
{
    static const char* const names[] = {"automatic", "panel", "dial", "needle", "upright_needle", "glass", "lamp",
                                        "switch_frames", "button", "plate", "drum", "compass_card", "attitude",
                                        "rotary", "radio_face", "lit_lamp", "guard", "bank_scale", "command_bars",
                                        "tape", "aircraft", "ball", "inclinometer", "setting_scale", "knob", "bezel",
                                        "selector", "band_marker"};
    static_assert(std::size(names) == static_cast<size_t>(Art::band_marker) + 1);
    return names[static_cast<size_t>(a)];
}

// One bitmap's layout: "bitmap ID GAUGE ART W H [round X Y R]", then a line per text:
// "text KIND X0 Y0 X1 Y1 TEXT".
void write_layout(std::ofstream& o, uint32_t id, const Planned& p, const Layout& l)
{
    o << "bitmap " << id << " " << p.gauge << " " << art_name(p.spec.art) << " " << p.spec.width << " "
      << p.spec.height;
    if (l.round_r > 0)
        o << " round " << l.round_x << " " << l.round_y << " " << l.round_r;
    o << "\n";
    for (const Layout::Text& t : l.texts)
        o << "text " << t.kind << " " << t.x0 << " " << t.y0 << " " << t.x1 << " " << t.y1 << " " << t.text << "\n";
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
    std::ofstream layout(dir / "layout.txt");
    std::ofstream blobs(dir / "resources_blobs.S");
    std::ofstream table(dir / "resources_table.cpp");
    blobs << "// Generated by the art generator.\n\t.section .rodata\n";
    table << "// Generated by the art generator.\n#include \"native_resources.h\"\n\n";
    std::string entries;
    int         n = 0;
    for (auto& [id, p] : plan) {
        fs::path file = dir / (std::to_string(id) + ".bmp");
        Layout           where;
        cairo_surface_t* s = draw(p.spec, &where);
        write_bmp(file, s);
        write_layout(layout, id, p, where);
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
    if (!rc || !blobs || !table || !layout)
        throw std::runtime_error("cannot write the resource lists in " + dir.string());
    return n;
}

}  // namespace artgen

#include "host/render/render.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <memory>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/core/bitmap.h"

namespace host {
namespace {

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

// A module bitmap as a cairo surface; black is transparent unless the bitmap is the background.
SurfacePtr decode_surface(Gauge& gauge, uint32_t id, bool opaque)
{
    auto image = decode_dib(gauge.module().resource(id, RT_BITMAP));
    if (!image)
        throw HostError("gauge '" + gauge.label() + "': bitmap " + std::to_string(id) + " cannot be read");
    SurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image->width, image->height),
                 cairo_surface_destroy);
    cairo_surface_flush(s.get());
    unsigned char* data   = cairo_image_surface_get_data(s.get());
    int            stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < image->height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < image->width; ++x) {
            uint32_t px = image->at(x, y);
            row[x]      = (!opaque && px == 0) ? 0u : (0xFF000000u | px);
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

// The decoded bitmap from the cache when there is one, else decoded now.
SurfacePtr load_surface(Gauge& gauge, uint32_t id, bool opaque, SurfaceCache* cache)
{
    if (cache == nullptr)
        return decode_surface(gauge, id, opaque);
    void* cached = cache->find_or_add(gauge, id, opaque, [&] { return decode_surface(gauge, id, opaque).release(); });
    return SurfacePtr(cairo_surface_reference(static_cast<cairo_surface_t*>(cached)), cairo_surface_destroy);
}

void set_colour(cairo_t* cr, uint32_t colorref)
{
    // Windows colour values are 0x00BBGGRR.
    cairo_set_source_rgb(cr, (colorref & 0xFF) / 255.0, ((colorref >> 8) & 0xFF) / 255.0,
                         ((colorref >> 16) & 0xFF) / 255.0);
}

std::string font_family(const char* face)
{
    std::string f(face, strnlen(face, 32));
    if (f == "Quartz")
        return "DSEG7 Classic";
    if (f == "Arial" || f.empty())
        return "Liberation Sans";
    return f;
}

void draw_string(cairo_t* cr, const ElementState& s)
{
    auto* str = reinterpret_cast<const String*>(s.element);
    const ElementHeader* e = s.element;
    if (str->background_colour != 0) {
        set_colour(cr, str->background_colour);
        cairo_rectangle(cr, e->x, e->y, str->box_width, str->box_height);
        cairo_fill(cr);
    }
    if (s.text.empty())
        return;
    std::string text = cp1252_to_utf8(s.text.c_str());
    cairo_select_font_face(cr, font_family(str->font).c_str(), CAIRO_FONT_SLANT_NORMAL,
                           str->font_weight >= 700 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    double size = str->box_height * 0.8;
    cairo_text_extents_t ext;
    for (;; size -= 0.5) {
        cairo_set_font_size(cr, size);
        cairo_text_extents(cr, text.c_str(), &ext);
        if (ext.x_advance <= str->box_width || size <= 4)
            break;
    }
    set_colour(cr, str->text_colour);
    // Format 0x25: centred both ways on one line.
    cairo_move_to(cr, e->x + (str->box_width - ext.x_advance) / 2.0,
                  e->y + (str->box_height - ext.height) / 2.0 - ext.y_bearing);
    cairo_show_text(cr, text.c_str());
}

}  // namespace

namespace {

// Draws the gauge's elements into cr, in background pixels.
void draw_gauge(cairo_t* cr, Gauge& gauge, SurfaceCache* cache = nullptr)
{
    if (gauge.elements().empty())
        throw HostError("gauge '" + gauge.label() + "' has no installed elements to draw");
    for (const ElementState& s : gauge.elements()) {
        const ElementHeader* e = s.element;
        if (s.hidden)
            continue;
        cairo_save(cr);
        switch (e->kind) {
        case ElementKind::string:
            draw_string(cr, s);
            break;
        case ElementKind::static_image: {
            auto img = load_surface(gauge, e->bitmap_id, s.parent == nullptr, cache);
            cairo_set_source_surface(cr, img.get(), e->x, e->y);
            cairo_paint(cr);
            break;
        }
        case ElementKind::icon: {
            if (s.frame < 0)
                break;
            auto img = load_surface(gauge, e->bitmap_id + s.frame, s.parent == nullptr, cache);
            cairo_set_source_surface(cr, img.get(), e->x, e->y);
            cairo_paint(cr);
            break;
        }
        case ElementKind::needle: {
            auto img = load_surface(gauge, e->bitmap_id, false, cache);
            cairo_translate(cr, e->x, e->y);
            cairo_rotate(cr, s.needle_angle);
            cairo_set_source_surface(cr, img.get(), -e->offset_x, -e->offset_y);
            cairo_paint(cr);
            break;
        }
        case ElementKind::slider: {
            auto* sl  = reinterpret_cast<const Slider*>(e);
            auto  img = load_surface(gauge, e->bitmap_id, false, cache);
            cairo_set_source_surface(cr, img.get(), e->x + s.value[0] * sl->x_scale, e->y + s.value[1] * sl->y_scale);
            cairo_paint(cr);
            break;
        }
        case ElementKind::moving_image: {
            auto* m   = reinterpret_cast<const MovingImage*>(e);
            auto  img = load_surface(gauge, e->bitmap_id, false, cache);
            int   iw  = cairo_image_surface_get_width(img.get());
            int   ih  = cairo_image_surface_get_height(img.get());
            int   vw  = std::max(1, std::min(iw, gauge.width() - e->x));
            int   vh  = std::max(1, std::min(ih, gauge.height() - e->y));
            auto  fraction = [](double v, double lo, double hi) {
                return hi == lo ? 0.0 : std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
            };
            double dx = fraction(s.value[0], m->x_min, m->x_max) * (iw - vw);
            double dy = fraction(s.value[1], m->y_min, m->y_max) * (ih - vh);
            cairo_rectangle(cr, e->x, e->y, vw, vh);
            cairo_clip(cr);
            cairo_set_source_surface(cr, img.get(), e->x - dx, e->y - dy);
            cairo_paint(cr);
            break;
        }
        case ElementKind::sprite: {
            // The sprite turns and moves about its centre point (the offset, in background
            // pixels) and shows through a window from its position to as far past the centre.
            auto*  sp  = reinterpret_cast<const Sprite*>(e);
            auto   img = load_surface(gauge, e->bitmap_id, false, cache);
            double wx = e->x, wy = e->y;
            double ww = 2.0 * (e->offset_x - e->x), wh = 2.0 * (e->offset_y - e->y);
            if (ww > 0 && wh > 0) {
                cairo_rectangle(cr, wx, wy, ww, wh);
                cairo_clip(cr);
            }
            cairo_translate(cr, e->offset_x + s.value[0] * sp->x_scale, e->offset_y + s.value[1] * sp->y_scale);
            // Angles are degrees, a positive turn counter-clockwise (a compass card turned by the
            // heading brings that heading to the top).
            cairo_rotate(cr, -s.value[2] * sp->angle_scale * std::numbers::pi / 180.0);
            cairo_scale(cr, sp->texture_x_scale > 0 ? sp->texture_x_scale : 1.0,
                        sp->texture_y_scale > 0 ? sp->texture_y_scale : 1.0);
            cairo_set_source_surface(cr, img.get(), -cairo_image_surface_get_width(img.get()) / 2.0,
                                     -cairo_image_surface_get_height(img.get()) / 2.0);
            cairo_paint(cr);
            break;
        }
        }
        cairo_restore(cr);
    }
}

void write_png(cairo_surface_t* surface, const std::string& path)
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        throw HostError("cannot draw picture '" + path + "': " + cairo_status_to_string(cairo_surface_status(surface)));
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status == CAIRO_STATUS_SUCCESS)
        return;
    // Cairo says only that writing failed; the file system says why.
    std::string reason = cairo_status_to_string(status);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fclose(f);
        std::remove(path.c_str());   // no half-written picture is left behind
    } else {
        reason = std::strerror(errno);
    }
    throw HostError("cannot write picture '" + path + "': " + reason);
}

}  // namespace

void draw_gauge_at(cairo_t* cr, Gauge& gauge, SurfaceCache* cache) { draw_gauge(cr, gauge, cache); }

SurfaceCache::~SurfaceCache() { clear(); }

void SurfaceCache::clear()
{
    for (auto& [key, surface] : surfaces_)
        cairo_surface_destroy(static_cast<cairo_surface_t*>(surface));
    surfaces_.clear();
    bytes_ = 0;
}

void* SurfaceCache::find_or_add(Gauge& gauge, uint32_t id, bool opaque, const std::function<void*()>& load)
{
    std::span<const uint8_t> data = gauge.module().resource(id, RT_BITMAP);
    Key                      key{data.data(), data.size(), opaque};
    if (auto it = surfaces_.find(key); it != surfaces_.end())
        return it->second;
    if (surfaces_.size() >= max_entries || bytes_ >= max_bytes)
        clear();
    auto* surface = static_cast<cairo_surface_t*>(load());
    bytes_ += static_cast<size_t>(cairo_image_surface_get_stride(surface)) * cairo_image_surface_get_height(surface);
    surfaces_.emplace(key, surface);
    return surface;
}

void render_png(Gauge& gauge, const std::string& path, double scale)
{
    int w = static_cast<int>(std::lround(gauge.width() * scale));
    int h = static_cast<int>(std::lround(gauge.height() * scale));
    SurfacePtr target(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(w, 1), std::max(h, 1)),
                      cairo_surface_destroy);
    cairo_t* cr = cairo_create(target.get());
    cairo_scale(cr, scale, scale);
    try {
        draw_gauge(cr, gauge);
    } catch (...) {
        cairo_destroy(cr);
        throw;
    }
    cairo_destroy(cr);
    write_png(target.get(), path);
}

void render_panel_png(const std::vector<Placement>& gauges, int width, int height, const std::string& path,
                      double scale, const Image* background)
{
    if (width <= 0 || height <= 0) {
        for (const Placement& p : gauges) {
            width  = std::max(width, p.x + p.width);
            height = std::max(height, p.y + p.height);
        }
    }
    width  = std::clamp(width, 1, 8192);
    height = std::clamp(height, 1, 8192);
    SurfacePtr target(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width * scale),
                                                 static_cast<int>(height * scale)),
                      cairo_surface_destroy);
    cairo_t* cr = cairo_create(target.get());
    cairo_scale(cr, scale, scale);
    cairo_set_source_rgb(cr, 0.12, 0.13, 0.14);
    cairo_paint(cr);
    if (background != nullptr && background->width > 0 && background->height > 0) {
        SurfacePtr picture(cairo_image_surface_create(CAIRO_FORMAT_RGB24, background->width, background->height),
                           cairo_surface_destroy);
        cairo_surface_flush(picture.get());
        unsigned char* data   = cairo_image_surface_get_data(picture.get());
        int            stride = cairo_image_surface_get_stride(picture.get());
        for (int y = 0; data != nullptr && y < background->height; ++y)
            std::memcpy(data + static_cast<size_t>(y) * stride, &background->pixels[static_cast<size_t>(y) * background->width],
                        static_cast<size_t>(background->width) * 4);
        cairo_surface_mark_dirty(picture.get());
        cairo_save(cr);
        cairo_scale(cr, double(width) / background->width, double(height) / background->height);
        cairo_set_source_surface(cr, picture.get(), 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);   // no dark seam at the edges
        cairo_paint(cr);
        cairo_restore(cr);
    }
    try {
        for (const Placement& p : gauges) {
            if (p.gauge->width() <= 0 || p.gauge->height() <= 0)
                continue;
            cairo_save(cr);
            cairo_translate(cr, p.x, p.y);
            cairo_scale(cr, double(p.width) / p.gauge->width(), double(p.height) / p.gauge->height());
            cairo_rectangle(cr, 0, 0, p.gauge->width(), p.gauge->height());
            cairo_clip(cr);
            draw_gauge(cr, *p.gauge);
            cairo_restore(cr);
        }
    } catch (...) {
        cairo_destroy(cr);
        throw;
    }
    cairo_destroy(cr);
    write_png(target.get(), path);
}

}  // namespace host

#if defined(__SANITIZE_ADDRESS__)
// Font and drawing libraries keep caches for the life of the process; they are not our leaks.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libcairo.so\nleak:libpixman\nleak:libfreetype.so\n";
}
#endif

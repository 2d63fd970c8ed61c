#include "serve_picture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/render.h"

using namespace host;

namespace serve {
namespace {

struct Fnv {
    uint64_t h = 1469598103934665603ull;
    void     add(const void* data, size_t n)
    {
        auto* p = static_cast<const uint8_t*>(data);
        for (size_t i = 0; i < n; ++i) {
            h ^= p[i];
            h *= 1099511628211ull;
        }
    }
    template <class T>
    void add(const T& v)
    {
        add(&v, sizeof v);
    }
};

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string base64(const void* data, size_t size)
{
    static const char abc[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    auto*             p     = static_cast<const uint8_t*>(data);
    std::string       out;
    out.reserve((size + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < size; i += 3) {
        uint32_t v = p[i] << 16 | p[i + 1] << 8 | p[i + 2];
        out += abc[v >> 18];
        out += abc[(v >> 12) & 63];
        out += abc[(v >> 6) & 63];
        out += abc[v & 63];
    }
    if (i < size) {
        uint32_t v = p[i] << 16 | (i + 1 < size ? p[i + 1] << 8 : 0);
        out += abc[v >> 18];
        out += abc[(v >> 12) & 63];
        out += i + 1 < size ? abc[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

uint64_t picture_signature(const Gauge& gauge)
{
    Fnv f;
    for (const ElementState& s : gauge.elements()) {
        const ElementHeader* e = s.element;
        f.add(s.hidden);
        f.add(s.value);
        f.add(s.frame);
        f.add(s.needle_angle);
        f.add(s.text.size());
        f.add(s.text.data(), s.text.size());
        f.add(e->kind);
        f.add(e->x);
        f.add(e->y);
        f.add(e->offset_x);
        f.add(e->offset_y);
        f.add(e->bitmap_id);
        f.add(e->image_flags);
        if (e->kind == ElementKind::string) {
            auto* str = reinterpret_cast<const String*>(e);
            f.add(str->text_colour);
            f.add(str->background_colour);
            f.add(str->font_weight);
        }
    }
    return f.h;
}

int PictureMaker::update(const PanelLayout& window, int window_index, double scale, bool full)
{
    const int w = std::clamp(static_cast<int>(std::lround(window.width * scale)), 1, 8192);
    const int h = std::clamp(static_cast<int>(std::lround(window.height * scale)), 1, 8192);
    if (window_index != window_ || scale != scale_ || w != width_ || h != height_ ||
        tiles_.size() != window.gauges.size()) {
        window_ = window_index;
        scale_  = scale;
        width_  = w;
        height_ = h;
        ++layout_version_;
        tiles_.assign(window.gauges.size(), Tile{});
        signatures_.assign(window.gauges.size(), 0);
        full = true;
    }
    int drawn = 0;
    for (size_t i = 0; i < window.gauges.size(); ++i) {
        const PlacedGauge& p = window.gauges[i];
        Tile&              t = tiles_[i];
        if (p.installed == nullptr || p.installed->width() <= 0 || p.installed->height() <= 0 || p.width <= 0 ||
            p.height <= 0) {
            if (t.png_base64) {
                t            = Tile{};
                t.version    = ++next_version_;
                signatures_[i] = 0;
            }
            continue;
        }
        Gauge&         g   = *p.installed;
        const uint64_t sig = picture_signature(g);
        if (!full && t.png_base64 && sig == signatures_[i])
            continue;
        const int x0 = static_cast<int>(std::lround(p.x * scale)), y0 = static_cast<int>(std::lround(p.y * scale));
        const int x1 = static_cast<int>(std::lround((p.x + p.width) * scale));
        const int y1 = static_cast<int>(std::lround((p.y + p.height) * scale));
        const int tw = std::clamp(x1 - x0, 1, 8192), th = std::clamp(y1 - y0, 1, 8192);

        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tw, th);
        cairo_t*         cr      = cairo_create(surface);
        std::string      png;
        try {
            cairo_scale(cr, double(tw) / g.width(), double(th) / g.height());
            cairo_rectangle(cr, 0, 0, g.width(), g.height());
            cairo_clip(cr);
            draw_gauge_at(cr, g);
            cairo_destroy(cr);
            cr = nullptr;
            cairo_surface_flush(surface);
            if (cairo_surface_write_to_png_stream(surface, append, &png) != CAIRO_STATUS_SUCCESS)
                throw HostError("cannot encode the picture of gauge '" + g.label() + "'");
        } catch (...) {
            if (cr)
                cairo_destroy(cr);
            cairo_surface_destroy(surface);
            throw;
        }
        cairo_surface_destroy(surface);
        t.x          = x0;
        t.y          = y0;
        t.width      = tw;
        t.height     = th;
        t.version    = ++next_version_;
        t.png_base64 = std::make_shared<const std::string>(base64(png.data(), png.size()));
        signatures_[i] = sig;
        ++drawn;
    }
    return drawn;
}

}  // namespace serve

#include "serve_picture.h"

#include <cairo.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/render/render.h"

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

void append(png_structp png, png_bytep data, size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void flush(png_structp) {}

// Encodes a cairo image (premultiplied ARGB) as PNG: RGB when every pixel is opaque (a gauge's
// background covers its whole picture), else RGBA. Pictures are written with fast compression and
// one filter: a frame lives for a moment on the local machine, and time matters more than bytes.
std::string encode_png(cairo_surface_t* surface)
{
    cairo_surface_flush(surface);
    const int            w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    const int            stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data   = cairo_image_surface_get_data(surface);
    bool                 opaque = true;
    for (int y = 0; y < h && opaque; ++y) {
        auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x)
            if ((row[x] >> 24) != 0xFF) {
                opaque = false;
                break;
            }
    }
    std::string out;
    png_structp png  = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop   info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        throw HostError("cannot encode a picture: out of memory");
    }
    const int                  channels = opaque ? 3 : 4;
    std::vector<unsigned char> line(static_cast<size_t>(w) * channels);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw HostError("cannot encode a picture");
    }
    png_set_write_fn(png, &out, append, flush);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
                 PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) {
        auto*          row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        unsigned char* o   = line.data();
        for (int x = 0; x < w; ++x) {
            uint32_t p = row[x];
            uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (a != 0xFF && a != 0) {   // premultiplied to straight alpha
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
            *o++ = static_cast<unsigned char>(r);
            *o++ = static_cast<unsigned char>(g);
            *o++ = static_cast<unsigned char>(b);
            if (!opaque)
                *o++ = static_cast<unsigned char>(a);
        }
        png_write_row(png, line.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
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

void PictureMaker::forget()
{
    bitmaps_.clear();
    tiles_.clear();
    signatures_.clear();
    window_ = -1;
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

        // The gauge is drawn at its own size, where its bitmaps need no resampling, and the
        // picture scaled once to the tile: cheaper than scaling every bitmap of it.
        using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
        using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;
        const bool same = tw == g.width() && th == g.height();
        Surface    native(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, g.width(), g.height()), cairo_surface_destroy);
        {
            Context cr(cairo_create(native.get()), cairo_destroy);
            draw_gauge_at(cr.get(), g, &bitmaps_);
        }
        Surface tile(nullptr, cairo_surface_destroy);
        if (same) {
            tile = std::move(native);
        } else {
            tile.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tw, th));
            Context cr(cairo_create(tile.get()), cairo_destroy);
            cairo_scale(cr.get(), double(tw) / g.width(), double(th) / g.height());
            cairo_set_source_surface(cr.get(), native.get(), 0, 0);
            cairo_pattern_set_extend(cairo_get_source(cr.get()), CAIRO_EXTEND_PAD);
            cairo_paint(cr.get());
        }
        std::string png = encode_png(tile.get());
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

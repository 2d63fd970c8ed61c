// Pictures of gauges, drawn from the module's own bitmaps as the last update left them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "host/core/bitmap.h"
#include "host/core/gauge.h"

struct _cairo;   // cairo_t

namespace host {

// Decoded bitmaps kept from one picture to the next, for a caller that draws the same gauges again
// and again. Entries are found by the resource bytes they were decoded from: clear() the cache
// when the modules whose gauges it drew are unloaded.
class SurfaceCache {
public:
    SurfaceCache() = default;
    ~SurfaceCache();
    SurfaceCache(const SurfaceCache&)            = delete;
    SurfaceCache& operator=(const SurfaceCache&) = delete;
    void clear();
    // The surface (a cairo_surface_t) of a bitmap, made by load() the first time.
    void* find_or_add(Gauge& gauge, uint32_t id, bool opaque, const std::function<void*()>& load);

private:
    static constexpr size_t max_entries = 1024;
    static constexpr size_t max_bytes   = 256u << 20;
    using Key = std::tuple<const void*, size_t, bool>;
    std::map<Key, void*> surfaces_;
    size_t               bytes_ = 0;
};

// Draws the gauge's elements into a cairo context (a cairo_t), in background pixels: what
// render_png draws, for tools that compose and encode their own pictures. Throws HostError.
void draw_gauge_at(::_cairo* cr, Gauge& gauge, SurfaceCache* cache = nullptr);

// Draws the gauge at its background's size times scale and writes a PNG. Throws HostError.
void render_png(Gauge& gauge, const std::string& path, double scale = 1.0);

// A gauge placed on a panel window: its top-left corner and its size there, in panel pixels.
struct Placement {
    Gauge* gauge;
    int    x, y, width, height;
};

// Draws a panel window of the given size (0 fits the gauges) with its background bitmap stretched
// over the whole window, when there is one, and its gauges, and writes a PNG.
void render_panel_png(const std::vector<Placement>& gauges, int width, int height, const std::string& path,
                      double scale = 1.0, const Image* background = nullptr);

}  // namespace host

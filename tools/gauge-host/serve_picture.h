// Pictures of a panel window for the workbench: one PNG tile per gauge, drawn by the host's renderer
// at the browser's scale and drawn again only when what the gauge shows has changed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/render/render.h"
#include "serve_session.h"

namespace serve {

struct Tile {
    int                                x = 0, y = 0, width = 0, height = 0;   // canvas pixels
    uint64_t                           version = 0;                        // changes with the picture
    std::shared_ptr<const std::string> png_base64;                         // empty when nothing to draw
};

class PictureMaker {
public:
    // Brings the tiles of the window up to date at the scale (canvas pixels per panel pixel). Every
    // tile is drawn again when `full` is set or the window or scale changed; otherwise only those
    // whose gauge shows something new. Returns the number of tiles drawn. Throws HostError.
    int update(const PanelLayout& window, int window_index, double scale, bool full);

    const std::vector<Tile>& tiles() const { return tiles_; }
    int                      width() const { return width_; }
    int                      height() const { return height_; }
    // Changes whenever the canvas must be laid out again (another window, size or scale).
    uint64_t                 layout_version() const { return layout_version_; }
    // Forgets the decoded bitmaps and tiles: call it when the modules are loaded again.
    void                     forget();

private:
    host::SurfaceCache    bitmaps_;
    std::vector<Tile>     tiles_;
    std::vector<uint64_t> signatures_;
    int                   width_ = 0, height_ = 0, window_ = -1;
    double                scale_ = 0;
    uint64_t              layout_version_ = 0;
    uint64_t              next_version_ = 0;
};

// What a gauge's picture depends on, as a hash of its elements' states and drawing fields.
uint64_t picture_signature(const host::Gauge& gauge);
std::string base64(const void* data, size_t size);

}  // namespace serve

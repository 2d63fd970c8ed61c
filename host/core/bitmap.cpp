#include "host/core/bitmap.h"

#include <cstring>

namespace host {
namespace {

uint32_t u32(std::span<const uint8_t> b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t u16(std::span<const uint8_t> b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

constexpr size_t info_header_size = 40;
constexpr int    size_limit       = 16384;

}  // namespace

std::optional<std::pair<int, int>> bitmap_size(std::span<const uint8_t> dib)
{
    if (dib.size() < info_header_size || u32(dib, 0) < info_header_size)
        return std::nullopt;
    int32_t w = static_cast<int32_t>(u32(dib, 4));
    int32_t h = static_cast<int32_t>(u32(dib, 8));
    if (h < 0)
        h = -h;
    if (w <= 0 || h <= 0 || w > size_limit || h > size_limit)
        return std::nullopt;
    return std::pair{static_cast<int>(w), static_cast<int>(h)};
}

std::optional<Image> decode_dib(std::span<const uint8_t> dib)
{
    auto size = bitmap_size(dib);
    if (!size)
        return std::nullopt;
    const uint32_t header      = u32(dib, 0);
    const bool     bottom_up   = static_cast<int32_t>(u32(dib, 8)) > 0;
    const uint16_t bpp         = u16(dib, 14);
    const uint32_t compression = u32(dib, 16);
    uint32_t       colours     = u32(dib, 32);
    if (compression != 0 && !(compression == 3 && bpp == 32))
        return std::nullopt;
    if (bpp != 8 && bpp != 24 && bpp != 32)
        return std::nullopt;
    if (bpp == 8 && colours == 0)
        colours = 256;
    if (bpp != 8)
        colours = 0;
    size_t palette_at = header + (compression == 3 && header == info_header_size ? 12 : 0);
    size_t pixels_at  = palette_at + colours * 4;
    size_t stride     = ((static_cast<size_t>(size->first) * bpp + 31) / 32) * 4;
    if (colours > 256 || dib.size() < pixels_at + stride * size->second)
        return std::nullopt;
    Image img;
    img.width  = size->first;
    img.height = size->second;
    img.pixels.resize(static_cast<size_t>(img.width) * img.height);
    for (int row = 0; row < img.height; ++row) {
        size_t   src = pixels_at + stride * static_cast<size_t>(bottom_up ? img.height - 1 - row : row);
        uint32_t* out = &img.pixels[static_cast<size_t>(row) * img.width];
        for (int x = 0; x < img.width; ++x) {
            uint32_t px;
            if (bpp == 8) {
                uint8_t i = dib[src + x];
                if (i >= colours)
                    return std::nullopt;
                px = u32(dib, palette_at + i * 4u) & 0xFFFFFF;
            } else if (bpp == 24) {
                size_t at = src + x * 3u;
                px        = dib[at] | (dib[at + 1] << 8) | (dib[at + 2] << 16);
            } else {
                px = u32(dib, src + x * 4u) & 0xFFFFFF;
            }
            out[x] = px;
        }
    }
    return img;
}

}  // namespace host

// Bitmap resources as the modules carry them: a device-independent bitmap (info header, colour
// table, pixel rows), without the file header of a .bmp file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace host {

struct Image {
    int                   width = 0, height = 0;
    std::vector<uint32_t> pixels;   // 0x00RRGGBB, top row first

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

std::optional<std::pair<int, int>> bitmap_size(std::span<const uint8_t> dib);
// Reads 8-, 24- and 32-bit uncompressed bitmaps; nothing for anything else or truncated data.
std::optional<Image> decode_dib(std::span<const uint8_t> dib);

}  // namespace host

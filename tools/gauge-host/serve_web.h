// The workbench's page, script and style sheet, built into the program (web/, embedded at build time).
#pragma once

#include <span>
#include <string_view>

namespace serve {

struct WebFile {
    std::string_view path;   // "index.html"
    std::string_view type;   // its Content-Type
    std::string_view data;
};

std::span<const WebFile> web_files();
const WebFile*           find_web_file(std::string_view path);

}  // namespace serve

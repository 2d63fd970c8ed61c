// A loaded gauge module: its Linkage, its ImportTable and its resources.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "frame/gauge_records.h"

namespace host {

// Any failure to load, bind or drive a module or a gauge, with a one-line message naming what failed.
struct HostError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A header of either version, seen through the fields both share.
struct GaugeEntry {
    GaugeHeader* header;   // for version 610 only the first 88 bytes exist
    uint32_t     version() const { return header->version; }
    std::string  name() const { return header->name ? header->name : ""; }
};

// The file name of a module in this build ("Name.so" natively, "Name.gau" on Windows).
std::string module_file_name(const std::string& name);

// Where a module named on a command line or in a script is: a bare name (no '/', '\\' or '.') is
// the module of that name in module_dir; anything else is a path, taken relative to base when
// base is given and the path is relative.
std::string module_location(const std::string& name_or_path, const std::string& module_dir,
                            const std::string& base = {});

class Module {
public:
    // Loads the module; throws HostError naming the path when it cannot be loaded or has no Linkage.
    static std::unique_ptr<Module> load(const std::string& path);
    ~Module();
    Module(const Module&)            = delete;
    Module& operator=(const Module&) = delete;

    const std::string& path() const { return path_; }
    std::string        name() const;   // file name without directory and extension
    HMODULE            handle() const { return handle_; }
    HostWord           instance() const { return reinterpret_cast<HostWord>(handle_); }

    const LinkageView*        linkage() const { return linkage_; }
    ImportTableRecord*        import_table() const { return import_table_; }
    const std::vector<GaugeEntry>& gauges() const { return gauges_; }
    // Finds a gauge by name; throws HostError listing the module's gauges when absent.
    GaugeEntry                gauge(const std::string& name) const;
    const GaugeEntry*         find_gauge(const std::string& name) const;

    // Resource bytes by numeric id and type (RT_BITMAP, or a named type such as "WAVE").
    std::span<const uint8_t> resource(uint32_t id, LPCSTR type) const;
    bool                     has_bitmap(uint32_t id) const { return !resource(id, RT_BITMAP).empty(); }

    // Stores the services address and calls the module's init routine.
    void bind(PanelServices* services);

private:
    Module() = default;
    std::string             path_;
    HMODULE                 handle_       = nullptr;
    LinkageView*            linkage_      = nullptr;
    ImportTableRecord*      import_table_ = nullptr;
    std::vector<GaugeEntry> gauges_;
    bool                    initialised_  = false;
};

}  // namespace host

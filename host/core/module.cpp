#include "host/core/module.h"

#include "host/core/module_files.h"

#include <filesystem>

#include <algorithm>

namespace host {

std::unique_ptr<Module> Module::load(const std::string& path)
{
    std::unique_ptr<Module> m(new Module);
    m->path_   = path;
    m->handle_ = LoadLibraryA(path.c_str());
    if (m->handle_ == nullptr)
        throw HostError("cannot load module '" + path + "': " + load_failure_cause(path));
    m->linkage_      = reinterpret_cast<LinkageView*>(GetProcAddress(m->handle_, "Linkage"));
    m->import_table_ = reinterpret_cast<ImportTableRecord*>(GetProcAddress(m->handle_, "ImportTable"));
    if (m->linkage_ == nullptr)
        throw HostError("module '" + path + "' exports no Linkage: it is a library, but not a gauge module");
    if (m->import_table_ == nullptr)
        throw HostError("module '" + path + "' exports no ImportTable");
    if (m->import_table_->services_id != import_panel_services_id)
        throw HostError("module '" + path + "' has an ImportTable without the panel-services entry");
    for (GaugeHeader* const* g = m->linkage_->gauges; *g != nullptr; ++g)
        m->gauges_.push_back(GaugeEntry{*g});
    return m;
}

Module::~Module()
{
    if (handle_ == nullptr)
        return;
    if (initialised_ && linkage_->deinit != nullptr)
        linkage_->deinit();
    FreeLibrary(handle_);
}

std::string Module::name() const
{
    std::string base = path_.substr(path_.find_last_of("/\\") + 1);
    auto dot = base.find('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

const GaugeEntry* Module::find_gauge(const std::string& name) const
{
    auto it = std::find_if(gauges_.begin(), gauges_.end(), [&](const GaugeEntry& g) { return g.name() == name; });
    return it == gauges_.end() ? nullptr : &*it;
}

GaugeEntry Module::gauge(const std::string& name) const
{
    if (const GaugeEntry* g = find_gauge(name))
        return *g;
    std::string known;
    for (const GaugeEntry& g : gauges_)
        known += (known.empty() ? "" : ", ") + g.name();
    throw HostError("module '" + this->name() + "' has no gauge '" + name + "' (it has: " + known + ")");
}

std::span<const uint8_t> Module::resource(uint32_t id, LPCSTR type) const
{
    HRSRC found = FindResourceA(handle_, MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return {};
    HGLOBAL loaded = LoadResource(handle_, found);
    auto*   bytes  = static_cast<const uint8_t*>(LockResource(loaded));
    if (bytes == nullptr)
        return {};
    return {bytes, static_cast<size_t>(SizeofResource(handle_, found))};
}

void Module::bind(PanelServices* services)
{
    import_table_->services = services;
    if (!initialised_ && linkage_->init != nullptr)
        linkage_->init();
    initialised_ = true;
}

std::string module_file_name(const std::string& name)
{
#if defined(_WIN32)
    return name + ".gau";
#else
    return name + ".so";
#endif
}

std::string module_location(const std::string& name_or_path, const std::string& module_dir, const std::string& base)
{
    const bool bare = name_or_path.find_first_of("/\\.") == std::string::npos;
    if (bare)
        return (std::filesystem::path(module_dir) / module_file_name(name_or_path)).string();
    std::filesystem::path path(name_or_path);
    if (base.empty() || path.is_absolute())
        return name_or_path;
    return (std::filesystem::path(base) / path).string();
}

}  // namespace host

#include "host/core/module_files.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include "host/core/module.h"
#include "host/core/text_tools.h"

namespace fs = std::filesystem;

namespace host {
namespace {

std::string extension() { return fs::path(module_file_name("x")).extension().string(); }

std::string file_kind(const std::string& path, std::string& reason)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno);
        return "unreadable";
    }
    char magic[4] = {};
    in.read(magic, sizeof magic);
    if (in.gcount() == 0)
        return "empty";
    if (in.gcount() >= 2 && magic[0] == 'M' && magic[1] == 'Z')
        return "windows";
    if (in.gcount() == 4 && std::memcmp(magic, "\x7F" "ELF", 4) == 0)
        return "linux";
    return "other";
}

// What the system's loader says about the file (on Windows, the error it left on failing).
std::string loader_reason(const std::string& path, unsigned long code)
{
#if defined(_WIN32)
    (void)path;
    switch (code) {
    case 193: return "it is not a 32-bit Windows module";
    case 126: return "a library it needs is missing";
    case 5: return "access is denied";
    default: return "the Windows loader reports error " + std::to_string(code);
    }
#else
    (void)code;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle != nullptr) {
        dlclose(handle);
        return "the loader accepted it on a second try";
    }
    const char* why = dlerror();
    std::string text = why ? why : "the loader gives no reason";
    // The loader repeats the path first: keep what comes after it.
    if (auto at = text.find(path + ": "); at == 0)
        text.erase(0, path.size() + 2);
    return text;
#endif
}

std::string cause_of(const std::string& path, unsigned long code)
{
    std::error_code ec;
    fs::path        p(path);
    if (!fs::exists(p, ec)) {
        fs::path folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
        if (!fs::is_directory(folder, ec))
            return "there is no folder '" + folder.string() + "'";
        return "there is no such file";
    }
    if (fs::is_directory(p, ec))
        return "it is a folder, not a module file";
    std::string reason;
    std::string kind = file_kind(path, reason);
    if (kind == "unreadable")
        return "it cannot be read: " + reason;
    if (kind == "empty")
        return "the file is empty";
#if defined(_WIN32)
    if (kind == "linux")
        return "it is a module of the Linux build (.so); this gauge-host is the Windows build and loads .gau modules";
#else
    if (kind == "windows")
        return "it is a Windows module (.gau): this gauge-host is the Linux build and loads the modules built from the "
               "same sources for Linux (" +
               module_file_name(p.stem().string()) + "); the .gau itself runs in the simulator or under "
               "build/win32/bin/gauge-host.exe";
#endif
    if (kind == "other")
        return "it is not a module: neither a Windows DLL nor a Linux shared object";
    return loader_reason(path, code);
}

}  // namespace

std::vector<std::string> module_names_in(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code          ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == extension() && !fs::is_directory(it->path(), ec))
            names.push_back(it->path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string load_failure_cause(const std::string& path)
{
    const unsigned long code  = GetLastError();   // before anything else can change it
    std::string         cause = cause_of(path, code);
    fs::path    p(path);
    fs::path    folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    std::error_code ec;
    auto        found  = module_names_in(folder.string());
    if (found.empty() || !fs::is_directory(folder, ec))
        return cause;
    std::string text = cause + "; the modules in '" + folder.string() + "' are " + joined(found);
    if (std::find(found.begin(), found.end(), p.stem().string()) == found.end())
        if (auto close_names = nearest_names(p.stem().string(), found); !close_names.empty())
            text += " (" + did_you_mean(close_names) + ")";
    return text;
}

}  // namespace host

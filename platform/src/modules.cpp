// Module loading and resource lookup of the stand-in.
#include <windows.h>

#include <dlfcn.h>

#include <cstring>
#include <string>

#include "native_resources.h"
#include "platform_internal.h"

namespace {

struct LoadedModule {
    void*                      handle = nullptr;
    const NativeResourceTable* resources = nullptr;
    std::string                path;
};

thread_local DWORD last_error = 0;

LoadedModule* as_module(HMODULE module) { return reinterpret_cast<LoadedModule*>(module); }

bool type_matches(const NativeResource& r, LPCSTR type)
{
    if (IS_INTRESOURCE(type))
        return r.type_name == nullptr && r.type_id == reinterpret_cast<uintptr_t>(type);
    return r.type_name != nullptr && strcasecmp(r.type_name, type) == 0;
}

bool name_matches(const NativeResource& r, LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return r.id == reinterpret_cast<uintptr_t>(name);
    // "#123" names a numeric id, as on Windows
    if (name[0] == '#')
        return r.id == std::strtoul(name + 1, nullptr, 10);
    return false;
}

}  // namespace

void platform_set_last_error(DWORD error) { last_error = error; }

HMODULE platform_executable_module()
{
    static LoadedModule executable;
    return reinterpret_cast<HMODULE>(&executable);
}

const char* platform_module_path(HMODULE module)
{
    return module == nullptr || module == platform_executable_module() ? nullptr : as_module(module)->path.c_str();
}

extern "C" {

DWORD WINAPI GetLastError() { return last_error; }

HMODULE WINAPI LoadLibraryA(LPCSTR path)
{
    if (path == nullptr) {
        last_error = ERROR_MOD_NOT_FOUND;
        return nullptr;
    }
    void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        last_error = ERROR_MOD_NOT_FOUND;
        return nullptr;
    }
    auto* module = new LoadedModule{handle, nullptr, path};
    module->resources = static_cast<const NativeResourceTable*>(dlsym(handle, NATIVE_RESOURCES_SYMBOL));
    return reinterpret_cast<HMODULE>(module);
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name)
{
    if (module == nullptr || name == nullptr) {
        last_error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    void* symbol = dlsym(as_module(module)->handle, name);
    if (symbol == nullptr) {
        last_error = ERROR_PROC_NOT_FOUND;
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL WINAPI FreeLibrary(HMODULE module)
{
    if (module == nullptr)
        return FALSE;
    LoadedModule* m = as_module(module);
    dlclose(m->handle);
    delete m;
    return TRUE;
}

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type)
{
    if (module == nullptr || name == nullptr || type == nullptr) {
        last_error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    const NativeResourceTable* table = as_module(module)->resources;
    if (table == nullptr) {
        last_error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return nullptr;
    }
    for (uint32_t i = 0; i < table->count; ++i) {
        const NativeResource& r = table->entries[i];
        if (type_matches(r, type) && name_matches(r, name))
            return reinterpret_cast<HRSRC>(const_cast<NativeResource*>(&r));
    }
    last_error = ERROR_RESOURCE_NAME_NOT_FOUND;
    return nullptr;
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource)
{
    if (resource == nullptr)
        return nullptr;
    auto* r = reinterpret_cast<const NativeResource*>(resource);
    return const_cast<unsigned char*>(r->begin);
}

LPVOID WINAPI LockResource(HGLOBAL data) { return data; }

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource)
{
    if (resource == nullptr)
        return 0;
    auto* r = reinterpret_cast<const NativeResource*>(resource);
    return static_cast<DWORD>(r->end - r->begin);
}

BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }

}  // extern "C"

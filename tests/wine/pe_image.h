// Reads the export and import directories of a module loaded by the real Windows loader.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ExportedSymbol {
    std::string name;
    bool        in_code;   // the symbol lies in an executable section
};

struct PeDirectories {
    std::string                 dll_name;   // the name recorded in the export directory
    std::vector<ExportedSymbol> exports;    // by name
    unsigned                    export_count = 0;
    std::vector<std::string>    imported_dlls;
    // Imports of one DLL: names, or "#N" for imports by ordinal.
    std::vector<std::string> imports_of(const std::string& dll) const;
    std::vector<std::pair<std::string, std::string>> imports;   // (dll, name or #ordinal)
};

inline PeDirectories read_pe_directories(HMODULE module)
{
    PeDirectories d;
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos  = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt   = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    auto* sections = IMAGE_FIRST_SECTION(nt);
    auto  in_code  = [&](DWORD rva) {
        for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const auto& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return (s.Characteristics & IMAGE_SCN_MEM_EXECUTE) != 0;
        }
        return false;
    };
    const auto& exp_dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (exp_dir.VirtualAddress != 0) {
        auto* exp   = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + exp_dir.VirtualAddress);
        d.dll_name  = reinterpret_cast<const char*>(base + exp->Name);
        d.export_count = exp->NumberOfFunctions;
        auto* names    = reinterpret_cast<const DWORD*>(base + exp->AddressOfNames);
        auto* ordinals = reinterpret_cast<const WORD*>(base + exp->AddressOfNameOrdinals);
        auto* funcs    = reinterpret_cast<const DWORD*>(base + exp->AddressOfFunctions);
        for (DWORD i = 0; i < exp->NumberOfNames; ++i)
            d.exports.push_back({reinterpret_cast<const char*>(base + names[i]), in_code(funcs[ordinals[i]])});
    }
    const auto& imp_dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imp_dir.VirtualAddress != 0) {
        for (auto* imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imp_dir.VirtualAddress); imp->Name;
             ++imp) {
            std::string dll = reinterpret_cast<const char*>(base + imp->Name);
            d.imported_dlls.push_back(dll);
            DWORD thunk_rva = imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk;
            for (auto* t = reinterpret_cast<const IMAGE_THUNK_DATA32*>(base + thunk_rva); t->u1.AddressOfData; ++t) {
                if (t->u1.Ordinal & IMAGE_ORDINAL_FLAG32)
                    d.imports.emplace_back(dll, "#" + std::to_string(IMAGE_ORDINAL32(t->u1.Ordinal)));
                else
                    d.imports.emplace_back(
                        dll, reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + t->u1.AddressOfData)->Name);
            }
        }
    }
    return d;
}

inline std::vector<std::string> PeDirectories::imports_of(const std::string& dll) const
{
    std::vector<std::string> out;
    for (const auto& [d, name] : imports)
        if (_stricmp(d.c_str(), dll.c_str()) == 0)
            out.push_back(name);
    return out;
}

// The DLLs a gauge module may import: parts of Windows itself.
inline bool is_windows_system_dll(std::string name)
{
    for (char& c : name)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    for (const char* ok : {"KERNEL32.DLL", "USER32.DLL", "MSVCRT.DLL", "WINMM.DLL", "DSOUND.DLL", "GDI32.DLL",
                           "ADVAPI32.DLL"})
        if (name == ok)
            return true;
    return false;
}

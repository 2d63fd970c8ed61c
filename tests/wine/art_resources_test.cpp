// Every bitmap of each real .gau, read through the Windows resource API, is the art the native
// build drew for it, byte for byte (the resource being the bitmap file without its 14-byte header).
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The native build's art folder, as a path Wine can open (its Z: drive is the Unix root).
std::string art_path(const std::string& unix_path) { return "Z:" + unix_path; }

struct ArtBitmap {
    unsigned    id;
    std::string file;
};

// The bitmaps that the resource script of a module names: `ID BITMAP "file"` lines.
std::vector<ArtBitmap> listed_bitmaps(const std::string& module)
{
    std::ifstream           rc(art_path(std::string(GAUGE_ART_DIR) + "/" + module + "/resources.rc"));
    std::vector<ArtBitmap>  out;
    std::string             line;
    while (std::getline(rc, line)) {
        std::istringstream in(line);
        unsigned           id;
        std::string        type, file;
        if (!(in >> id >> type) || type != "BITMAP")
            continue;
        auto first = line.find('"'), last = line.rfind('"');
        out.push_back({id, line.substr(first + 1, last - first - 1)});
    }
    return out;
}

BOOL CALLBACK note_bitmap(HMODULE, LPCSTR, LPSTR name, LONG_PTR found)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<unsigned>*>(found)->insert(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

class ArtResources : public testing::TestWithParam<const char*> {};

TEST_P(ArtResources, EveryBitmapIsTheNativeArtByteForByte)
{
    const std::string module = GetParam();
    HMODULE           m      = LoadLibraryA(("modules\\" + module + ".gau").c_str());
    ASSERT_NE(m, nullptr) << module << ": LoadLibraryA failed with " << GetLastError();
    std::vector<ArtBitmap> listed = listed_bitmaps(module);
    ASSERT_FALSE(listed.empty()) << "no bitmaps listed in the art of " << module;

    std::set<unsigned> in_module;
    EnumResourceNamesA(m, MAKEINTRESOURCEA(2), note_bitmap, reinterpret_cast<LONG_PTR>(&in_module));
    std::set<unsigned> named;
    for (const ArtBitmap& b : listed)
        named.insert(b.id);
    EXPECT_EQ(in_module, named) << module << ": the module's bitmaps are not those the art names";

    for (const ArtBitmap& b : listed) {
        HRSRC found = FindResourceA(m, MAKEINTRESOURCEA(b.id), MAKEINTRESOURCEA(2));
        ASSERT_NE(found, nullptr) << module << ": bitmap " << b.id;
        HGLOBAL loaded = LoadResource(m, found);
        auto*   data   = static_cast<const char*>(LockResource(loaded));
        DWORD   size   = SizeofResource(m, found);
        ASSERT_NE(data, nullptr);
        std::ifstream file(art_path(b.file), std::ios::binary);
        ASSERT_TRUE(file) << "cannot read " << b.file;
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 14u);
        ASSERT_EQ(size, bytes.size() - 14) << module << ": bitmap " << b.id;
        EXPECT_EQ(std::string(data, size), bytes.substr(14)) << module << ": bitmap " << b.id << " differs";
    }
    FreeLibrary(m);
}

INSTANTIATE_TEST_SUITE_P(Modules, ArtResources, testing::Values("Tolvane", "Norvak_Instr", "Stelvar_Instr"));

}  // namespace

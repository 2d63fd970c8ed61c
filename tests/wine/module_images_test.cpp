// The real .gau files under the Windows loader: their export and import directories, the records
// their two exports name, and bitmaps that are real resources. What the modules do on a panel is
// among the cases both builds share.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "frame/gauge_records.h"
#include "pe_image.h"
#include "tests/common/suite_hooks.h"

namespace {

struct ModuleImage {
    const char* name;
    uint32_t    module_version;
    uint32_t    first_gauge_version;
};

const ModuleImage images[] = {
    {"Tolvane", 0, 610},
    {"Norvak_Instr", 0x900, 800},
    {"Stelvar_Instr", 0x900, 800},
};

TEST(ModuleImages, ExportExactlyTheirTwoRecordsAndImportOnlySystemDlls)
{
    for (const ModuleImage& image : images) {
        SCOPED_TRACE(image.name);
        HMODULE m = LoadLibraryA(module_path(image.name).c_str());
        ASSERT_NE(m, nullptr) << "LoadLibraryA failed with " << GetLastError();
        PeDirectories d = read_pe_directories(m);
        EXPECT_EQ(d.dll_name, std::string(image.name) + ".gau");
        EXPECT_EQ(d.export_count, 2u);
        ASSERT_EQ(d.exports.size(), 2u);
        EXPECT_EQ(d.exports[0].name, "ImportTable");
        EXPECT_EQ(d.exports[1].name, "Linkage");
        EXPECT_FALSE(d.exports[0].in_code);
        EXPECT_FALSE(d.exports[1].in_code);
        for (const std::string& dll : d.imported_dlls)
            EXPECT_TRUE(is_windows_system_dll(dll)) << "imports " << dll;

        // The file image holds no services address.
        auto* imports = reinterpret_cast<ImportTableRecord*>(GetProcAddress(m, "ImportTable"));
        ASSERT_NE(imports, nullptr);
        EXPECT_EQ(imports->services_id, 0x0Fu);
        EXPECT_EQ(imports->services, nullptr);
        auto* linkage = reinterpret_cast<LinkageView*>(GetProcAddress(m, "Linkage"));
        ASSERT_NE(linkage, nullptr);
        EXPECT_EQ(linkage->module_id, 0x13u);
        EXPECT_EQ(linkage->module_version, image.module_version);
        ASSERT_NE(linkage->gauges[0], nullptr);
        EXPECT_EQ(linkage->gauges[0]->version, image.first_gauge_version);
        EXPECT_TRUE(FreeLibrary(m));
    }
}

TEST(ModuleImages, TolvaneBitmapsAreRealResources)
{
    HMODULE m = LoadLibraryA(module_path("Tolvane").c_str());
    ASSERT_NE(m, nullptr);
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(4096), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(8192), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(4097), MAKEINTRESOURCEA(2)), nullptr);
    FreeLibrary(m);
}

}  // namespace

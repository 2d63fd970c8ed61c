// The real Norvak_Instr.gau and Stelvar_Instr.gau under the Windows loader: their export and import
// directories and the records their two exports name. Their gauge tables and their gauges are
// among the cases both builds share.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "frame/gauge_records.h"
#include "pe_image.h"
#include "tests/common/suite_hooks.h"

namespace {

TEST(AircraftDlls, ExportExactlyTheirTwoRecordsAndImportOnlySystemDlls)
{
    for (const std::string name : {"Norvak_Instr", "Stelvar_Instr"}) {
        SCOPED_TRACE(name);
        HMODULE m = LoadLibraryA(module_path(name).c_str());
        ASSERT_NE(m, nullptr) << "LoadLibraryA failed with " << GetLastError();
        PeDirectories d = read_pe_directories(m);
        EXPECT_EQ(d.dll_name, name + ".gau");
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
        EXPECT_EQ(imports->services, nullptr);
        auto* linkage = reinterpret_cast<LinkageView*>(GetProcAddress(m, "Linkage"));
        ASSERT_NE(linkage, nullptr);
        EXPECT_EQ(linkage->module_id, 0x13u);
        EXPECT_EQ(linkage->module_version, 0x900u);
        EXPECT_TRUE(FreeLibrary(m));
    }
}

}  // namespace

// The sound library and the external interface client on the real Windows API: the cases shared
// with the native suite, the DirectSound import of the real modules, host variants from real
// executable names and a machine without an audio device.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "pe_image.h"
#include "tests/common/extlink_cases.h"
#include "tests/common/sound_cases.h"

// Runs a copy of this test program under the given file name; the copy reports what it found.
HostRun run_as_host(const std::string& file_name)
{
    HostRun           r;
    const std::string dir    = "bin\\variants";
    const std::string exe    = dir + "\\" + file_name;
    const std::string report = dir + "\\report.txt";
    CreateDirectoryA(dir.c_str(), nullptr);
    DeleteFileA(report.c_str());
    if (!CopyFileA(host::host_executable_path().c_str(), exe.c_str(), FALSE))
        return r;
    SetEnvironmentVariableA("GAUGE_VARIANT_REPORT", report.c_str());
    std::string         command = "\"" + exe + "\" --gtest_filter=SoundHostChild.Report";
    STARTUPINFOA        si      = {};
    PROCESS_INFORMATION pi      = {};
    si.cb                       = sizeof si;
    si.dwFlags                  = STARTF_USESTDHANDLES;   // the copy's own output is not wanted
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    SetEnvironmentVariableA("GAUGE_VARIANT_REPORT", nullptr);
    std::ifstream in(report);
    int           found = 0;
    in >> r.variant >> found;
    r.window_found = found == 1;
    DeleteFileA(exe.c_str());
    return r;
}

namespace {

// Runs only inside a copy started by run_as_host.
TEST(SoundHostChild, Report)
{
    const char* report = std::getenv("GAUGE_VARIANT_REPORT");
    if (report == nullptr)
        GTEST_SKIP() << "runs in copies of this program only";
    host::SimulatedPanel h;
    HWND            found = find_host_window();
    std::ofstream(report) << host_variant() << " "
                          << (found != nullptr && found == host::environment_of(h).main_window() ? 1 : 0) << "\n";
}

TEST(SoundDll, AircraftModulesImportDirectSoundCreateByOrdinalOne)
{
    for (const char* name : {"Norvak_Instr", "Stelvar_Instr"}) {
        HMODULE m = LoadLibraryA(module_path(name).c_str());
        ASSERT_NE(m, nullptr) << name;
        PeDirectories d = read_pe_directories(m);
        EXPECT_EQ(d.imports_of("DSOUND.dll"), std::vector<std::string>{"#1"}) << name;
        for (const std::string& dll : d.imported_dlls)
            EXPECT_TRUE(is_windows_system_dll(dll)) << name << ": " << dll;
        FreeLibrary(m);
    }
}

// Run by its own test entry with the audio drivers disabled.
TEST(NoAudioDevice, SoundSwitchesOff)
{
    if (std::getenv("GAUGE_EXPECT_NO_AUDIO") == nullptr)
        GTEST_SKIP() << "runs with the audio drivers disabled only";
    sound_enabled = 1;
    host::MessageWindow window(host::main_window_class(host_variant()), [](UINT, WPARAM, LPARAM) { return LRESULT{0}; });
    LPDIRECTSOUND device = nullptr;
    EXPECT_EQ(sound_create_device(find_host_window(), &device), 0);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(sound_enabled, 0);
}

}  // namespace

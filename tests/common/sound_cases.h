// Sound library cases that run on both builds: on the stand-in natively and on the real Windows API
// under Wine. Each suite includes this once and supplies the hooks below.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/world/environment.h"
#include "sound/sound.h"
#include "tests/fixtures/wave_fixture_ids.h"

#include "tests/common/suite_hooks.h"

// What the library found when run as another host executable.
struct HostRun {
    int  variant = 0;        // what host_variant() answered
    bool window_found = false;   // find_host_window() found the host's main window
};
// Runs the library as if the host executable were called `file_name`.
HostRun run_as_host(const std::string& file_name);

namespace sound_cases {

// The 'data' chunk of a WAVE resource, read independently of the library.
inline std::vector<uint8_t> data_chunk_of(HMODULE module, uint32_t id)
{
    HRSRC r = FindResourceA(module, MAKEINTRESOURCEA(id), "WAVE");
    if (r == nullptr)
        return {};
    auto*    bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, r)));
    uint32_t size  = SizeofResource(module, r);
    for (uint32_t at = 12; at + 8 <= size;) {
        uint32_t n;
        std::memcpy(&n, bytes + at + 4, 4);
        if (std::memcmp(bytes + at, "data", 4) == 0)
            return std::vector<uint8_t>(bytes + at + 8, bytes + at + 8 + std::min(n, size - at - 8));
        at += 8 + n + (n & 1);
    }
    return {};
}

inline std::vector<uint8_t> buffer_content(LPDIRECTSOUNDBUFFER buffer, DWORD bytes)
{
    void* p1 = nullptr;
    void* p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    if (FAILED(buffer->Lock(0, bytes, &p1, &n1, &p2, &n2, 0)))
        return {};
    std::vector<uint8_t> out(static_cast<uint8_t*>(p1), static_cast<uint8_t*>(p1) + n1);
    buffer->Unlock(p1, n1, p2, n2);
    return out;
}

// A gauge's sound slots, released (with sound switched back on) when the case ends.
struct Slots {
    LPDIRECTSOUND       device = nullptr;
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    ~Slots()
    {
        sound_enabled = 1;
        sound_release_buffer(&buffer);
        sound_release_device(&device);
    }
};

class SoundCases : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_sound_platform();
        sound_enabled = 1;
        window_ = std::make_unique<host::MessageWindow>(host::main_window_class(host_variant()),
                                                        [](UINT, WPARAM, LPARAM) { return LRESULT{0}; });
        fixtures_ = LoadLibraryA(wave_fixtures_path().c_str());
        ASSERT_NE(fixtures_, nullptr) << wave_fixtures_path();
    }
    void TearDown() override
    {
        if (fixtures_)
            FreeLibrary(fixtures_);
        sound_enabled = 1;
    }

    uint32_t load(Slots& s, uint32_t id, HMODULE module = nullptr)
    {
        EXPECT_EQ(sound_create_device(find_host_window(), &s.device), 1);
        return sound_load_wave_resource(find_host_window(), &s.device, &s.buffer, id, module ? module : fixtures_);
    }

    std::unique_ptr<host::MessageWindow> window_;
    HMODULE                              fixtures_ = nullptr;
};

TEST_F(SoundCases, WaveLayoutsLoadOnlyWithFormatBeforeDataAndAPlayableFormat)
{
    struct Layout {
        uint32_t    id;
        bool        loads;
        const char* what;
    };
    const Layout layouts[] = {
        {wave_plain, true, "'fmt ' then 'data'"},
        {wave_list_first, true, "LIST first, a chunk after 'data'"},
        {wave_long_format, true, "'fmt ' of 24 bytes"},
        {wave_data_first, false, "'data' before 'fmt '"},
        {wave_mu_law, false, "mu-law"},
        {wave_other_tag, false, "tag 2 in a 16-byte 'fmt '"},
        {wave_truncated, false, "'data' longer than the file"},
        {wave_not_wave, false, "RIFF of another form"},
        {99, false, "missing id"},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.what);
        sound_enabled = 1;
        Slots    s;
        uint32_t n = load(s, l.id);
        if (!l.loads) {
            EXPECT_EQ(n, 0u);
            EXPECT_EQ(s.buffer, nullptr);
            EXPECT_EQ(sound_enabled, 0);
            continue;
        }
        std::vector<uint8_t> samples = data_chunk_of(fixtures_, l.id);
        ASSERT_FALSE(samples.empty());
        EXPECT_EQ(n, samples.size());
        EXPECT_EQ(sound_enabled, 1);
        ASSERT_NE(s.buffer, nullptr);
        EXPECT_EQ(buffer_content(s.buffer, n), samples);
        DWORD play = 1, write = 1;
        EXPECT_EQ(s.buffer->GetCurrentPosition(&play, &write), DS_OK);
        EXPECT_EQ(play, 0u);
    }
}

TEST_F(SoundCases, EachAircraftModuleCarriesItsDistinctClicks)
{
    struct ModuleWaves {
        const char* module;
        uint32_t    present[3];
        uint32_t    absent;
    };
    for (const ModuleWaves& m : {ModuleWaves{"Norvak_Instr", {10, 20, 30}, 40}, ModuleWaves{"Stelvar_Instr", {10, 20, 40}, 30}}) {
        SCOPED_TRACE(m.module);
        HMODULE module = LoadLibraryA(module_path(m.module).c_str());
        ASSERT_NE(module, nullptr);
        std::vector<std::vector<uint8_t>> contents;
        for (uint32_t id : m.present) {
            Slots    s;
            uint32_t n = load(s, id, module);
            EXPECT_GT(n, 0u) << "wave " << id;
            ASSERT_NE(s.buffer, nullptr);
            contents.push_back(buffer_content(s.buffer, n));
        }
        EXPECT_NE(contents[0], contents[1]);
        EXPECT_NE(contents[1], contents[2]);
        EXPECT_NE(contents[0], contents[2]);
        Slots s;
        EXPECT_EQ(load(s, m.absent, module), 0u);
        // Only the low 16 bits of the id count.
        sound_enabled = 1;
        Slots high;
        EXPECT_GT(load(high, 0x10000u | m.present[0], module), 0u);
        FreeLibrary(module);
    }
}

TEST_F(SoundCases, WhileSoundIsOffNothingIsLoadedPlayedOrReleased)
{
    Slots loaded;
    ASSERT_GT(load(loaded, wave_plain), 0u);
    sound_enabled = 0;

    // The loader returns at once, leaving the slot as it was.
    LPDIRECTSOUNDBUFFER untouched = loaded.buffer;
    EXPECT_EQ(sound_load_wave_resource(find_host_window(), &loaded.device, &untouched, wave_plain, fixtures_), 0u);
    EXPECT_EQ(untouched, loaded.buffer);
    EXPECT_EQ(sound_play(&loaded.buffer, 0), 0);

    // Nor is a device made, which release could never let go of; a slot keeps what it holds.
    Slots later;
    EXPECT_EQ(sound_create_device(find_host_window(), &later.device), 0);
    EXPECT_EQ(later.device, nullptr);
    LPDIRECTSOUND kept = loaded.device;
    EXPECT_EQ(sound_create_device(find_host_window(), &kept), 0);
    EXPECT_EQ(kept, loaded.device);
    EXPECT_EQ(sound_enabled, 0);

    LPDIRECTSOUNDBUFFER buffer = loaded.buffer;
    LPDIRECTSOUND       device = loaded.device;
    sound_release_buffer(&loaded.buffer);
    sound_release_device(&loaded.device);
    EXPECT_EQ(loaded.buffer, buffer);
    EXPECT_EQ(loaded.device, device);
}

TEST_F(SoundCases, PlayAndRelease)
{
    Slots s;
    ASSERT_GT(load(s, wave_list_first), 0u);
    EXPECT_EQ(sound_play(&s.buffer, 0), 1);
    EXPECT_EQ(sound_play(&s.buffer, 0), 1);   // again, while it may still be playing

    LPDIRECTSOUNDBUFFER none = nullptr;
    EXPECT_EQ(sound_play(&none, 0), 0);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(sound_enabled, 1);

    sound_release_buffer(&s.buffer);
    sound_release_device(&s.device);
    EXPECT_EQ(s.buffer, nullptr);
    EXPECT_EQ(s.device, nullptr);
    sound_release_buffer(&s.buffer);   // a null handle is left alone
    EXPECT_EQ(sound_enabled, 1);
}

TEST_F(SoundCases, AFailureInOneGaugeSilencesEveryOther)
{
    Slots first, second, failing;
    ASSERT_GT(load(first, wave_plain), 0u);
    ASSERT_GT(load(second, wave_long_format), 0u);
    EXPECT_EQ(load(failing, 99), 0u);
    EXPECT_EQ(sound_enabled, 0);
    EXPECT_EQ(sound_play(&first.buffer, 0), 0);
    EXPECT_EQ(sound_play(&second.buffer, 0), 0);
    EXPECT_NE(first.buffer, nullptr);
    // A later installation makes and loads nothing either.
    Slots after;
    EXPECT_EQ(sound_create_device(find_host_window(), &after.device), 0);
    EXPECT_EQ(sound_load_wave_resource(find_host_window(), &after.device, &after.buffer, wave_plain, fixtures_), 0u);
    EXPECT_EQ(after.device, nullptr);
    EXPECT_EQ(after.buffer, nullptr);
}

// Whether a device accepts no window at the normal level is the platform's (Windows refuses, Wine
// accepts); the library reports what the platform answered.
TEST_F(SoundCases, WithoutAHostWindowTheDeviceFollowsTheCooperativeLevel)
{
    Slots s;
    ASSERT_EQ(sound_create_device(find_host_window(), &s.device), 1);   // made while the window was there
    window_.reset();
    ASSERT_EQ(find_host_window(), nullptr);
    const int made = sound_create_device(nullptr, &s.device);   // lets go of the device it held first
    EXPECT_EQ(made == 1, s.device != nullptr);
    EXPECT_EQ(sound_enabled, made);
}

TEST(SoundHostVariant, ToldFromTheExecutableName)
{
    struct Name {
        const char* file;
        int         variant;
    };
    // '2' 4th wins over 'C' 1st; 'C' 1st over '2' 3rd; positions past the end never match.
    const Name names[] = {
        {"abc2.exe", 4}, {"Cxy2.exe", 4}, {"Cab.exe", 2}, {"C.exe", 2},    {"ab2.exe", 3}, {"xy2z2.exe", 3},
        {"x2.exe", 1},   {"hostp.exe", 1}, {"cfs.exe", 1}, {"ab.2.exe", 4},
    };
    for (const Name& n : names) {
        HostRun r = run_as_host(n.file);
        EXPECT_EQ(r.variant, n.variant) << n.file;
        EXPECT_TRUE(r.window_found) << n.file;
    }
}

}  // namespace sound_cases

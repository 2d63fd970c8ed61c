// The sound library and the external interface client on the stand-in: the cases shared with the
// Wine suite, and the DirectSound failures that only the stand-in can bring about.
#include <gtest/gtest.h>

#include <standin_control.h>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "tests/common/extlink_cases.h"
#include "tests/common/sound_cases.h"

HostRun run_as_host(const std::string& file_name)
{
    standin::set_host_executable("/opt/sim/" + file_name);
    HostRun r;
    {
        host::SimulatedPanel h;
        r.variant      = host_variant();
        HWND found     = find_host_window();
        r.window_found = found != nullptr && found == host::environment_of(h).main_window();
    }
    standin::set_host_executable("");
    return r;
}

namespace {

using standin::SoundOp;

class StandinSound : public sound_cases::SoundCases {};

TEST_F(StandinSound, EachFailingStepSwitchesSoundOffAndLeavesNothingBehind)
{
    struct Step {
        SoundOp op;
        bool    device_made;   // the device slot holds a device afterwards
    };
    const Step steps[] = {
        {SoundOp::create_device, false}, {SoundOp::cooperative_level, false}, {SoundOp::create_buffer, true},
        {SoundOp::lock, true},           {SoundOp::unlock, true},             {SoundOp::set_position, true},
        {SoundOp::play, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(standin::sound_op_name(step.op));
        standin::reset_sound();
        sound_enabled = 1;
        standin::fail_sound(step.op);
        {
            sound_cases::Slots s;
            sound_create_device(find_host_window(), &s.device);
            EXPECT_EQ(s.device != nullptr, step.device_made);
            uint32_t n = sound_load_wave_resource(find_host_window(), &s.device, &s.buffer, wave_plain, fixtures_);
            int      played = sound_play(&s.buffer, 0);
            EXPECT_EQ(sound_enabled, 0);
            EXPECT_EQ(s.buffer, nullptr);
            EXPECT_EQ(played, 0);
            EXPECT_EQ(n != 0, step.op == SoundOp::play);
            EXPECT_TRUE(standin::played_sounds().empty());
        }
        EXPECT_EQ(standin::live_sound_devices(), 0);
        EXPECT_EQ(standin::live_sound_buffers(), 0);
        EXPECT_EQ(standin::live_global_blocks(), 0);
    }
}

TEST_F(StandinSound, DeviceBufferAndPlayAreAskedForWhatTheModulesNeed)
{
    {
        sound_cases::Slots s;
        uint32_t           n = load(s, wave_plain);
        ASSERT_GT(n, 0u);
        ASSERT_EQ(sound_play(&s.buffer, 0), 1);

        std::vector<std::string> seen;
        for (const standin::SoundCall& c : standin::sound_calls())
            seen.push_back(std::string(standin::sound_op_name(c.op)) + ": " + c.detail);
        const std::vector<std::string> expected = {
            "create device: default device",
            "cooperative level: level 1",
            "create buffer: size " + std::to_string(sizeof(DSBUFFERDESC)) + " flags 0x80E0 bytes " + std::to_string(n) +
                ", tag 1, 1 ch, 22050 Hz, 16 bit, extra 0",
            "lock: offset 0 bytes " + std::to_string(n),
            "unlock: " + std::to_string(n) + "+0",
            "set position: 0",
            "play: flags 0",
        };
        EXPECT_EQ(seen, expected);
        ASSERT_EQ(standin::played_sounds().size(), 1u);
        const standin::PlayedSound& p = standin::played_sounds()[0];
        EXPECT_EQ(p.position, 0u);
        EXPECT_EQ(p.samples, sound_cases::data_chunk_of(fixtures_, wave_plain));
        // The copy of the samples is not kept once the buffer holds them.
        EXPECT_EQ(standin::live_global_blocks(), 0);
    }
    EXPECT_EQ(standin::live_sound_devices(), 0);
    EXPECT_EQ(standin::live_sound_buffers(), 0);
}

// The record holds the 18 bytes read from 'fmt ' and nothing after them: a device reads the extra
// bytes that a format other than PCM announces.
TEST_F(StandinSound, AFormatRecordNeverAnnouncesBytesItDoesNotHave)
{
    sound_cases::Slots s;
    EXPECT_EQ(load(s, wave_other_tag), 0u);
    bool seen = false;
    for (const standin::SoundCall& c : standin::sound_calls())
        if (c.op == SoundOp::create_buffer) {
            seen = true;
            EXPECT_NE(c.detail.find("tag 2,"), std::string::npos) << c.detail;
            EXPECT_NE(c.detail.find("extra 0,"), std::string::npos) << c.detail;
        }
    EXPECT_TRUE(seen);
}

// As Windows does, the stand-in refuses the cooperative level without a window.
TEST_F(StandinSound, WithoutAHostWindowTheDeviceFails)
{
    window_.reset();
    sound_cases::Slots s;
    EXPECT_EQ(sound_create_device(find_host_window(), &s.device), 0);
    EXPECT_EQ(s.device, nullptr);
    EXPECT_EQ(sound_enabled, 0);
    EXPECT_EQ(standin::live_sound_devices(), 0);
}

// A slot filled again lets go of what it held first: the objects of a gauge placed twice.
TEST_F(StandinSound, FillingASlotAgainReleasesWhatItHeld)
{
    {
        sound_cases::Slots s;
        ASSERT_GT(load(s, wave_plain), 0u);
        ASSERT_GT(load(s, wave_plain), 0u);
        EXPECT_EQ(standin::live_sound_devices(), 1);
        EXPECT_EQ(standin::live_sound_buffers(), 1);
    }
    EXPECT_EQ(standin::live_sound_devices(), 0);
    EXPECT_EQ(standin::live_sound_buffers(), 0);
}

TEST_F(StandinSound, NoAudioDeviceSwitchesSoundOff)
{
    standin::set_sound_device_present(false);
    sound_cases::Slots s;
    EXPECT_EQ(sound_create_device(find_host_window(), &s.device), 0);
    EXPECT_EQ(s.device, nullptr);
    EXPECT_EQ(sound_enabled, 0);
}

}  // namespace

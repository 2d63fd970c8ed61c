// The attack aircraft's gauges on the native module: the cases both builds share, and the switches'
// sound devices, which only the stand-in can take away and count.
#include <gtest/gtest.h>

#include <standin_control.h>

#include <vector>

#include "tests/common/stelvar_adf_cases.h"
#include "tests/common/stelvar_radios_cases.h"
#include "tests/common/stelvar_switches_cases.h"

namespace stelvar_switches_cases {

TEST_F(AttackSwitches, WithoutSoundEveryClickStillSendsItsEvent)
{
    standin::set_sound_device_present(false);
    host::Gauge& battery = install("Battery_Switch");
    host::Gauge& gen     = install("Generator_Switch");
    EXPECT_EQ(click(battery, 1), one(event::battery_toggle));
    EXPECT_TRUE(played(0));
    click(gen, 1);
    EXPECT_EQ(click(gen, 2), one(event::generator_toggle));
    EXPECT_TRUE(played(0));
    host.remove_gauge(battery);
    host.remove_gauge(gen);
    EXPECT_EQ(standin::live_sound_devices(), 0);
}

TEST_F(AttackSwitches, EachSwitchOwnsADeviceAndReleasesItAtRemoval)
{
    int devices = standin::live_sound_devices(), buffers = standin::live_sound_buffers();
    std::vector<host::Gauge*> all;
    for (const SimpleSwitch& s : simple_switches)
        all.push_back(&install(s.name));
    all.push_back(&install("Generator_Switch"));
    EXPECT_EQ(standin::live_sound_devices(), devices + 8);
    EXPECT_EQ(standin::live_sound_buffers(), buffers + 8);
    for (host::Gauge* g : all)
        host.remove_gauge(*g);
    EXPECT_EQ(standin::live_sound_devices(), devices);
    EXPECT_EQ(standin::live_sound_buffers(), buffers);
}

}  // namespace stelvar_switches_cases

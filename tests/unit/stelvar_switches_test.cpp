// The attack aircraft's electrical and lighting switches: levers that show the host's state, clicks
// that send the toggle events and sound, the generator lamp and the guarded generator switch.
#include <gtest/gtest.h>

#include <standin_control.h>

#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

struct AttackSwitches : ::testing::Test {
    SimulatedPanel host;
    Module&   stelvar = host.load_module(module_path("Stelvar_Instr"));

    void SetUp() override { standin::reset_sound(); }
    void TearDown() override { standin::reset_sound(); }

    Gauge& gauge(const std::string& name)
    {
        Gauge& g = host.add_gauge(stelvar, name);
        g.connect();
        host.frame(0.05);
        return g;
    }
    // Clicks a rectangle; returns the events it sent and counts the sounds it played.
    Events click(Gauge& g, int rect, uint32_t button, size_t* sounds = nullptr)
    {
        size_t events_before = host.sim().events().size();
        size_t sounds_before = standin::played_sounds().size();
        ClickResult r        = g.click_rect(rect, button);
        EXPECT_TRUE(r.accepted) << g.name() << " rect " << rect << ": " << r.action;
        if (sounds)
            *sounds = standin::played_sounds().size() - sounds_before;
        Events out;
        const auto& all = host.sim().events();
        for (size_t i = events_before; i < all.size(); ++i)
            out.emplace_back(all[i].id, all[i].value);
        return out;
    }
    int frame(Gauge& g, int element) { return g.elements().at(element).frame; }
};

struct SimpleSwitch {
    const char* name;
    Token       token;
    uint32_t    event;
};

constexpr SimpleSwitch simple_switches[] = {
    {"Battery_Switch", 0x16C, 0x102C1},          {"Panel_Lights_Switch", 0x0A, 0x100D6},
    {"Landing_Lights_Switch", 0x0E, 0x100D7},    {"Navigation_Lights_Switch", 0x26B, 0x1034B},
    {"Beacon_Lights_Switch", 0x170, 0x102BF},    {"Strobe_Lights_Switch", 0x0B, 0x10018},
    {"Pitot_Heat_Switch", 0x0D, 0x10142},
};

TEST_F(AttackSwitches, EachLeverShowsItsOwnTokenAndEveryClickSendsItsToggleAndSounds)
{
    for (const SimpleSwitch& s : simple_switches) {
        SCOPED_TRACE(s.name);
        Gauge& g = gauge(s.name);
        EXPECT_EQ(frame(g, 1), 0);
        host.sim().set(s.token, 1.0);
        host.frame(0.05);
        EXPECT_EQ(frame(g, 1), 1);
        // The click sends the event whatever the state; the lever moves when the host answers.
        size_t sounds = 0;
        EXPECT_EQ(click(g, 1, MOUSE_LEFTSINGLE, &sounds), (Events{{s.event, 0}}));
        EXPECT_EQ(sounds, 1u);
        EXPECT_EQ(frame(g, 1), 1);
        host.frame(0.05);
        EXPECT_EQ(host.sim().number(s.token), 0.0);
        EXPECT_EQ(frame(g, 1), 0);
        host.sim().set(s.token, 0.0);
        EXPECT_EQ(click(g, 1, MOUSE_LEFTSINGLE), (Events{{s.event, 0}}));
        host.frame(0.05);
        EXPECT_EQ(frame(g, 1), 1);
        // No switch reacts to another's token.
        for (const SimpleSwitch& other : simple_switches)
            if (other.token != s.token)
                host.sim().set(other.token, 0.0);
        host.frame(0.05);
        EXPECT_EQ(frame(g, 1), 1);
        host.sim().set(s.token, 0.0);
    }
}

TEST_F(AttackSwitches, GeneratorLampLightsOnlyWithTheGeneratorOffAndTheBatteryOn)
{
    Gauge& lamp = gauge("Generator_Light");
    struct Case { double generator, battery; bool lit; };
    for (Case c : {Case{0.0, 1.0, true}, {0.0, 0.001, true}, {0.0, 0.0, false}, {0.0, -1.0, false},
                   {1.0, 1.0, false}, {0.5, 1.0, false}, {-1.0, 1.0, false}}) {
        host.sim().set(0x235, c.generator);
        host.sim().set(0x16C, c.battery);
        host.sim().set(0x236, c.lit ? 0.0 : 1.0);   // the declared source plays no part
        host.frame(0.05);
        EXPECT_EQ(frame(lamp, 1), c.lit ? 0 : -1) << c.generator << " " << c.battery;
    }
    EXPECT_EQ(lamp.tooltip_at(5, 5), "host help topic 0x3032");
}

TEST_F(AttackSwitches, GuardedGeneratorSwitchMovesOnlyWithTheGuardLifted)
{
    Gauge& gen  = gauge("Generator_Switch");
    Gauge& lamp = gauge("Generator_Light");
    host.sim().set(0x16C, 1.0);
    host.frame(0.05);
    EXPECT_EQ(frame(lamp, 1), 0);
    EXPECT_EQ(frame(gen, 1), 0);
    EXPECT_EQ(frame(gen, 2), 0);   // guard down

    constexpr int guard = 1, upper = 2, lower = 3;
    size_t        sounds = 0;
    for (int half : {upper, lower}) {
        EXPECT_EQ(click(gen, half, MOUSE_LEFTSINGLE, &sounds), Events{});
        EXPECT_EQ(sounds, 0u);
    }
    // A right click on the lever lifts the guard, with a click.
    EXPECT_EQ(click(gen, lower, MOUSE_RIGHTSINGLE, &sounds), Events{});
    EXPECT_EQ(sounds, 1u);
    host.frame(0.05);
    EXPECT_EQ(frame(gen, 2), -1);

    EXPECT_EQ(click(gen, upper, MOUSE_LEFTSINGLE, &sounds), (Events{{0x1033B, 0}}));
    EXPECT_EQ(sounds, 1u);
    host.frame(0.05);
    EXPECT_EQ(frame(gen, 1), 1);
    EXPECT_EQ(frame(lamp, 1), -1);
    // Both bits at once count as a left click.
    EXPECT_EQ(click(gen, lower, MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE), (Events{{0x1033B, 0}}));
    host.frame(0.05);
    EXPECT_EQ(frame(gen, 1), 0);

    // The hinge drops the guard with either button, and the lever is locked again.
    EXPECT_EQ(click(gen, guard, MOUSE_LEFTSINGLE, &sounds), Events{});
    EXPECT_EQ(sounds, 1u);
    host.frame(0.05);
    EXPECT_EQ(frame(gen, 2), 0);
    EXPECT_EQ(click(gen, upper, MOUSE_LEFTSINGLE), Events{});
    click(gen, guard, MOUSE_RIGHTSINGLE);
    EXPECT_EQ(click(gen, upper, MOUSE_LEFTSINGLE), (Events{{0x1033B, 0}}));
}

TEST_F(AttackSwitches, WithoutSoundEveryClickStillSendsItsEvent)
{
    standin::set_sound_device_present(false);
    Gauge& battery = gauge("Battery_Switch");
    Gauge& gen     = gauge("Generator_Switch");
    size_t sounds  = 0;
    EXPECT_EQ(click(battery, 1, MOUSE_LEFTSINGLE, &sounds), (Events{{0x102C1, 0}}));
    EXPECT_EQ(sounds, 0u);
    click(gen, 1, MOUSE_LEFTSINGLE, &sounds);
    EXPECT_EQ(click(gen, 2, MOUSE_LEFTSINGLE, &sounds), (Events{{0x1033B, 0}}));
    EXPECT_EQ(sounds, 0u);
    host.remove_gauge(battery);
    host.remove_gauge(gen);
    EXPECT_EQ(standin::live_sound_devices(), 0);
}

TEST_F(AttackSwitches, EachSwitchOwnsADeviceAndReleasesItAtRemoval)
{
    int devices = standin::live_sound_devices(), buffers = standin::live_sound_buffers();
    std::vector<Gauge*> all;
    for (const SimpleSwitch& s : simple_switches)
        all.push_back(&gauge(s.name));
    all.push_back(&gauge("Generator_Switch"));
    EXPECT_EQ(standin::live_sound_devices(), devices + 8);
    EXPECT_EQ(standin::live_sound_buffers(), buffers + 8);
    for (Gauge* g : all)
        host.remove_gauge(*g);
    EXPECT_EQ(standin::live_sound_devices(), devices);
    EXPECT_EQ(standin::live_sound_buffers(), buffers);
}

}  // namespace

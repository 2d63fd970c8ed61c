// The attack aircraft's electrical and lighting switches on both builds: levers that show the
// host's state, clicks that send the toggle events and sound, the generator lamp and the guarded
// generator switch.
#pragma once

#include "tests/common/panel_fixture.h"

namespace stelvar_switches_cases {

using namespace panel_fixture;
using host::Token;

struct AttackSwitches : StelvarPanel {
    // The switch with its first update run.
    host::Gauge& install(const std::string& name)
    {
        host::Gauge& g = gauge(name);
        frame();
        return g;
    }
    int position(host::Gauge& g, int element) { return g.elements().at(element).frame; }
};

struct SimpleSwitch {
    const char* name;
    Token       token;
    uint32_t    event;
};

constexpr SimpleSwitch simple_switches[] = {
    {"Battery_Switch", token::battery, event::battery_toggle},
    {"Panel_Lights_Switch", token::panel_lights, event::panel_lights_toggle},
    {"Landing_Lights_Switch", token::landing_lights, event::landing_lights_toggle},
    {"Navigation_Lights_Switch", token::navigation_lights, event::navigation_lights_toggle},
    {"Beacon_Lights_Switch", token::beacon_lights, event::beacon_lights_toggle},
    {"Strobe_Lights_Switch", token::strobe_lights, event::strobe_lights_toggle},
    {"Pitot_Heat_Switch", token::pitot_heat, event::pitot_heat_toggle},
};

TEST_F(AttackSwitches, EachLeverShowsItsOwnTokenAndEveryClickSendsItsToggleAndSounds)
{
    for (const SimpleSwitch& s : simple_switches) {
        SCOPED_TRACE(s.name);
        host::Gauge& g = install(s.name);
        EXPECT_EQ(position(g, 1), 0);
        host.sim().set(s.token, 1.0);
        frame();
        EXPECT_EQ(position(g, 1), 1);
        // The click sends the event whatever the state; the lever moves when the host answers.
        EXPECT_EQ(click(g, 1), one(s.event));
        EXPECT_TRUE(played(1));
        EXPECT_EQ(position(g, 1), 1);
        frame();
        EXPECT_EQ(host.sim().number(s.token), 0.0);
        EXPECT_EQ(position(g, 1), 0);
        host.sim().set(s.token, 0.0);
        EXPECT_EQ(click(g, 1), one(s.event));
        frame();
        EXPECT_EQ(position(g, 1), 1);
        // No switch reacts to another's token.
        for (const SimpleSwitch& other : simple_switches)
            if (other.token != s.token)
                host.sim().set(other.token, 0.0);
        frame();
        EXPECT_EQ(position(g, 1), 1);
        host.sim().set(s.token, 0.0);
    }
}

TEST_F(AttackSwitches, GeneratorLampLightsOnlyWithTheGeneratorOffAndTheBatteryOn)
{
    host::Gauge& lamp = install("Generator_Light");
    struct Case { double generator, battery; bool lit; };
    for (Case c : {Case{0.0, 1.0, true}, {0.0, 0.001, true}, {0.0, 0.0, false}, {0.0, -1.0, false},
                   {1.0, 1.0, false}, {0.5, 1.0, false}, {-1.0, 1.0, false}}) {
        host.sim().set(token::generator, c.generator);
        host.sim().set(token::battery, c.battery);
        host.sim().set(token::generator_light, c.lit ? 0.0 : 1.0);   // the declared source plays no part
        frame();
        EXPECT_EQ(position(lamp, 1), c.lit ? 0 : -1) << c.generator << " " << c.battery;
    }
    EXPECT_EQ(lamp.tooltip_at(5, 5), "host help topic 0x3032");
}

TEST_F(AttackSwitches, TheBatteryTogglePowersTheGeneratorLamp)
{
    host::Gauge& battery = install("Battery_Switch");
    host::Gauge& lamp    = install("Generator_Light");
    EXPECT_EQ(position(lamp, 1), -1);
    EXPECT_EQ(click(battery, 1), one(event::battery_toggle));
    frame();
    EXPECT_EQ(position(battery, 1), 1);
    EXPECT_EQ(position(lamp, 1), 0);
}

TEST_F(AttackSwitches, GuardedGeneratorSwitchMovesOnlyWithTheGuardLifted)
{
    host::Gauge& gen  = install("Generator_Switch");
    host::Gauge& lamp = install("Generator_Light");
    host.sim().set(token::battery, 1.0);
    frame();
    EXPECT_EQ(position(lamp, 1), 0);
    EXPECT_EQ(position(gen, 1), 0);
    EXPECT_EQ(position(gen, 2), 0);   // guard down

    constexpr int guard = 1, upper = 2, lower = 3;
    for (int half : {upper, lower}) {
        EXPECT_EQ(click(gen, half), Events{});
        EXPECT_TRUE(played(0));
    }
    // A right click on the lever lifts the guard, with a click.
    EXPECT_EQ(click(gen, lower, right), Events{});
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(position(gen, 2), -1);

    EXPECT_EQ(click(gen, upper), one(event::generator_toggle));
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(position(gen, 1), 1);
    EXPECT_EQ(position(lamp, 1), -1);
    // Both bits at once count as a left click.
    EXPECT_EQ(click(gen, lower, both_buttons), one(event::generator_toggle));
    frame();
    EXPECT_EQ(position(gen, 1), 0);

    // The hinge drops the guard with either button, and the lever is locked again.
    EXPECT_EQ(click(gen, guard), Events{});
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(position(gen, 2), 0);
    EXPECT_EQ(click(gen, upper), Events{});
    click(gen, guard, right);
    EXPECT_EQ(click(gen, upper), one(event::generator_toggle));
}

}  // namespace stelvar_switches_cases

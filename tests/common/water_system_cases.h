// The water system of the water bomber on both builds, through the host's external interface
// window: the scooping window, the fill and drop arithmetic (with the saturated step of a long
// pause), both drop modes, the doors lamp and lever, the settings text and the external link
// failing in each way.
#pragma once

#include <optional>
#include <vector>

#include "tests/common/panel_fixture.h"

namespace water_system_cases {

using namespace panel_fixture;
using host::Token;

constexpr uint32_t full     = 0x800000;   // a full tank's level
constexpr uint32_t drop_step = 419430;    // what a tank loses in 0.1 s at the default rate

struct Water : NorvakPanel {
    host::Environment& env   = environment_of(host);
    host::Gauge*       doors = nullptr;
    host::Gauge*       panel = nullptr;

    // The doors switch comes first so that doors_open is fresh when the water steps run.
    void install(const std::string& params = {})
    {
        doors = &add("Water_Doors_Switch");
        panel = &add("Water_System", params);
    }
    void master(bool on)
    {
        host.frame(0);
        if ((panel->elements()[1].frame == 1) != on)
            panel->click_rect(1, panel_fixture::left);
    }
    void drop_mode(int mode)
    {
        host.frame(0);
        if ((panel->elements()[3].frame == 0 ? 1 : 0) != mode)
            panel->click_rect(4, panel_fixture::left);
    }
    // Over water at 70 knots and one metre, scoop down.
    void skimming()
    {
        host.sim().set(token::scoop_ready, 100);
        host.sim().set(token::scoop_state, 1);
        host.sim().set(token::surface_type, 2);
        host.sim().set(token::radio_height, 1.0);
        host.sim().set(token::velocity_x, 70 / 1.944 * 3.28084);
        host.sim().set(token::velocity_z, 0);
    }
    // Scoop up, doors fully open for a frame, then the drop command held on by the host.
    void open_doors_and_drop()
    {
        host.sim().set(token::scoop_state, 0);
        host.sim().set(token::doors_position, 1.0);
        host.frame(0.1);
        host.sim().set(token::drop_command, 1.0);
    }
    void tanks(uint32_t left_level, uint32_t right_level)
    {
        env.poke(ext::left_tank_offset, left_level);
        env.poke(ext::right_tank_offset, right_level);
    }
    uint32_t left() const { return env.peek(ext::left_tank_offset); }
    uint32_t right() const { return env.peek(ext::right_tank_offset); }
    // The pilot presses the drop key: the host takes it at the next frame like the gauge's events.
    void press_drop() { host.sim().record_event(event::drop_on, 0, "pilot"); }
    // Full tanks, doors open, master on, the drop command held on by the host; the mode as loaded
    // unless one is given.
    void ready_to_drop(std::optional<int> mode)
    {
        install();
        master(true);
        if (mode)
            drop_mode(*mode);
        tanks(full, full);
        open_doors_and_drop();
    }
};

using Ids = std::vector<uint32_t>;

TEST_F(Water, ConnectOpensTheLinkEmptiesBothTanksAndSendsTheSetUpEvents)
{
    tanks(1234, 5678);
    install();
    EXPECT_EQ(left(), 0u);
    EXPECT_EQ(right(), 0u);
    EXPECT_EQ(env.client_version(), 1200);
    EXPECT_EQ(events_since(0), (Events{{event::water_connect_1, 4}, {event::water_connect_2, 5}}));

    // Every connect empties the tanks again.
    panel->disconnect();
    tanks(99, 99);
    panel->connect();
    EXPECT_EQ(left(), 0u);
    EXPECT_EQ(right(), 0u);
}

TEST_F(Water, ScoopingAddsTheRateTimesTheStepAndStopsAtFull)
{
    install();
    master(true);
    skimming();
    host.frame(0.1);
    EXPECT_EQ(left(), 41943u);
    EXPECT_EQ(right(), 41943u);
    for (int i = 1; i < 200; ++i)
        host.frame(0.1);
    EXPECT_EQ(left(), 8388600u);
    host.frame(0.1);
    EXPECT_EQ(left(), full);
    EXPECT_EQ(right(), full);
    host.frame(0.1);
    EXPECT_EQ(left(), full);
    EXPECT_EQ(host.sim().number(token::left_water), full);   // the host reports it back to the dials
}

TEST_F(Water, EveryScoopingConditionMustHoldAndTheBoundsAreInclusive)
{
    // MaxSSpd of 1.944 knots is exactly 1 m/s, so the speed bound can be met exactly.
    install("MaxSSpd1.944 MinSSpd0 MaxSAlt5");
    master(true);
    auto scoops = [&](Token token, double value) {
        skimming();
        host.sim().set(token::velocity_x, 3.28084);
        host.sim().set(token, value);
        uint32_t before = left();
        host.frame(0.1);
        return left() > before;
    };
    EXPECT_TRUE(scoops(token::velocity_x, 3.28084));           // exactly the upper speed bound
    EXPECT_FALSE(scoops(token::velocity_x, 3.2809));
    EXPECT_TRUE(scoops(token::velocity_z, 0));
    EXPECT_TRUE(scoops(token::radio_height, 5 / 3.28084));       // exactly the upper height bound
    EXPECT_FALSE(scoops(token::radio_height, 5 / 3.28084 + 1e-9));
    EXPECT_TRUE(scoops(token::radio_height, 0));                 // exactly the lower one
    EXPECT_FALSE(scoops(token::radio_height, -1e-9));
    EXPECT_FALSE(scoops(token::surface_type, 1.9));
    EXPECT_FALSE(scoops(token::surface_type, 2.1));
    EXPECT_FALSE(scoops(token::scoop_state, 0));
    EXPECT_TRUE(scoops(token::scoop_ready, 20));
    EXPECT_FALSE(scoops(token::scoop_ready, 19.99));
    EXPECT_FALSE(scoops(token::drop_command, 1.0));              // never while the drop command is on
    EXPECT_TRUE(scoops(token::drop_command, 0.5));
    host.sim().set(token::drop_command, 0);
    master(false);
    EXPECT_FALSE(scoops(token::scoop_ready, 100));

    // Time standing still or running back: nothing.
    master(true);
    skimming();
    uint32_t before = left();
    host.frame(0);
    host.frame(-0.1);
    EXPECT_EQ(left(), before);
}

TEST_F(Water, ALongPauseFillsOrEmptiesATankInOneUpdate)
{
    install();
    master(true);
    skimming();
    host.frame(3600);
    EXPECT_EQ(left(), full);
    EXPECT_EQ(right(), full);
    tanks(1, 1);
    host.frame(1e7);
    EXPECT_EQ(left(), full);

    drop_mode(1);
    open_doors_and_drop();
    host.frame(0.1);             // the start update
    host.frame(7200);
    EXPECT_EQ(left(), 0u);
    EXPECT_EQ(right(), 0u);
}

TEST_F(Water, HugeRatesSaturateInsteadOfWrapping)
{
    install("ScoopSpd1e30 DumpSpd1e30");
    master(true);
    skimming();
    tanks(5, 5);
    host.frame(0.1);
    EXPECT_EQ(left(), full);
    drop_mode(1);
    open_doors_and_drop();
    host.frame(0.1);
    EXPECT_EQ(right(), 0u);     // right drops in the start update
    press_drop();
    host.frame(0.1);
    EXPECT_EQ(left(), 0u);
}

TEST_F(Water, ScoopedWaterDropsInTheModeOfLoadingBothTanksFromTheStart)
{
    install();
    master(true);
    skimming();
    for (int i = 0; i <= 200; ++i)
        host.frame(0.1);
    EXPECT_EQ(left(), full);
    EXPECT_EQ(right(), full);
    open_doors_and_drop();
    host.frame(0.1);   // the start: mode 1 at load, the right tank drops at once
    EXPECT_EQ(left(), full);
    EXPECT_EQ(right(), full - drop_step);
    host.frame(0.1);
    EXPECT_EQ(left(), full - drop_step);
}

TEST_F(Water, ModeOneDropsBothTanksRightFromTheStartUpdate)
{
    ready_to_drop(1);
    size_t m = mark();
    host.frame(0.1);   // start: left flag set, right already drops
    EXPECT_EQ(left(), full);
    EXPECT_EQ(right(), full - drop_step);
    EXPECT_EQ(event_ids_since(m), (Ids{event::drop_on, event::drop_on}));
    for (int i = 0; i < 19; ++i)
        host.frame(0.1);
    EXPECT_EQ(left(), full - 19 * drop_step);
    EXPECT_EQ(right(), 8u);
    m = mark();
    host.frame(0.1);   // right empties and switches the command off one step before the left
    EXPECT_EQ(right(), 0u);
    EXPECT_EQ(left(), 8u);
    EXPECT_EQ(event_ids_since(m), (Ids{event::drop_on, event::drop_on, event::drop_off}));
    host.frame(0.1);
    EXPECT_EQ(host.sim().number(token::drop_command), 0.0);
    EXPECT_EQ(left(), 8u);
    host.sim().set(token::drop_command, 1.0);   // the pilot drops again: the left tank is still dropping
    m = mark();
    host.frame(0.1);
    EXPECT_EQ(left(), 0u);
    EXPECT_EQ(event_ids_since(m), (Ids{event::drop_on, event::drop_off}));
    host.frame(0.1);
    EXPECT_EQ(host.sim().number(token::drop_command), 0.0);
}

TEST_F(Water, ModeZeroDropsLeftThenRightAndTheRightOnlyEverySecondUpdate)
{
    ready_to_drop(0);
    host.frame(0.1);   // start: only the flag
    EXPECT_EQ(left(), full);
    EXPECT_EQ(right(), full);
    for (int i = 0; i < 20; ++i)
        host.frame(0.1);
    EXPECT_EQ(left(), 8u);
    EXPECT_EQ(right(), full);
    size_t m = mark();
    host.frame(0.1);   // left empty: hand over to the right, which drops in the same update
    EXPECT_EQ(left(), 0u);
    EXPECT_EQ(right(), full - drop_step);
    EXPECT_EQ(event_ids_since(m), (Ids{event::drop_on, event::drop_on, event::drop_on}));
    // The start step fires again while the left flag is clear: the right tank loses water on every
    // second update only.
    std::vector<uint32_t> levels;
    for (int i = 0; i < 4; ++i) {
        host.frame(0.1);
        levels.push_back(right());
    }
    EXPECT_EQ(levels, (std::vector<uint32_t>{full - drop_step, full - 2 * drop_step, full - 2 * drop_step,
                                             full - 3 * drop_step}));
}

TEST_F(Water, ModeOneWithTheRightTankAlreadyEmpty)
{
    ready_to_drop(1);
    tanks(full, 0);
    size_t m = mark();
    host.frame(0.1);
    EXPECT_EQ(event_ids_since(m), (Ids{event::drop_on, event::drop_on, event::drop_off}));
    press_drop();
    m = mark();
    host.frame(0.1);
    EXPECT_EQ(left(), full - drop_step);
    EXPECT_EQ(right(), 0u);
    EXPECT_EQ(event_ids_since(m), Ids{event::drop_on});
}

TEST_F(Water, NoWaterLeavesUntilTheDoorsAreFullyOpenAndTheMasterIsOn)
{
    ready_to_drop(1);
    host.sim().set(token::doors_position, 0.9999);
    size_t m = mark();
    host.frame(0.1);
    EXPECT_EQ(event_ids_since(m), (Ids{event::drop_off, event::drop_off}));
    EXPECT_EQ(left(), full);
    EXPECT_EQ(doors->elements()[1].frame, -1);

    // Master off mid-drop: everything stops without an event and resumes where it was.
    host.sim().set(token::doors_position, 1.0);
    host.frame(0.1);
    EXPECT_EQ(host.sim().number(token::drop_command), 0.0);
    press_drop();
    host.frame(0.1);   // start
    host.frame(0.1);
    uint32_t l = left(), r = right();
    master(false);
    m = mark();
    host.frame(0.1);
    host.frame(0.1);
    EXPECT_EQ(event_ids_since(m), Ids{});
    EXPECT_EQ(left(), l);
    EXPECT_EQ(right(), r);
    EXPECT_EQ(doors->elements()[1].frame, -1);   // the lamp goes dark with the master
    master(true);
    host.frame(0.1);
    host.frame(0.1);
    EXPECT_EQ(left(), l - 2 * drop_step);   // no new start update: the flags survived
}

TEST_F(Water, DoorsLeverFlipsOnClicksAndFollowsTheDoorsEveryNinthUpdate)
{
    install();
    master(true);
    auto lever = [&] { return doors->elements()[2].frame; };
    host.sim().set(token::doors_position, 0);
    for (int i = 0; i < 9; ++i)
        frame();   // first sample on the 9th update: still
    EXPECT_EQ(lever(), 0);
    size_t m = mark();
    click(*doors, 1);
    click(*doors, 1);
    frame();
    EXPECT_EQ(lever(), 0);   // flipped twice
    click(*doors, 1);        // the host opens the doors over two seconds
    EXPECT_EQ(event_ids_since(m), (Ids{event::water_doors, event::water_doors, event::water_doors}));
    frame();
    EXPECT_EQ(lever(), 1);
    // The doors closed after two clicks, then open: by the next samples the lever shows opening.
    for (int i = 0; i < 60; ++i)
        frame();
    EXPECT_EQ(host.sim().number(token::doors_position), 1.0);
    EXPECT_EQ(lever(), 1);
    EXPECT_EQ(doors->elements()[1].frame, 0);   // fully open with the master on

    // Closing seen by a sample turns the lever down even without a click.
    host.sim().set(token::doors_position, 0.5);
    for (int i = 0; i < 9; ++i)
        frame();
    EXPECT_EQ(lever(), 0);
}

TEST_F(Water, SettingsComeFromTheParameterTextAndResetAtEveryInstallation)
{
    install("ScoopSpd0.1 DumpSpd1");
    master(true);
    skimming();
    for (int i = 0; i < 100; ++i)
        host.frame(0.1);
    EXPECT_EQ(left(), 8388600u);   // 83886 per 0.1 s: full in the update after 10 seconds
    host.frame(0.1);
    EXPECT_EQ(left(), full);
    drop_mode(0);
    open_doors_and_drop();
    host.frame(0.1);           // the start update
    for (int i = 0; i < 10; ++i)
        host.frame(0.1);
    EXPECT_EQ(left(), 8u);     // 838860 per 0.1 s
    host.frame(0.1);
    EXPECT_EQ(left(), 0u);
}

TEST_F(Water, SettingKeysAnywhereInTheTextAndNoSettingSurvivesAnInstallation)
{
    install();
    master(true);
    // A key followed by '=' reads as 0; a key at the very end keeps its default; a new
    // installation forgets the text of the last one.
    auto scoop_step = [&](const std::string& params) {
        host.remove_gauge(*panel);
        panel = &add("Water_System", params);
        skimming();
        host.sim().set(token::drop_command, 0);
        host.frame(0.1);
        return left();
    };
    EXPECT_EQ(scoop_step("MaxSSpd=90"), 0u);
    EXPECT_EQ(scoop_step("ScoopSpd"), 41943u);
    EXPECT_EQ(scoop_step(""), 41943u);
    EXPECT_EQ(scoop_step("ScoopSpd0.2ScoopSpd0.9"), 167772u);   // the first occurrence counts
}

TEST_F(Water, WithoutAWorkingLinkTheLevelsNeverChangeButTheDropEventsGoOn)
{
    env.set_ext_mode(host::ExtMode::absent);
    tanks(full, full);
    install();
    EXPECT_EQ(left(), full);    // never emptied at connect
    master(true);
    skimming();
    host.frame(0.1);
    EXPECT_EQ(left(), full);
    drop_mode(1);
    open_doors_and_drop();
    host.frame(0.1);
    size_t m = mark();
    host.frame(0.1);
    EXPECT_EQ(event_ids_since(m), (Ids{event::drop_on, event::drop_on}));
    EXPECT_EQ(left(), full);
}

TEST_F(Water, AHostOfAnotherVersionOrASilentWindowLeavesTheTanksAlone)
{
    env.set_host_version(6);
    tanks(500, 500);
    install();
    EXPECT_EQ(left(), 500u);
    master(true);
    skimming();
    host.frame(0.1);
    EXPECT_EQ(left(), 500u);

    // The link opens, but the window stops answering: each step ends at its failed batch.
    host.remove_gauge(*panel);
    env.set_host_version(7);
    panel = &add("Water_System");
    EXPECT_EQ(left(), 0u);
    env.set_ext_mode(host::ExtMode::silent);
    skimming();
    host.frame(0.1);
    EXPECT_EQ(left(), 0u);
    env.set_ext_mode(host::ExtMode::present);
    host.frame(0.1);
    EXPECT_EQ(left(), 41943u);
}

}  // namespace water_system_cases

// The water system of the water bomber: the scooping window, the fill and drop arithmetic, both drop
// modes, the doors lamp and lever, the settings text and the external link failing in each way.
#include <gtest/gtest.h>

#include <vector>

#include "host/world/world.h"
#include "host/core/panel_host.h"
#include "module_paths.h"

using namespace host;

namespace {

constexpr uint32_t left_tank = 0x0B8C, right_tank = 0x0BA4, full = 0x800000;
constexpr Token    surface_token = 0x10000;   // what the host answers for the surface type

struct Water : ::testing::Test {
    SimulatedPanel    host;
    Module&      norvak = host.load_module(module_path("Norvak_Instr"));
    Environment& env    = environment_of(host);
    Gauge*       doors  = nullptr;
    Gauge*       panel  = nullptr;

    // The doors switch comes first so that doors_open is fresh when the water steps run.
    void install(const std::string& params = {})
    {
        doors = &host.add_gauge(norvak, "Water_Doors_Switch");
        doors->connect();
        panel = &host.add_gauge(norvak, "Water_System", params);
        panel->connect();
    }
    void master(bool on)
    {
        host.frame(0);
        if ((panel->elements()[1].frame == 1) != on)
            panel->click_rect(1, MOUSE_LEFTSINGLE);
    }
    void drop_mode(int mode)
    {
        host.frame(0);
        if ((panel->elements()[3].frame == 0 ? 1 : 0) != mode)
            panel->click_rect(4, MOUSE_LEFTSINGLE);
    }
    // Over water at 70 knots and one metre, scoop down.
    void skimming()
    {
        host.sim().set(0x2F1, 100);
        host.sim().set(0x387, 1);
        host.sim().set(surface_token, 2);
        host.sim().set(0x266, 1.0);
        host.sim().set(0x22A, 70 / 1.944 * 3.28084);
        host.sim().set(0x22B, 0);
    }
    void tanks(uint32_t left, uint32_t right)
    {
        env.poke(left_tank, left);
        env.poke(right_tank, right);
    }
    uint32_t left() const { return env.peek(left_tank); }
    uint32_t right() const { return env.peek(right_tank); }
    // The pilot presses the drop key: the host takes it at the next frame like the gauge's events.
    void     press_drop() { host.sim().record_event(0x10201, 0, "pilot"); }
    size_t   mark() { return host.sim().events().size(); }
    std::vector<uint32_t> events_since(size_t from)
    {
        std::vector<uint32_t> ids;
        for (size_t i = from; i < host.sim().events().size(); ++i)
            ids.push_back(host.sim().events()[i].id);
        return ids;
    }
    // Full tanks, doors open, master on, the drop command held on by the host.
    void ready_to_drop(int mode)
    {
        install();
        master(true);
        drop_mode(mode);
        tanks(full, full);
        host.sim().set(0x365, 1.0);
        host.frame(0.1);
        host.sim().set(0x0F, 1.0);
    }
};

TEST_F(Water, ConnectOpensTheLinkEmptiesBothTanksAndSendsTheSetUpEvents)
{
    tanks(1234, 5678);
    install();
    EXPECT_EQ(left(), 0u);
    EXPECT_EQ(right(), 0u);
    EXPECT_EQ(env.client_version(), 1200);
    EXPECT_EQ(events_since(0), (std::vector<uint32_t>{0x101AA, 0x103DB}));
    EXPECT_EQ(host.sim().events()[0].value, 4u);
    EXPECT_EQ(host.sim().events()[1].value, 5u);

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
    EXPECT_EQ(host.sim().number(0x127), full);   // the host reports it back to the dials
}

TEST_F(Water, EveryScoopingConditionMustHoldAndTheBoundsAreInclusive)
{
    // MaxSSpd of 1.944 knots is exactly 1 m/s, so the speed bound can be met exactly.
    install("MaxSSpd1.944 MinSSpd0 MaxSAlt5");
    master(true);
    auto scoops = [&](Token token, double value) {
        skimming();
        host.sim().set(0x22A, 3.28084);
        host.sim().set(token, value);
        uint32_t before = left();
        host.frame(0.1);
        return left() > before;
    };
    EXPECT_TRUE(scoops(0x22A, 3.28084));           // exactly the upper speed bound
    EXPECT_FALSE(scoops(0x22A, 3.2809));
    EXPECT_TRUE(scoops(0x22B, 0));
    EXPECT_TRUE(scoops(0x266, 5 / 3.28084));       // exactly the upper height bound
    EXPECT_FALSE(scoops(0x266, 5 / 3.28084 + 1e-9));
    EXPECT_TRUE(scoops(0x266, 0));                 // exactly the lower one
    EXPECT_FALSE(scoops(0x266, -1e-9));
    EXPECT_FALSE(scoops(surface_token, 1.9));
    EXPECT_FALSE(scoops(surface_token, 2.1));
    EXPECT_FALSE(scoops(0x387, 0));
    EXPECT_TRUE(scoops(0x2F1, 20));
    EXPECT_FALSE(scoops(0x2F1, 19.99));
    EXPECT_FALSE(scoops(0x0F, 1.0));               // never while the drop command is on
    EXPECT_TRUE(scoops(0x0F, 0.5));
    host.sim().set(0x0F, 0);
    master(false);
    EXPECT_FALSE(scoops(0x2F1, 100));

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
    host.sim().set(0x387, 0);
    host.sim().set(0x365, 1.0);
    host.frame(0.1);
    host.sim().set(0x0F, 1.0);
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
    host.sim().set(0x387, 0);
    drop_mode(1);
    host.sim().set(0x365, 1.0);
    host.frame(0.1);
    host.sim().set(0x0F, 1.0);
    host.frame(0.1);
    EXPECT_EQ(right(), 0u);     // right drops in the start update
    press_drop();
    host.frame(0.1);
    EXPECT_EQ(left(), 0u);
}

TEST_F(Water, ModeOneDropsBothTanksRightFromTheStartUpdate)
{
    ready_to_drop(1);
    size_t m = mark();
    host.frame(0.1);   // start: left flag set, right already drops
    EXPECT_EQ(left(), full);
    EXPECT_EQ(right(), full - 419430);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10201, 0x10201}));
    for (int i = 0; i < 19; ++i)
        host.frame(0.1);
    EXPECT_EQ(left(), full - 19 * 419430u);
    EXPECT_EQ(right(), 8u);
    m = mark();
    host.frame(0.1);   // right empties and switches the command off one step before the left
    EXPECT_EQ(right(), 0u);
    EXPECT_EQ(left(), 8u);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10201, 0x10201, 0x10202}));
    host.frame(0.1);
    EXPECT_EQ(host.sim().number(0x0F), 0.0);
    EXPECT_EQ(left(), 8u);
    host.sim().set(0x0F, 1.0);   // the pilot drops again: the left tank is still dropping
    m = mark();
    host.frame(0.1);
    EXPECT_EQ(left(), 0u);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10201, 0x10202}));
    host.frame(0.1);
    EXPECT_EQ(host.sim().number(0x0F), 0.0);
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
    EXPECT_EQ(right(), full - 419430);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10201, 0x10201, 0x10201}));
    // The start step fires again while the left flag is clear: the right tank loses water on every
    // second update only.
    std::vector<uint32_t> levels;
    for (int i = 0; i < 4; ++i) {
        host.frame(0.1);
        levels.push_back(right());
    }
    EXPECT_EQ(levels, (std::vector<uint32_t>{full - 419430, full - 2 * 419430, full - 2 * 419430, full - 3 * 419430}));
}

TEST_F(Water, ModeOneWithTheRightTankAlreadyEmpty)
{
    ready_to_drop(1);
    tanks(full, 0);
    size_t m = mark();
    host.frame(0.1);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10201, 0x10201, 0x10202}));
    press_drop();
    m = mark();
    host.frame(0.1);
    EXPECT_EQ(left(), full - 419430);
    EXPECT_EQ(right(), 0u);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10201}));
}

TEST_F(Water, NoWaterLeavesUntilTheDoorsAreFullyOpenAndTheMasterIsOn)
{
    ready_to_drop(1);
    host.sim().set(0x365, 0.9999);
    size_t m = mark();
    host.frame(0.1);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10202, 0x10202}));
    EXPECT_EQ(left(), full);
    EXPECT_EQ(doors->elements()[1].frame, -1);

    // Master off mid-drop: everything stops without an event and resumes where it was.
    host.sim().set(0x365, 1.0);
    host.frame(0.1);
    EXPECT_EQ(host.sim().number(0x0F), 0.0);
    press_drop();
    host.frame(0.1);   // start
    host.frame(0.1);
    uint32_t l = left(), r = right();
    master(false);
    m = mark();
    host.frame(0.1);
    host.frame(0.1);
    EXPECT_EQ(events_since(m), std::vector<uint32_t>{});
    EXPECT_EQ(left(), l);
    EXPECT_EQ(right(), r);
    EXPECT_EQ(doors->elements()[1].frame, -1);   // the lamp goes dark with the master
    master(true);
    host.frame(0.1);
    host.frame(0.1);
    EXPECT_EQ(left(), l - 2 * 419430);   // no new start update: the flags survived
}

TEST_F(Water, DoorsLeverFlipsOnClicksAndFollowsTheDoorsEveryNinthUpdate)
{
    install();
    master(true);
    auto lever = [&] { return doors->elements()[2].frame; };
    host.sim().set(0x365, 0);
    for (int i = 0; i < 9; ++i)
        host.frame(0.05);   // first sample on the 9th update: still
    EXPECT_EQ(lever(), 0);
    size_t m = mark();
    doors->click_rect(1, MOUSE_LEFTSINGLE);
    doors->click_rect(1, MOUSE_LEFTSINGLE);
    host.frame(0.05);
    EXPECT_EQ(lever(), 0);                    // flipped twice
    doors->click_rect(1, MOUSE_LEFTSINGLE);   // the host opens the doors over two seconds
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10357, 0x10357, 0x10357}));
    host.frame(0.05);
    EXPECT_EQ(lever(), 1);
    // The doors closed after two clicks, then open: by the next samples the lever shows opening.
    for (int i = 0; i < 60; ++i)
        host.frame(0.05);
    EXPECT_EQ(host.sim().number(0x365), 1.0);
    EXPECT_EQ(lever(), 1);
    EXPECT_EQ(doors->elements()[1].frame, 0);   // fully open with the master on

    // Closing seen by a sample turns the lever down even without a click.
    host.sim().set(0x365, 0.5);
    for (int i = 0; i < 9; ++i)
        host.frame(0.05);
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
    host.sim().set(0x387, 0);
    host.sim().set(0x365, 1.0);
    drop_mode(0);
    host.frame(0.1);
    host.sim().set(0x0F, 1.0);
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
        panel = &host.add_gauge(norvak, "Water_System", params);
        panel->connect();
        skimming();
        host.sim().set(0x0F, 0);
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
    env.set_ext_mode(ExtMode::absent);
    tanks(full, full);
    install();
    EXPECT_EQ(left(), full);    // never emptied at connect
    master(true);
    skimming();
    host.frame(0.1);
    EXPECT_EQ(left(), full);
    host.sim().set(0x387, 0);
    host.sim().set(0x365, 1.0);
    drop_mode(1);
    host.frame(0.1);
    host.sim().set(0x0F, 1.0);
    host.frame(0.1);
    size_t m = mark();
    host.frame(0.1);
    EXPECT_EQ(events_since(m), (std::vector<uint32_t>{0x10201, 0x10201}));
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
    panel = &host.add_gauge(norvak, "Water_System");
    panel->connect();
    EXPECT_EQ(left(), 0u);
    env.set_ext_mode(ExtMode::silent);
    skimming();
    host.frame(0.1);
    EXPECT_EQ(left(), 0u);
    env.set_ext_mode(ExtMode::present);
    host.frame(0.1);
    EXPECT_EQ(left(), 41943u);
}

}  // namespace

// Inputs from outside that once hung the host, converted numbers out of range, leaked, or grew
// without bound: scripts, panel files, parameter texts, tooltip formats, tank words and radio
// digits. Each case here failed before its fix (the float conversions under clang's UBSan).
#include <gtest/gtest.h>

#include <standin_control.h>

#include <chrono>
#include <cmath>
#include <sstream>

#include "host/world/world.h"
#include "host/core/limits.h"
#include "host/core/mouse.h"
#include "host/formats/panel_config.h"
#include "host/core/panel_host.h"
#include "host/script/scenario.h"
#include "host/world/radio_systems.h"
#include "module_paths.h"

using namespace host;

namespace {

std::string parse_error(const std::string& text)
{
    try {
        parse_scenario(text, "s.scn");
    } catch (const HostError& e) {
        return e.what();
    }
    return "";
}

std::string run_text(const std::string& text)
{
    std::ostringstream out;
    ScenarioOptions    o;
    o.module_dir = GAUGE_MODULE_DIR;
    run_scenario(parse_scenario(text, "s.scn"), out, o);
    return out.str();
}

// ---------------------------------------------------------------------------------------------
// Scripts: every count, index and scale is checked, with its limit, before anything runs

TEST(ScriptBounds, CountsRatesIndicesAndScalesOutOfRangeAreRefusedNamingTheLimit)
{
    struct Case {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"frames 1e12", "s.scn:1: 'frames' must lie in 0..10000000"},
        {"frames 1e19", "s.scn:1: 'frames' must lie in 0..10000000"},
        {"frames 10000001", "s.scn:1: 'frames' must lie in 0..10000000"},
        {"run 1e17", "s.scn:1: 'run' must lie in 0..555555 seconds at 18 Hz (10000000 frames)"},
        {"run 100 at 1000000", "s.scn:1: 'run' rate must lie in 0.001..10000 Hz"},
        {"frames 1 at 4.9e-324", "s.scn:1: 'frames' rate must lie in 0.001..10000 Hz"},
        {"set-int 0x43 3000000000", "s.scn:1: 'set-int' value must lie in -2147483648..2147483647"},
        {"set-int 0x43 -2147483649", "s.scn:1: 'set-int' value must lie in -2147483648..2147483647"},
        {"click g 1e10", "s.scn:1: rectangle index must lie in -2147483648..2147483647"},
        {"click-at g 3e9 1", "s.scn:1: point coordinates must lie in -2147483648..2147483647"},
        {"tooltip g 1 -3e9", "s.scn:1: point coordinates must lie in -2147483648..2147483647"},
        {"expect tooltip g 3e9 0 \"x\"", "s.scn:1: point coordinates must lie in -2147483648..2147483647"},
        {"expect element g 3e9 shown", "s.scn:1: element index must lie in -2147483648..2147483647"},
        {"expect element g 0 frame 1e300", "s.scn:1: frame must lie in -2147483648..2147483647"},
        {"expect event 0x10 5e9", "s.scn:1: 'expect event' value must lie in -2147483648..4294967295"},
        {"picture g g.png scale 100", "s.scn:1: 'picture' scale must lie in (0, 16]"},
        {"picture g g.png scale 1e308", "s.scn:1: 'picture' scale must lie in (0, 16]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parse_error(c.line), c.error) << c.line;

    // The ends themselves are fine.
    for (const char* line : {"frames 10000000", "run 555555", "frames 1 at 0.001", "set-int 0x43 -2147483648",
                             "set-int 0x43 2147483647", "expect event 0x10 -1", "expect event 0x10 4294967295",
                             "picture g g.png scale 16"})
        EXPECT_EQ(parse_error(line), "") << line;
}

TEST(ScriptBounds, ALongRunEndsAndReportsWhatItRan)
{
    const std::string trace = run_text("run 1 at 10000\n");
    EXPECT_NE(trace.find("t=1.000 ran 10000 frame(s) at 10000 Hz"), std::string::npos) << trace;
}

TEST(ScriptBounds, AnEventValueOfMinusOneNamesAllThirtyTwoBits)
{
    // No gauge sends anything here: the expectation fails cleanly instead of converting -1.
    EXPECT_NE(run_text("expect event 0x10 -1\n").find("FAIL s.scn:1: no event 0x10 value -1"), std::string::npos);
}

TEST(ScriptBounds, NulBytesInPathsAndParameterTextsAreRefusedNotCut)
{
    SimulatedPanel host;
    EXPECT_THROW(host.load_module(module_path("Tolvane") + std::string("\0x", 2)), HostError);
    Module& m = host.load_module(module_path("Tolvane"));
    try {
        host.add_gauge(m, "Tolvane", std::string("a\0b", 3));
        FAIL() << "a parameter text with a NUL byte was taken";
    } catch (const HostError& e) {
        EXPECT_EQ(std::string(e.what()), "the parameter text of 'Tolvane' holds a NUL byte");
    }
    EXPECT_TRUE(host.gauges().empty());
    std::string script = "module Tolvane\ngauge Tolvane params \"a";
    script += '\0';
    script += "b\"\n";
    EXPECT_THROW(run_text(script), HostError);
}

// Gauges may send events at every frame: the host keeps the recent ones, and a script's
// expectations still find what was sent since the last one they met.
TEST(EventLog, KeepsTheRecentEventsAndExpectationsFollowThem)
{
    SimState sim;
    for (uint32_t i = 0; i < 3 * SimState::event_log_limit / 2 + 7; ++i)
        sim.record_event(0x10000 + i, i, "g");
    EXPECT_LE(sim.events().size(), SimState::event_log_limit);
    EXPECT_EQ(sim.events_forgotten() + sim.events().size(), 3 * SimState::event_log_limit / 2 + 7);
    EXPECT_EQ(sim.events().back().value, 3 * SimState::event_log_limit / 2 + 6);
    EXPECT_EQ(sim.events().front().value, sim.events_forgotten());

    // The ADF radio sends two events every frame.
    const std::string trace = run_text("module Stelvar_Instr\ngauge Radio_ADF\nframes 1\nexpect event 0x10131\n"
                                       "frames 40000\nexpect event 0x10131\nexpect event 0x10131\n");
    EXPECT_NE(trace.find("done: all expectations met"), std::string::npos) << trace.substr(trace.size() - 300);
}

// ---------------------------------------------------------------------------------------------
// Numbers held as 32-bit integers

TEST(IntegerValues, ValuesBeyondTheRangeStopAtItsEnds)
{
    SimState sim;
    sim.declare_integer(0x10);
    sim.set(token::adf_whole, 1e308);
    EXPECT_EQ(sim.get(0x10).whole, INT32_MAX);
    sim.set(token::adf_whole, -1e308);
    EXPECT_EQ(sim.get(0x10).whole, INT32_MIN);
    sim.set(token::adf_whole, std::nan(""));
    EXPECT_EQ(sim.get(0x10).whole, 0);
    sim.set(token::adf_whole, -7.9);
    EXPECT_EQ(sim.get(0x10).whole, -7);

    // A token declared integer after it was given a value keeps it the same way.
    sim.set(0x20, 5e9);
    sim.declare_integer(0x20);
    EXPECT_EQ(sim.get(0x20).whole, INT32_MAX);

    // An expression asked for as an integer.
    SimulatedPanel host;
    host.sim().set_expression("(L:Big,number)", -1e300);
    int32_t whole = 1;
    host.services()->execute_calculator_code("(L:Big,number)", nullptr, &whole, nullptr);
    EXPECT_EQ(whole, INT32_MIN);
}

TEST(IntegerValues, ATankWordAboveTheSignedRangeIsTracedAsTheUnsignedLevelItIs)
{
    const std::string trace = run_text("ext set 0xB8C 0xFFFFFFFF\nframes 1\n");
    EXPECT_NE(trace.find("water left 4294967295 (51200%) right 0 (0%)"), std::string::npos) << trace;
}

TEST(IntegerValues, BcdWordsKeepTheirLowEightDigits)
{
    EXPECT_EQ(int_to_bcd(100000000), 0u);
    EXPECT_EQ(int_to_bcd(123456789), 0x23456789u);
    EXPECT_EQ(int_to_bcd(99999999), 0x99999999u);
    EXPECT_EQ(bcd_to_int(int_to_bcd(2147483647)), 47483647);
}

// ---------------------------------------------------------------------------------------------
// Panel files

TEST(PanelWindowNames, NamesThatAreNoNumbersAndNumbersOfAnyLengthLookUpCleanly)
{
    PanelConfig cfg = parse_panel_config("[Window_GPS]\nsize_mm=10\n[Window99999999999]\nsize_mm=20\n"
                                         "[Window007]\nsize_mm=30\n",
                                         "p.cfg");
    ASSERT_EQ(cfg.windows.size(), 3u);
    EXPECT_EQ(cfg.find("7"), &cfg.windows[2]);
    EXPECT_EQ(cfg.find("0007"), &cfg.windows[2]);
    EXPECT_EQ(cfg.find("99999999999"), &cfg.windows[1]);
    EXPECT_EQ(cfg.find("Window_GPS"), &cfg.windows[0]);
    EXPECT_EQ(cfg.find("5"), nullptr);
    EXPECT_EQ(cfg.find("0"), nullptr);
    EXPECT_EQ(cfg.find("-7"), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Tooltip formats

TEST(TooltipFields, WidthAndPrecisionAreHeldToAHundred)
{
    auto timed = [](const char* text, double v) {
        auto        start = std::chrono::steady_clock::now();
        std::string s     = format_tooltip(text, {v});
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << text;
        return s;
    };
    EXPECT_EQ(timed("%1!999999999d!", 7), std::string(99, ' ') + "7");
    EXPECT_EQ(timed("%1!.999999999f!", 1), "1." + std::string(100, '0'));
    // Digits that meet once a length modifier is dropped are one width, held the same way.
    EXPECT_EQ(timed("%1!9l99999999d!", 7), std::string(99, ' ') + "7");
    EXPECT_EQ(timed("%1!-099999999999999999999.3f!", 2).size(), 100u);
    // The widest field of the largest double fits whole.
    EXPECT_EQ(timed("%1!100.100f!", 1e308).size(), 309u + 1 + 100);
    // Fields a tooltip uses keep their meaning.
    EXPECT_EQ(timed("%1!07.3f!", 123.45), "123.450");
    EXPECT_EQ(timed("%1!-5d!|", 42), "42   |");
    EXPECT_EQ(timed("%1!+.d!", 0), "+");
}

// ---------------------------------------------------------------------------------------------
// The panel: many appearances of one gauge

TEST(Appearances, EachExtraAppearanceIsNotedOnce)
{
    SimulatedPanel host;
    Module&   m     = host.load_module(module_path("Probe"));
    int       notes = 0;
    host.set_trace([&](const std::string& line) { notes += line.rfind("note:", 0) == 0; });
    for (int i = 0; i < 60; ++i)
        host.add_gauge(m, "Probe_All", "", "p" + std::to_string(i));
    EXPECT_EQ(notes, 59);
    host.set_trace(nullptr);
}

// Sound slots belong to the gauge's records: a second appearance fills them again, and a panel
// that comes and goes while sound is off makes nothing it cannot release.
TEST(Appearances, SoundSlotsFilledAgainLetGoOfWhatTheyHeld)
{
    standin::reset_sound();
    {
        SimulatedPanel host;
        Module&   stelvar = host.load_module(module_path("Stelvar_Instr"));
        host.add_gauge(stelvar, "Battery_Switch", "", "a");
        host.add_gauge(stelvar, "Battery_Switch", "", "b");
        EXPECT_EQ(standin::live_sound_devices(), 1);
        EXPECT_EQ(standin::live_sound_buffers(), 1);
        host.remove_gauge(*host.find_gauge("a"));
        host.remove_gauge(*host.find_gauge("b"));
        EXPECT_EQ(standin::live_sound_devices(), 0);
        EXPECT_EQ(standin::live_sound_buffers(), 0);
    }
    {
        SimulatedPanel host;
        Module&   stelvar = host.load_module(module_path("Stelvar_Instr"));
        standin::fail_sound(standin::SoundOp::create_device);   // sound goes off for the module
        host.add_gauge(stelvar, "Battery_Switch");
        for (int i = 0; i < 20; ++i) {
            host.remove_gauge(*host.find_gauge("Battery_Switch"));
            host.add_gauge(stelvar, "Battery_Switch");
        }
        EXPECT_EQ(standin::live_sound_devices(), 0);
        EXPECT_EQ(standin::live_sound_buffers(), 0);
    }
    standin::reset_sound();
}

// ---------------------------------------------------------------------------------------------
// Water settings that make no sense keep the levels between empty and full

struct WaterSettings : ::testing::Test {
    static constexpr uint32_t left_tank = 0x0B8C, right_tank = 0x0BA4, full = 0x800000;
    SimulatedPanel    host;
    Module&      norvak = host.load_module(module_path("Norvak_Instr"));
    Environment& env    = environment_of(host);
    Gauge*       panel  = nullptr;

    void install(const std::string& params)
    {
        host.add_gauge(norvak, "Water_Doors_Switch").connect();
        panel = &host.add_gauge(norvak, "Water_System", params);
        panel->connect();
        host.frame(0);
        panel->click_rect(1, MOUSE_LEFTSINGLE);   // master on
    }
    void skimming()
    {
        host.sim().set(token::scoop_ready, 100);
        host.sim().set(token::scoop_state, 1);
        host.sim().set(token::surface_type, 2);   // the surface type the host answers
        host.sim().set(token::radio_height, 1.0);
        host.sim().set(token::velocity_x, 70 / 1.944 * 3.28084);
    }
};

TEST_F(WaterSettings, ANegativeScoopRateEmptiesDownToEmptyAndNeverFillsAtOnce)
{
    install("ScoopSpd-0.05");
    skimming();
    host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), 0u);
    EXPECT_EQ(env.peek(right_tank), 0u);
    env.poke(left_tank, 100000);
    host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), 100000u - 41943u);
    host.frame(1.0);
    EXPECT_EQ(env.peek(left_tank), 0u);
}

TEST_F(WaterSettings, ANegativeDumpRateNeverPushesALevelAboveFull)
{
    install("DumpSpd-0.5");
    env.poke(left_tank, full - 1000);
    env.poke(right_tank, full - 1000);
    host.sim().set(token::doors_position, 1.0);
    host.frame(0.1);
    host.sim().set(token::drop_command, 1.0);
    for (int i = 0; i < 5; ++i)
        host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), full);
    EXPECT_EQ(env.peek(right_tank), full);
}

}  // namespace

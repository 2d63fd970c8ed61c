// The panel buttons of both aircraft modules on both builds: option texts, faces and help ids, the
// close-once option, the event buttons, and the host's windows and views behind them.
#pragma once

#include <tuple>
#include <utility>
#include <vector>

#include "tests/common/panel_fixture.h"

namespace panel_buttons_cases {

using namespace panel_fixture;

struct Buttons : NorvakPanel {
    host::Module&            norvak  = module;
    host::Module&            stelvar = load("Stelvar_Instr");
    std::vector<std::string> trace;
    int                      added = 0;
    void SetUp() override { host.set_trace([this](const std::string& line) { trace.push_back(line); }); }
    void TearDown() override { host.set_trace(nullptr); }

    host::Gauge& button(const std::string& params, const std::string& name = "Fuel_Toggle", host::Module* m = nullptr)
    {
        return add(name, params, name + std::to_string(++added), m);
    }
    // Clicks the push area and returns the events the click sent.
    Events   press(host::Gauge& g) { return click_at(g, 9, 9); }
    uint32_t face(host::Gauge& g) { return g.root()->bitmap_id; }
    uint32_t help(host::Gauge& g) { return g.header()->mouse_rects[0].help_id; }
};

constexpr uint32_t open_window = event::window_open, close_window = event::window_close,
                   toggle_window = event::window_toggle;

TEST_F(Buttons, OpenCloseAndToggleRunInThatOrderWhateverTheirOrderInTheText)
{
    host::Gauge& open_then_close = button("oGPS_PANEL cGPS_PANEL");
    EXPECT_EQ(press(open_then_close),
              (Events{{open_window, panel_window::gps_panel}, {close_window, panel_window::gps_panel}}));
    EXPECT_FALSE(host.sim().window_open(panel_window::gps_panel));

    host::Gauge& mixed = button("tMAIN_PANEL c10 oOVERHEAD_PANEL o50");
    EXPECT_EQ(press(mixed), (Events{{open_window, panel_window::overhead_panel},
                                    {open_window, panel_window::radio_stack_panel},
                                    {close_window, panel_window::throttle_panel},
                                    {toggle_window, panel_window::main_panel}}));
    EXPECT_TRUE(host.sim().window_open(panel_window::overhead_panel));
    EXPECT_TRUE(host.sim().window_open(panel_window::radio_stack_panel));
    EXPECT_FALSE(host.sim().window_open(panel_window::main_panel));   // the main panel starts open; t closed it
    EXPECT_EQ(press(mixed).back(), (std::pair{toggle_window, panel_window::main_panel}));
    EXPECT_TRUE(host.sim().window_open(panel_window::main_panel));
}

TEST_F(Buttons, WindowNamesMatchAsPrefixesAndNumbersReadLikeAtoi)
{
    EXPECT_EQ(press(button("oMAIN_PANEL2")), one(open_window, panel_window::main_panel));
    EXPECT_EQ(press(button("oIFR_MAIN_PANEL")), one(open_window, panel_window::ifr_main_panel));
    EXPECT_EQ(press(button("oFOO")), one(open_window, 0));
    EXPECT_EQ(press(button("o 75")), one(open_window, panel_window::compass_panel));
    EXPECT_EQ(press(button("o-5 o99999999999")), one(open_window, 0x7FFFFFFF));
    EXPECT_EQ(press(button("oANNUNCIATOR2_PANEL oMINI_CONTROLS_PANEL")),
              (Events{{open_window, panel_window::annunciator2_panel}, {open_window, panel_window::mini_controls_panel}}));
}

TEST_F(Buttons, CommentCharactersHideEverythingAfterThem)
{
    EXPECT_EQ(press(button("o12 / o50")), one(open_window, 12));
    EXPECT_EQ(press(button("c20 'o30")), one(close_window, 20));
    // Not empty, so the main panel is not toggled either.
    host::Gauge& commented = button("#oMAIN_PANEL");
    EXPECT_EQ(press(commented), Events{});
    EXPECT_TRUE(host.sim().window_open(panel_window::main_panel));
}

TEST_F(Buttons, WithoutTextTheMainPanelIsToggledThroughTheHostService)
{
    host::Gauge& bare = button("");
    EXPECT_EQ(press(bare), Events{});
    EXPECT_FALSE(host.sim().window_open(panel_window::main_panel));
    press(bare);
    EXPECT_TRUE(host.sim().window_open(panel_window::main_panel));
    EXPECT_EQ(trace.back(), "window 0 (main_panel) opened by " + bare.label());
}

TEST_F(Buttons, ViewStepsRepeatTheirEventAndStayBounded)
{
    EXPECT_EQ(press(button("p-2")), Events(2, {event::view_back, 0}));
    EXPECT_EQ(press(button("p3")), Events(3, {event::view_forward, 0}));
    EXPECT_EQ(press(button("p0")), one(event::view_home));
    EXPECT_EQ(press(button("p")), one(event::view_home));
    EXPECT_EQ(press(button("p5 p-1")), Events(5, {event::view_forward, 0}));   // only the first p counts
    // A huge count would stall the panel; it stops at 100 steps.
    EXPECT_EQ(press(button("p-2147483648")).size(), 100u);
    EXPECT_EQ(press(button("p99999999999")).size(), 100u);
    // The host steps through a ring of four views.
    trace.clear();
    press(button("p0 p-1"));
    press(button("p-1"));
    EXPECT_EQ(trace.back(), "view 3");
}

TEST_F(Buttons, EveryOptionOfOneTextActsAtOnce)
{
    host::Gauge& fuel = button("oGPS_PANEL p-2 b130 hTOGGLE_GPS_WINDOW");
    EXPECT_EQ(face(fuel), 130u);
    EXPECT_EQ(help(fuel), help::toggle_gps_window);
    EXPECT_EQ(press(fuel), (Events{{open_window, panel_window::gps_panel}, {event::view_back, 0}, {event::view_back, 0}}));
    EXPECT_TRUE(host.sim().window_open(panel_window::gps_panel));
}

TEST_F(Buttons, FaceOptionChoosesAnyFaceOfItsModuleAndGuardsTheHelpOption)
{
    host::Gauge& close_face = button("b120 h43914", "Drop_Water_Toggle");
    EXPECT_EQ(face(close_face), 120u);   // the face of Close_Subpanel
    EXPECT_EQ(help(close_face), help::toggle_fuel_window);
    for (const char* unusable : {"b125 hTOGGLE_GPS_WINDOW", "b90 h43914", "b260 h43914", "b-100 h43914"}) {
        host::Gauge& g = button(unusable, "Show_Yoke");
        EXPECT_EQ(face(g), 140u) << unusable;
        EXPECT_EQ(help(g), 0u) << unusable;
        host.remove_gauge(g);
    }
    host::Gauge& stelvar_high = button("b200", "Radios_Toggle", &stelvar);
    EXPECT_EQ(face(stelvar_high), 110u);
}

TEST_F(Buttons, EveryFaceABOptionMayChooseIsAmongTheResources)
{
    for (uint32_t n = 100; n <= 250; n += 10)
        EXPECT_EQ(face(button("b" + std::to_string(n), "Invisible_Toggle")), n);
    for (uint32_t n = 100; n <= 190; n += 10)
        EXPECT_EQ(face(button("b" + std::to_string(n), "Invisible_Toggle", &stelvar)), n);
}

TEST_F(Buttons, HelpOptionTakesNamesOrLargeNumbers)
{
    const std::pair<const char*, uint32_t> cases[] = {
        {"hTOGGLE_FUEL_WINDOW", help::toggle_fuel_window},
        {"hTOGGLE_COLLECTIVE_WINDOW", help::toggle_collective_window},
        {"h43914", help::toggle_fuel_window},
        {"h40960", 40960},
        {"h40959", 0},
        {"h100", 0},
        {"hTOGGLE_NOTHING", 0},
        {"", help::toggle_fuel_window},   // no text leaves the declared id
    };
    for (auto [text, want] : cases) {
        host::Gauge& g = button(text);
        EXPECT_EQ(help(g), want) << text;
        host.remove_gauge(g);
        button("hTOGGLE_FUEL_WINDOW");   // back to the declared id for the next case
    }
}

TEST_F(Buttons, CloseOnceOptionActsAtTheFirstInstallationOnly)
{
    host.sim().set_window(panel_window::gps_panel, true);
    size_t       before = mark();
    host::Gauge& first  = button("aGPS_PANEL", "GPS_Toggle");
    EXPECT_EQ(events_since(before), one(close_window, panel_window::gps_panel));
    EXPECT_FALSE(host.sim().window_open(panel_window::gps_panel));
    EXPECT_EQ(first.header()->user_data, 1u);
    host.remove_gauge(first);
    before = mark();
    button("aGPS_PANEL", "GPS_Toggle");
    EXPECT_EQ(events_since(before), Events{});

    // A gauge without text is marked too; a negative window closes nothing.
    host::Gauge& bare = button("", "Compass_Toggle");
    EXPECT_EQ(bare.header()->user_data, 1u);
    before = mark();
    button("a-3", "Throttle_Toggle");
    EXPECT_EQ(events_since(before), Events{});
}

TEST_F(Buttons, EventButtonsLetTheHostFireTheirEvent)
{
    const std::tuple<host::Module*, const char*, uint32_t, uint32_t> cases[] = {
        {&norvak, "Kneeboard_Toggle", event::kneeboard, 60}, {&norvak, "ATC_Toggle", event::atc_window, 80},
        {&stelvar, "Map_Toggle", event::map_window, 80},      {&stelvar, "ATC_Toggle", event::atc_window, 90},
    };
    for (auto [m, name, event_id, face_id] : cases) {
        host::Gauge& g = button("oMAIN_PANEL b120", name, m);
        EXPECT_EQ(g.header()->callback, nullptr) << name;
        EXPECT_EQ(face(g), face_id) << name;   // no callback reads the text
        EXPECT_EQ(press(g), one(event_id)) << name;
        EXPECT_EQ(host.sim().events().back().source, "host");
    }
    EXPECT_EQ(trace.back(), "ATC window hidden");   // shown by the Norvak button, hidden by Stelvar's
}

}  // namespace panel_buttons_cases

// The panel buttons of both aircraft modules: option texts, faces and help ids, the close-once
// option, the event buttons, and the host's windows and views behind them.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

constexpr uint32_t open_window = 0x103CB, close_window = 0x103CC, toggle_window = 0x103CA;
constexpr uint32_t view_forward = 0x100C6, view_back = 0x100C7, view_home = 0x10153;

struct Buttons : ::testing::Test {
    SimulatedPanel                host;
    Module&                  norvak  = host.load_module(module_path("Norvak_Instr"));
    Module&                  stelvar = host.load_module(module_path("Stelvar_Instr"));
    std::vector<std::string> trace;
    int                      added = 0;
    void SetUp() override { host.set_trace([this](const std::string& line) { trace.push_back(line); }); }

    Events events_since(size_t from)
    {
        Events out;
        const auto& all = host.sim().events();
        for (size_t i = from; i < all.size(); ++i)
            out.emplace_back(all[i].id, all[i].value);
        return out;
    }
    Gauge& button(const std::string& params, const std::string& name = "Fuel_Toggle", Module* m = nullptr)
    {
        Gauge& g = host.add_gauge(m ? *m : norvak, name, params, name + std::to_string(++added));
        g.connect();
        return g;
    }
    // Clicks the push area and returns the events the click sent.
    Events click(Gauge& g)
    {
        size_t      before = host.sim().events().size();
        ClickResult r      = g.click_at(9, 9, MOUSE_LEFTSINGLE);
        EXPECT_TRUE(r.accepted) << r.action;
        return events_since(before);
    }
    uint32_t face(Gauge& g) { return g.root()->bitmap_id; }
    uint32_t help(Gauge& g) { return g.header()->mouse_rects[0].help_id; }
};

TEST_F(Buttons, OpenCloseAndToggleRunInThatOrderWhateverTheirOrderInTheText)
{
    Gauge& open_then_close = button("oGPS_PANEL cGPS_PANEL");
    EXPECT_EQ(click(open_then_close), (Events{{open_window, 225}, {close_window, 225}}));
    EXPECT_FALSE(host.sim().window_open(225));

    Gauge& mixed = button("tMAIN_PANEL c10 oOVERHEAD_PANEL o50");
    EXPECT_EQ(click(mixed), (Events{{open_window, 250}, {open_window, 50}, {close_window, 10}, {toggle_window, 0}}));
    EXPECT_TRUE(host.sim().window_open(250));
    EXPECT_TRUE(host.sim().window_open(50));
    EXPECT_FALSE(host.sim().window_open(0));   // the main panel starts open; t closed it
    EXPECT_EQ(click(mixed).back(), (std::pair{toggle_window, 0u}));
    EXPECT_TRUE(host.sim().window_open(0));
}

TEST_F(Buttons, WindowNamesMatchAsPrefixesAndNumbersReadLikeAtoi)
{
    EXPECT_EQ(click(button("oMAIN_PANEL2")), (Events{{open_window, 0}}));
    EXPECT_EQ(click(button("oIFR_MAIN_PANEL")), (Events{{open_window, 175}}));
    EXPECT_EQ(click(button("oFOO")), (Events{{open_window, 0}}));
    EXPECT_EQ(click(button("o 75")), (Events{{open_window, 75}}));
    EXPECT_EQ(click(button("o-5 o99999999999")), (Events{{open_window, 0x7FFFFFFF}}));
    EXPECT_EQ(click(button("oANNUNCIATOR2_PANEL oMINI_CONTROLS_PANEL")), (Events{{open_window, 150}, {open_window, 100}}));
}

TEST_F(Buttons, CommentCharactersHideEverythingAfterThem)
{
    EXPECT_EQ(click(button("o12 / o50")), (Events{{open_window, 12}}));
    EXPECT_EQ(click(button("c20 'o30")), (Events{{close_window, 20}}));
    // Not empty, so the main panel is not toggled either.
    Gauge& commented = button("#oMAIN_PANEL");
    EXPECT_EQ(click(commented), Events{});
    EXPECT_TRUE(host.sim().window_open(0));
}

TEST_F(Buttons, WithoutTextTheMainPanelIsToggledThroughTheHostService)
{
    Gauge& bare = button("");
    EXPECT_EQ(click(bare), Events{});
    EXPECT_FALSE(host.sim().window_open(0));
    click(bare);
    EXPECT_TRUE(host.sim().window_open(0));
    EXPECT_EQ(trace.back(), "window 0 opened by " + bare.label());
}

TEST_F(Buttons, ViewStepsRepeatTheirEventAndStayBounded)
{
    EXPECT_EQ(click(button("p-2")), (Events{{view_back, 0}, {view_back, 0}}));
    EXPECT_EQ(click(button("p3")), (Events{{view_forward, 0}, {view_forward, 0}, {view_forward, 0}}));
    EXPECT_EQ(click(button("p0")), (Events{{view_home, 0}}));
    EXPECT_EQ(click(button("p")), (Events{{view_home, 0}}));
    EXPECT_EQ(click(button("p5 p-1")), Events(5, {view_forward, 0}));   // only the first p counts
    // A huge count would stall the panel; it stops at 100 steps.
    EXPECT_EQ(click(button("p-2147483648")).size(), 100u);
    EXPECT_EQ(click(button("p99999999999")).size(), 100u);
    // The host steps through a ring of four views.
    trace.clear();
    click(button("p0 p-1"));
    click(button("p-1"));
    EXPECT_EQ(trace.back(), "view 3");
}

TEST_F(Buttons, FaceOptionChoosesAnyFaceOfItsModuleAndGuardsTheHelpOption)
{
    Gauge& close_face = button("b120 h43914", "Drop_Water_Toggle");
    EXPECT_EQ(face(close_face), 120u);   // the face of Close_Subpanel
    EXPECT_EQ(help(close_face), 0xAB8Au);
    for (const char* unusable : {"b125 hTOGGLE_GPS_WINDOW", "b90 h43914", "b260 h43914", "b-100 h43914"}) {
        Gauge& g = button(unusable, "Show_Yoke");
        EXPECT_EQ(face(g), 140u) << unusable;
        EXPECT_EQ(help(g), 0u) << unusable;
        host.remove_gauge(g);
    }
    Gauge& stelvar_high = button("b200", "Radios_Toggle", &stelvar);
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
        {"hTOGGLE_FUEL_WINDOW", 0xAB8A}, {"hTOGGLE_COLLECTIVE_WINDOW", 0xAB8B}, {"h43914", 0xAB8A},
        {"h40960", 0xA000},              {"h40959", 0},                         {"h100", 0},
        {"hTOGGLE_NOTHING", 0},          {"", 0xAB8A},   // no text leaves the declared id
    };
    for (auto [text, want] : cases) {
        Gauge& g = button(text);
        EXPECT_EQ(help(g), want) << text;
        host.remove_gauge(g);
        button("hTOGGLE_FUEL_WINDOW");   // back to the declared id for the next case
    }
}

TEST_F(Buttons, CloseOnceOptionActsAtTheFirstInstallationOnly)
{
    host.sim().set_window(225, true);
    size_t before = host.sim().events().size();
    Gauge& first  = button("aGPS_PANEL", "GPS_Toggle");
    EXPECT_EQ(events_since(before), (Events{{close_window, 225}}));
    EXPECT_FALSE(host.sim().window_open(225));
    EXPECT_EQ(first.header()->user_data, 1u);
    host.remove_gauge(first);
    before = host.sim().events().size();
    button("aGPS_PANEL", "GPS_Toggle");
    EXPECT_EQ(events_since(before), Events{});

    // A gauge without text is marked too; a negative window closes nothing.
    Gauge& bare = button("", "Compass_Toggle");
    EXPECT_EQ(bare.header()->user_data, 1u);
    before = host.sim().events().size();
    button("a-3", "Throttle_Toggle");
    EXPECT_EQ(events_since(before), Events{});
}

TEST_F(Buttons, EventButtonsLetTheHostFireTheirEvent)
{
    const std::tuple<Module*, const char*, uint32_t, uint32_t> cases[] = {
        {&norvak, "Kneeboard_Toggle", 0x10154, 60}, {&norvak, "ATC_Toggle", 0x1001C, 80},
        {&stelvar, "Map_Toggle", 0x10380, 80},      {&stelvar, "ATC_Toggle", 0x1001C, 90},
    };
    for (auto [m, name, event_id, face_id] : cases) {
        Gauge& g = button("oMAIN_PANEL b120", name, m);
        EXPECT_EQ(g.header()->callback, nullptr) << name;
        EXPECT_EQ(face(g), face_id) << name;   // no callback reads the text
        EXPECT_EQ(click(g), (Events{{event_id, 0}})) << name;
        EXPECT_EQ(host.sim().events().back().source, "host");
    }
    EXPECT_EQ(trace.back(), "ATC window hidden");   // shown by the Norvak button, hidden by Stelvar's
}

}  // namespace

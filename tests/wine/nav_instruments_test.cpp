// The navigation instruments of the real Norvak_Instr.gau: the DME's window texts come from the C
// runtime's formatter of the 32-bit build, and the HSI's knobs take the mouse flags through the
// host's calling convention.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"

using namespace host;

namespace {

struct NavDll : ::testing::Test {
    SimulatedPanel host;
    Module&   norvak = host.load_module("modules\\Norvak_Instr.gau");

    Gauge& gauge(const std::string& name)
    {
        Gauge& g = host.add_gauge(norvak, name);
        g.connect();
        return g;
    }
};

TEST_F(NavDll, DmeWindowsShowTheSameTextsAsNatively)
{
    gauge("Engine_On");
    Gauge& dme = gauge("Collins_DME42A");
    host.frame(0.05);
    dme.click_rect(8, MOUSE_LEFTSINGLE);   // MIN
    struct Case { double v; const char* distance; const char* time; };
    for (Case c : {Case{123.4, " 123", "++ MIN"}, {12.34, "12.3", "12 MIN"}, {1.5, " 1.5", " 2 MIN"},
                   {-1, "----", "---MIN"}, {99.96, " 100", "++ MIN"}, {1e7, "----", "++ MIN"}}) {
        host.sim().set(0x174, c.v);
        host.sim().set(0x176, c.v);
        host.frame(0.05);
        EXPECT_EQ(dme.elements()[3].text, c.distance) << c.v;
        EXPECT_EQ(dme.elements()[1].text, c.time) << c.v;
    }
    dme.click_rect(8, MOUSE_LEFTSINGLE);   // KTS
    for (auto [v, text] : {std::pair{250.0, "250 KT"}, {12.0, " 12 KT"}, {9.0, " 9 KT"}, {1200.0, "----KT"}}) {
        host.sim().set(0x175, v);
        host.frame(0.05);
        EXPECT_EQ(dme.elements()[2].text, text) << v;
    }
}

TEST_F(NavDll, HsiKnobsTellLeftFromRightClicks)
{
    Gauge& hsi = gauge("Collins_HSI70");
    host.sim().set(0x357, 5);
    hsi.click_rect(9, MOUSE_RIGHTSINGLE);
    hsi.click_rect(10, MOUSE_LEFTSINGLE);
    std::vector<std::pair<uint32_t, uint32_t>> sent;
    for (const KeyEvent& e : host.sim().events())
        sent.emplace_back(e.id, e.value);
    EXPECT_EQ(sent, (std::vector<std::pair<uint32_t, uint32_t>>{{0x101FA, 355}, {0x101FA, 356}}));
}

}  // namespace

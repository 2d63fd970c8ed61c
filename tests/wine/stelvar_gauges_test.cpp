// The attack aircraft's switches and radios in the real Stelvar_Instr.gau, driven through the real
// calling convention: events, guard, drums with their drawing option, and the per-update audio.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"

using namespace host;

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

struct StelvarGau : ::testing::Test {
    SimulatedPanel host;
    Module&   stelvar = host.load_module("modules\\Stelvar_Instr.gau");

    Gauge& gauge(const std::string& name)
    {
        Gauge& g = host.add_gauge(stelvar, name);
        g.connect();
        return g;
    }
    Events sent(size_t from)
    {
        Events out;
        for (size_t i = from; i < host.sim().events().size(); ++i)
            out.emplace_back(host.sim().events()[i].id, host.sim().events()[i].value);
        return out;
    }
    Events click(Gauge& g, int rect, uint32_t button = MOUSE_LEFTSINGLE)
    {
        size_t before = host.sim().events().size();
        g.click_rect(rect, button);
        return sent(before);
    }
};

TEST_F(StelvarGau, SwitchesSendTheirEventsAndTheGuardLocksTheGenerator)
{
    Gauge& battery = gauge("Battery_Switch");
    Gauge& gen     = gauge("Generator_Switch");
    Gauge& lamp    = gauge("Generator_Light");
    EXPECT_EQ(click(battery, 1), (Events{{0x102C1, 0}}));
    host.frame(0.05);
    EXPECT_EQ(battery.elements()[1].frame, 1);
    EXPECT_EQ(lamp.elements()[1].frame, 0);
    EXPECT_EQ(click(gen, 2), Events{});
    EXPECT_EQ(click(gen, 3, MOUSE_RIGHTSINGLE), Events{});
    EXPECT_EQ(click(gen, 3, MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE), (Events{{0x1033B, 0}}));
    host.frame(0.05);
    EXPECT_EQ(gen.elements()[1].frame, 1);
    EXPECT_EQ(gen.elements()[2].frame, -1);
    EXPECT_EQ(lamp.elements()[1].frame, -1);
}

TEST_F(StelvarGau, RadiosReadTheirBcdTokensAndKeepTheirLimits)
{
    Gauge& com = gauge("Radio_COM1");
    Gauge& nav = gauge("Radio_NAV2");
    Gauge& iff = gauge("Radio_IFF_XPDR");
    host.sim().set_integer(0x17, 0x2700);
    host.sim().set_integer(0x1B, 0x0800);
    host.sim().set_integer(0x26, 0x7700);
    host.frame(0.05);
    EXPECT_EQ(click(com, 2), Events{});
    EXPECT_EQ(click(com, 4), (Events{{0x10064, 0}}));
    EXPECT_EQ(click(nav, 3), Events{});
    EXPECT_EQ(com.tooltip_at(5, 100), "Communications Radio COM1 - 127.000 MHz");
    EXPECT_EQ(nav.elements()[3].value[1], 8.0);
    EXPECT_EQ(nav.elements()[3].element->image_flags, 0x4083u);
    EXPECT_EQ(iff.elements()[4].value[1], 7.0);
    EXPECT_EQ(iff.elements()[1].value[1], 0.0);

    // Off: the NAV drums lose the option, the knobs are dead, the audio-off event repeats.
    EXPECT_EQ(click(nav, 10), (Events{{0x10129, 0}}));
    size_t before = host.sim().events().size();
    host.frame(0.05);
    Events frame = sent(before);
    EXPECT_EQ(std::count(frame.begin(), frame.end(), std::pair<uint32_t, uint32_t>{0x10129, 0}), 1);
    EXPECT_EQ(nav.elements()[3].element->image_flags, 0x83u);
    EXPECT_EQ(click(nav, 4), Events{});
    EXPECT_EQ(click(iff, 2), Events{});
    EXPECT_EQ(click(iff, 4), Events{});
}

}  // namespace

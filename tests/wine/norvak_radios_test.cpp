// The radio heads of the real Norvak_Instr.gau: BCD decoding, the window text written through the
// host's buffer, the tooltip value through the stdcall tooltip callback, and the tuning limits.
#include <gtest/gtest.h>

#include "host/core/panel_host.h"
#include "host/world/world.h"

using namespace host;

namespace {

struct RadiosDll : ::testing::Test {
    SimulatedPanel host;
    Module&   norvak = host.load_module("modules\\Norvak_Instr.gau");

    Gauge& gauge(const std::string& name)
    {
        Gauge& g = host.add_gauge(norvak, name);
        g.connect();
        return g;
    }
    size_t events() { return host.sim().events().size(); }
};

TEST_F(RadiosDll, ComHeadShowsTunesAndLimitsAsNatively)
{
    Gauge& com1 = gauge("Collins_COM1");
    gauge("Engine_On");
    host.sim().set_integer(0x17, 0x3495);
    host.frame(0.05);
    EXPECT_FALSE(com1.elements().at(1).hidden);
    EXPECT_EQ(com1.elements().at(1).text, "134.95");
    EXPECT_EQ(com1.tooltip_at(5, 150).value_or(""), "Communications Radio COM1 - 134.950 MHz");

    com1.click_rect(5, MOUSE_LEFTSINGLE);   // fraction up carries into the whole part
    EXPECT_EQ(host.sim().get(0x17).whole, 0x3500);
    size_t before = events();
    com1.click_rect(3, MOUSE_LEFTSINGLE);   // 135: whole up is refused
    EXPECT_EQ(events(), before);

    host.sim().set_integer(0x17, 0x123456);  // wider than the window
    host.frame(0.05);
    EXPECT_EQ(com1.elements().at(1).text, "11234.");
}

TEST_F(RadiosDll, TransponderAndAdfDecodeTheirDigits)
{
    Gauge& atc = gauge("Collins_ATC");
    Gauge& adf = gauge("Collins_ADF");
    gauge("Engine_On");
    host.sim().set_integer(0x26, 0x1734);
    host.sim().set_integer(0x10, 0x345);
    host.sim().set_integer(0x12, 0x105);
    host.frame(0.05);
    EXPECT_EQ(atc.elements().at(1).text, "1734");
    EXPECT_EQ(adf.elements().at(1).text, "1345.5");
    atc.click_rect(12, MOUSE_LEFTSINGLE);
    EXPECT_EQ(host.sim().get(0x26).whole, 0x2034);
}

}  // namespace

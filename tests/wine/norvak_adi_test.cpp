// Collins_ADI84A in the real Norvak_Instr.gau: f64 results through the host's calling convention,
// the tooltip's height from the module's global, and the flag rules on 32-bit integer tokens.
#include <gtest/gtest.h>

#include "host/core/panel_host.h"
#include "host/world/world.h"

using namespace host;

namespace {

struct AdiDll : ::testing::Test {
    SimulatedPanel host;
    Module&   norvak = host.load_module("modules\\Norvak_Instr.gau");
    Gauge&    adi    = add("Collins_ADI84A");

    Gauge& add(const std::string& name)
    {
        Gauge& g = host.add_gauge(norvak, name);
        g.connect();
        return g;
    }
};

TEST_F(AdiDll, AttitudeAndTapeValuesMatchTheNativeBuild)
{
    host.sim().set(0x318, 1);
    host.sim().set(0x4E, 55);
    host.sim().set(0x319, 8);
    host.sim().set(0x50, -20);
    host.sim().set(0x31A, 5);
    host.sim().set(0x266, 0);
    host.frame(0.05);
    EXPECT_EQ(adi.elements()[1].value[1], 40.0);
    EXPECT_EQ(adi.elements()[3].value[1], 40.0);
    EXPECT_EQ(adi.elements()[3].value[2], -25.0);
    EXPECT_EQ(adi.elements()[4].value[1], -14.0);
    EXPECT_EQ(adi.tooltip_at(260, 150), "Height above ground level (-14 feet)");
    host.sim().set(0x266, 612.9);
    host.frame(0.05);
    EXPECT_EQ(adi.elements()[9].frame, 0);
    EXPECT_EQ(adi.tooltip_at(260, 150), "Height above ground level (1996 feet)");
}

TEST_F(AdiDll, FlagsReadTheIntegerTokens)
{
    add("Engine_On");
    host.sim().set(0x354, 1);
    host.sim().set(0x2B, 1);
    host.sim().set(0x2F3, 50);
    host.sim().set_integer(0x2E, 0x80);
    host.frame(0.05);
    EXPECT_EQ(adi.elements()[11].frame, -1);
    EXPECT_EQ(adi.elements()[10].frame, -1);
    EXPECT_EQ(adi.elements()[12].frame, -1);
    host.sim().set_integer(0x117, 1);
    host.frame(0.05);
    EXPECT_EQ(adi.elements()[11].frame, 0);
    EXPECT_EQ(adi.elements()[10].frame, 0);
    EXPECT_EQ(adi.elements()[12].frame, 0);
}

}  // namespace

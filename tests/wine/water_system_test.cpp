// The water system of the real Norvak_Instr.gau through the host's external interface window: the
// level arithmetic in the 32-bit build, including the saturated step after a long pause.
#include <gtest/gtest.h>

#include "host/world/world.h"
#include "host/core/panel_host.h"

using namespace host;

namespace {

constexpr uint32_t left_tank = 0x0B8C, right_tank = 0x0BA4, full = 0x800000;

struct WaterDll : ::testing::Test {
    SimulatedPanel    host;
    Module&      norvak = host.load_module("modules\\Norvak_Instr.gau");
    Environment& env    = environment_of(host);
    Gauge*       panel  = nullptr;

    void SetUp() override
    {
        host.add_gauge(norvak, "Water_Doors_Switch").connect();
        panel = &host.add_gauge(norvak, "Water_System");
        panel->connect();
        panel->click_rect(1, MOUSE_LEFTSINGLE);   // master on (off at load)
        host.sim().set(0x2F1, 100);
        host.sim().set(0x387, 1);
        host.sim().set(0x10000, 2);               // water below
        host.sim().set(0x266, 1.0);
        host.sim().set(0x22A, 70 / 1.944 * 3.28084);
    }
};

TEST_F(WaterDll, ScoopsAndDropsByTheSameStepsAsNatively)
{
    host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), 41943u);
    EXPECT_EQ(env.peek(right_tank), 41943u);
    for (int i = 0; i < 200; ++i)
        host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), full);

    host.sim().set(0x387, 0);
    host.sim().set(0x365, 1.0);
    host.frame(0.1);
    host.sim().set(0x0F, 1.0);
    host.frame(0.1);   // the start: mode 1, the right tank drops at once
    EXPECT_EQ(env.peek(left_tank), full);
    EXPECT_EQ(env.peek(right_tank), full - 419430);
    host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), full - 419430);
}

TEST_F(WaterDll, AnHourLongStepFillsAndEmptiesInOneUpdate)
{
    host.frame(3600);
    EXPECT_EQ(env.peek(left_tank), full);
    EXPECT_EQ(env.peek(right_tank), full);
    host.sim().set(0x387, 0);
    host.sim().set(0x365, 1.0);
    host.frame(0.1);
    host.sim().set(0x0F, 1.0);
    host.frame(0.1);
    host.frame(5000);
    EXPECT_EQ(env.peek(left_tank), 0u);
    EXPECT_EQ(env.peek(right_tank), 0u);
}

}  // namespace

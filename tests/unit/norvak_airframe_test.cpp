// The water bomber's engine, fuel, flight, gear and marker gauges: the callbacks that turn host
// values into needle values and lamp frames, and the host systems behind their events.
#include <gtest/gtest.h>

#include <cmath>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

struct Airframe : ::testing::Test {
    SimulatedPanel host;
    Module&   norvak = host.load_module(module_path("Norvak_Instr"));

    Gauge& gauge(const std::string& name, const std::string& params = {})
    {
        Gauge& g = host.add_gauge(norvak, name, params);
        g.connect();
        return g;
    }
    double value(Gauge& g, int element) { return g.elements().at(element).value[0]; }
    int    frame(Gauge& g, int element) { return g.elements().at(element).frame; }
    // Sets a token and runs one frame.
    void step(Token token, double v)
    {
        host.sim().set(token, v);
        host.frame(0.05);
    }
};

TEST_F(Airframe, GearLampsShowUpInTransitAndDownAtTheirThresholds)
{
    Gauge& front = gauge("Gear_Lamp_Front");
    Gauge& left  = gauge("Gear_Lamp_Left");
    Gauge& right = gauge("Gear_Lamp_Right");
    struct Case { double position; int frame; };
    for (Case c : {Case{0, 1}, {9.999, 1}, {10, 0}, {8000, 0}, {16300, 0}, {16300.001, 2}, {16383, 2}}) {
        host.sim().set(0x14C, c.position);
        host.sim().set(0x14D, c.position);
        host.sim().set(0x14E, 5000);
        host.frame(0.05);
        EXPECT_EQ(frame(front, 1), c.frame) << c.position;
        EXPECT_EQ(frame(left, 1), c.frame) << c.position;
        EXPECT_EQ(frame(right, 1), 0);   // each lamp reads its own gear
    }
}

TEST_F(Airframe, GearLeverFollowsTheHandleAndItsZoneLetsTheHostMoveTheGear)
{
    Gauge& lever = gauge("Gear_Lever");
    Gauge& lamp  = gauge("Gear_Lamp_Left");
    step(0x14B, 7999.9);
    EXPECT_EQ(frame(lever, 1), 0);
    step(0x14B, 8000);
    EXPECT_EQ(frame(lever, 1), 1);

    // The panel starts with the gear down; a click raises it over a few seconds.
    step(0x14B, 16383);
    ClickResult r = lever.click_at(15, 50, MOUSE_LEFTSINGLE);
    EXPECT_EQ(r.action, "event 0x10022 (gear_toggle)");
    EXPECT_EQ(host.sim().number(0x14B), 0.0);
    host.frame(0.05);
    EXPECT_EQ(frame(lever, 1), 0);
    EXPECT_EQ(frame(lamp, 1), 0);    // in transit
    for (int i = 0; i < 200; ++i)
        host.frame(0.05);
    EXPECT_EQ(frame(lamp, 1), 1);    // up
}

TEST_F(Airframe, MarkerLampsLightForTheirOwnBeaconOnlyWithNav1Powered)
{
    Gauge& outer  = gauge("Outer_Marker_Light");
    Gauge& middle = gauge("Middle_Marker_Light");
    Gauge& inner  = gauge("Inner_Marker_Light");
    auto lit = [&] {
        return std::vector<bool>{frame(outer, 1) == 0, frame(middle, 1) == 0, frame(inner, 1) == 0};
    };
    // Each host loads the module afresh: every head is off until Engine_On connects.
    step(0x162, 3);
    EXPECT_EQ(lit(), (std::vector<bool>{false, false, false}));

    gauge("Engine_On");
    for (double beacon : {1.0, 2.0, 3.0}) {
        step(0x162, beacon);
        EXPECT_EQ(lit(), (std::vector<bool>{beacon == 1.0, beacon == 2.0, beacon == 3.0})) << beacon;
    }
    for (double none : {0.0, 2.5, 4.0, -1.0}) {
        step(0x162, none);
        EXPECT_EQ(lit(), (std::vector<bool>{false, false, false})) << none;
    }
}

TEST_F(Airframe, EngineOnPowersTheAvionicsAtEveryConnect)
{
    Gauge& g = gauge("Engine_On");
    using Events = std::vector<std::pair<uint32_t, uint32_t>>;
    auto events = [&] {
        Events out;
        for (const KeyEvent& e : host.sim().events())
            out.emplace_back(e.id, e.value);
        return out;
    };
    const Events once = {{0x1012C, 0}, {0x10128, 0}, {0x10129, 0}};
    EXPECT_EQ(events(), once);
    host.frame(0.05);
    g.disconnect();
    EXPECT_EQ(events(), once);   // nothing at updates or disconnect
    g.connect();
    Events twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(events(), twice);
}

TEST_F(Airframe, AltimeterDrumClampsTheSettingWhileItsNeedleDoesNot)
{
    Gauge& alt = gauge("Altimeter");
    struct Case { double setting, drum; };
    for (Case c : {Case{940, -61}, {952, -61}, {1000.5, -12.5}, {1013, 0}, {1074, 61}, {1080, 61}}) {
        step(0x4B, c.setting);
        EXPECT_EQ(alt.elements()[1].value[2], c.drum) << c.setting;
        EXPECT_EQ(value(alt, 6), c.setting);   // the small setting needle
    }
    // The knob's halves step the setting through the host.
    step(0x4B, 1013);
    EXPECT_EQ(alt.click_at(20, 240, MOUSE_LEFTSINGLE).action, "event 0x1015C (altimeter_down)");
    EXPECT_EQ(alt.click_at(45, 240, MOUSE_LEFTSINGLE).action, "event 0x1015B (altimeter_up)");
    EXPECT_EQ(alt.click_at(45, 240, MOUSE_LEFTSINGLE).action, "event 0x1015B (altimeter_up)");
    EXPECT_EQ(host.sim().number(0x4B), 1014.0);
    EXPECT_EQ(alt.tooltip_at(100, 100), "host help topic 0x3051");
    EXPECT_EQ(alt.tooltip_at(30, 230), "host help topic 0x3054");
}

TEST_F(Airframe, SmoothingLagsMoveAnEighthOfTheWayPerUpdate)
{
    Gauge& flaps = gauge("Flaps_Position");
    Gauge& cowl  = gauge("Cowl_Flaps_Position");
    // Settle both at zero first: the lags keep their value for as long as the module is loaded.
    host.sim().set(0x14A, 0);
    host.sim().set(0x18B, 0);
    for (int i = 0; i < 400; ++i)
        host.frame(0.05);
    ASSERT_LT(value(flaps, 1), 1e-9);
    host.sim().set(0x14A, 16382);
    host.sim().set(0x18B, 1);
    host.frame(0.05);
    EXPECT_NEAR(value(flaps, 1), 2047.75, 1e-9);
    EXPECT_NEAR(value(cowl, 1), 0.125, 1e-12);
    host.frame(0.05);
    EXPECT_NEAR(value(flaps, 1), 3839.53125, 1e-9);
    EXPECT_NEAR(value(cowl, 1), 0.234375, 1e-12);
    host.frame(0.05);
    EXPECT_NEAR(value(cowl, 1), 0.330078125, 1e-12);
    for (int i = 0; i < 400; ++i)
        host.frame(0.05);
    EXPECT_NEAR(value(flaps, 1), 16382, 1e-6);
}

TEST_F(Airframe, TurnCoordinatorBallRidesAParabolaAndTheRateIsScaled)
{
    Gauge& tc = gauge("Turn_Coordinator");
    host.sim().set(0x45, -12);
    step(0x46, 512);
    EXPECT_EQ(tc.elements()[1].value[0], -12);
    EXPECT_EQ(tc.elements()[1].value[1], 144);
    EXPECT_EQ(value(tc, 3), 2.0);
    EXPECT_EQ(frame(tc, 2), 0);   // the fixed marks
}

TEST_F(Airframe, TorqueNeedlesDivideBy26AndTheTooltipShowsTheLastValues)
{
    Gauge& torque = gauge("Propeller_Torque");
    EXPECT_EQ(torque.tooltip_at(150, 150), "Propeller torque (0 ft-lbs left - 0 ft-lbs right)");
    host.sim().set(0x194, 2600);
    host.sim().set(0x1BB, 5226);
    host.frame(0.05);
    EXPECT_EQ(value(torque, 1), 201);   // right first in the chain
    EXPECT_EQ(value(torque, 2), 100);
    EXPECT_EQ(torque.tooltip_at(150, 150), "Propeller torque (100 ft-lbs left - 201 ft-lbs right)");
}

TEST_F(Airframe, FuelQuantityScalesByTheCapacityTakenAtInstallation)
{
    host.sim().set(0x124, 1000);
    host.sim().set(0x12A, 0);
    Gauge& left = gauge("Fuel_Qty_Left_Main");
    host.sim().set(0x124, 5);   // read only at installation
    host.sim().set(0x123, 8388608);
    host.sim().set(0x129, 8388608);
    host.frame(0.05);
    EXPECT_DOUBLE_EQ(value(left, 1), 6000.0 * 8388608.0 / 8388610.0);
    host.sim().set(0x123, 4194304);
    host.frame(0.05);
    EXPECT_DOUBLE_EQ(value(left, 1), 3000.0 * 8388608.0 / 8388610.0);

    // A capacity of 0 at installation keeps the capacity of before; a fresh module has none.
    host.remove_gauge(left);
    host.sim().set(0x124, 0);
    Gauge& again = gauge("Fuel_Qty_Left_Main");
    host.frame(0.05);
    EXPECT_DOUBLE_EQ(value(again, 1), 3000.0 * 8388608.0 / 8388610.0);
}

TEST_F(Airframe, CarburettorNeedlesAskTheExpressionEvaluatorPerEngine)
{
    Gauge& carb = gauge("Carburetor_Temp");
    host.sim().set_expression("(A:RECIP CARBURETOR TEMPERATURE:1,celsius)", -12.5);
    host.sim().set_expression("(A:RECIP CARBURETOR TEMPERATURE:2,celsius)", 35);
    host.frame(0.05);
    EXPECT_EQ(value(carb, 1), 35);      // engine 2, right
    EXPECT_EQ(value(carb, 2), -12.5);   // engine 1, left
    EXPECT_EQ(carb.tooltip_at(50, 50), "host help topic 0x3228");
    EXPECT_EQ(carb.tooltip_at(250, 50), "host help topic 0x3229");
}

TEST_F(Airframe, FuelFlowOverlayTogglesOnClicksInTheMiddleOnly)
{
    Gauge& flow = gauge("Fuel_Flow", "2");
    EXPECT_EQ(flow.tooltip_at(10, 10), "host help topic 0x30C2");   // moved to engine 2
    host.frame(0.05);
    int hidden = frame(flow, 1);
    EXPECT_TRUE(flow.click_at(100, 100, MOUSE_LEFTSINGLE).accepted);
    host.frame(0.05);
    EXPECT_NE(frame(flow, 1), hidden);
    EXPECT_FALSE(flow.click_at(20, 20, MOUSE_LEFTSINGLE).hit);
    EXPECT_TRUE(flow.click_at(60, 140, MOUSE_LEFTSINGLE).accepted);
    host.frame(0.05);
    EXPECT_EQ(frame(flow, 1), hidden);
    host.sim().set(0x1CC, 900);   // engine 2's fuel flow
    host.sim().set(0x1A5, 1800);
    host.frame(0.05);
    EXPECT_EQ(value(flow, 2), 900);
}

TEST_F(Airframe, ClockRunsWithHostTimeAndItsZonesStepIt)
{
    Gauge& clock = gauge("Clock");
    host.sim().set(0x22D, 3600);
    host.frame(0.5);
    EXPECT_EQ(value(clock, 1), 3600.5);
    EXPECT_EQ(clock.click_at(150, 165, MOUSE_LEFTSINGLE).action, "event 0x100FD (clock_forward)");
    EXPECT_EQ(host.sim().number(0x22D), 3660.5);
    EXPECT_EQ(clock.click_at(100, 165, MOUSE_LEFTSINGLE).action, "event 0x100FE (clock_back)");
    EXPECT_EQ(clock.click_at(100, 165, MOUSE_LEFTSINGLE).action, "event 0x100FE (clock_back)");
    EXPECT_EQ(host.sim().number(0x22D), 3540.5);
    host.sim().set(0x22D, 86399.75);
    host.frame(0.5);
    EXPECT_EQ(host.sim().number(0x22D), 0.25);   // a new day
}

TEST_F(Airframe, DataOnlyDialsCarryTheirHostTooltipsAndNeedleTables)
{
    Gauge& asi = gauge("Airspeed");
    EXPECT_EQ(asi.header()->callback, nullptr);
    EXPECT_EQ(asi.tooltip_at(150, 150), "host help topic 0x3002");
    // The dead band from -1 to 0 keeps the needle on its stop.
    step(0x3D, -0.5);
    double stop = asi.elements()[1].needle_angle;
    step(0x3D, 0);
    EXPECT_EQ(asi.elements()[1].needle_angle, stop);
    step(0x3D, 80);
    EXPECT_EQ(asi.elements()[1].point_x, 263);
    EXPECT_EQ(asi.elements()[1].point_y, 131);

    Gauge& vsi = gauge("Vertical_Speed");
    step(0x41, 1000.0 / 60 / 3.28084 * 256);   // 1000 ft/min
    EXPECT_NEAR(vsi.elements()[1].point_x, 91, 1e-6);
    EXPECT_NEAR(vsi.elements()[1].point_y, 52, 1e-6);
}

}  // namespace

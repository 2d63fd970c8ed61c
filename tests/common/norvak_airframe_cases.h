// The water bomber's engine, fuel, flight, gear and marker gauges on both builds: the callbacks that
// turn host values into needle values and lamp frames, and the host systems behind their events.
#pragma once

#include <vector>

#include "tests/common/panel_fixture.h"

namespace norvak_airframe_cases {

using namespace panel_fixture;
using host::Token;

struct Airframe : NorvakPanel {
    double value(host::Gauge& g, int element) { return g.elements().at(element).value[0]; }
    int    shown(host::Gauge& g, int element) { return g.elements().at(element).frame; }
    // Sets a token and runs one frame.
    void step(Token token, double v)
    {
        host.sim().set(token, v);
        frame();
    }
};

TEST_F(Airframe, GearLampsShowUpInTransitAndDownAtTheirThresholds)
{
    host::Gauge& front = gauge("Gear_Lamp_Front");
    host::Gauge& left  = gauge("Gear_Lamp_Left");
    host::Gauge& right = gauge("Gear_Lamp_Right");
    struct Case { double position; int frame; };
    for (Case c : {Case{0, 1}, {9.999, 1}, {10, 0}, {8000, 0}, {16300, 0}, {16300.001, 2}, {16383, 2}}) {
        host.sim().set(token::gear_front, c.position);
        host.sim().set(token::gear_left, c.position);
        host.sim().set(token::gear_right, 5000);
        frame();
        EXPECT_EQ(shown(front, 1), c.frame) << c.position;
        EXPECT_EQ(shown(left, 1), c.frame) << c.position;
        EXPECT_EQ(shown(right, 1), 0);   // each lamp reads its own gear
    }
}

TEST_F(Airframe, GearLeverFollowsTheHandleAndItsZoneLetsTheHostMoveTheGear)
{
    host::Gauge& lever = gauge("Gear_Lever");
    host::Gauge& lamp  = gauge("Gear_Lamp_Left");
    step(token::gear_handle, 7999.9);
    EXPECT_EQ(shown(lever, 1), 0);
    step(token::gear_handle, 8000);
    EXPECT_EQ(shown(lever, 1), 1);

    // The panel starts with the gear down; a click raises it over a few seconds.
    step(token::gear_handle, 16383);
    EXPECT_EQ(click_at(lever, 15, 50), one(event::gear_toggle));
    EXPECT_EQ(host.sim().number(token::gear_handle), 0.0);
    frame();
    EXPECT_EQ(shown(lever, 1), 0);
    EXPECT_EQ(shown(lamp, 1), 0);    // in transit
    for (int i = 0; i < 200; ++i)
        frame();
    EXPECT_EQ(shown(lamp, 1), 1);    // up
}

TEST_F(Airframe, MarkerLampsLightForTheirOwnBeaconOnlyWithNav1Powered)
{
    host::Gauge& outer  = gauge("Outer_Marker_Light");
    host::Gauge& middle = gauge("Middle_Marker_Light");
    host::Gauge& inner  = gauge("Inner_Marker_Light");
    auto lit = [&] {
        return std::vector<bool>{shown(outer, 1) == 0, shown(middle, 1) == 0, shown(inner, 1) == 0};
    };
    // Each host loads the module afresh: every head is off until Engine_On connects.
    step(token::marker_beacon, 3);
    EXPECT_EQ(lit(), (std::vector<bool>{false, false, false}));

    gauge("Engine_On");
    for (double beacon : {1.0, 2.0, 3.0}) {
        step(token::marker_beacon, beacon);
        EXPECT_EQ(lit(), (std::vector<bool>{beacon == 1.0, beacon == 2.0, beacon == 3.0})) << beacon;
    }
    for (double none : {0.0, 2.5, 4.0, -1.0}) {
        step(token::marker_beacon, none);
        EXPECT_EQ(lit(), (std::vector<bool>{false, false, false})) << none;
    }
}

TEST_F(Airframe, EngineOnPowersTheAvionicsAtEveryConnect)
{
    host::Gauge& g    = gauge("Engine_On");
    const Events once = {{event::adf_audio_off, 0}, {event::nav1_audio_off, 0}, {event::nav2_audio_off, 0}};
    EXPECT_EQ(events_since(0), once);
    frame();
    g.disconnect();
    EXPECT_EQ(events_since(0), once);   // nothing at updates or disconnect
    g.connect();
    Events twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(events_since(0), twice);
}

TEST_F(Airframe, AltimeterDrumClampsTheSettingWhileItsNeedleDoesNot)
{
    host::Gauge& alt = gauge("Altimeter");
    struct Case { double setting, drum; };
    for (Case c : {Case{940, -61}, {952, -61}, {1000.5, -12.5}, {1013, 0}, {1074, 61}, {1080, 61}}) {
        step(token::altimeter_setting, c.setting);
        EXPECT_EQ(alt.elements()[1].value[2], c.drum) << c.setting;
        EXPECT_EQ(value(alt, 6), c.setting);   // the small setting needle
    }
    // The knob's halves step the setting through the host.
    step(token::altimeter_setting, 1013);
    EXPECT_EQ(click_at(alt, 20, 240), one(event::altimeter_down));
    EXPECT_EQ(click_at(alt, 45, 240), one(event::altimeter_up));
    EXPECT_EQ(click_at(alt, 45, 240), one(event::altimeter_up));
    EXPECT_EQ(host.sim().number(token::altimeter_setting), 1014.0);
    EXPECT_EQ(alt.tooltip_at(100, 100), "host help topic 0x3051");
    EXPECT_EQ(alt.tooltip_at(30, 230), "host help topic 0x3054");
}

TEST_F(Airframe, SmoothingLagsMoveAnEighthOfTheWayPerUpdate)
{
    host::Gauge& flaps = gauge("Flaps_Position");
    host::Gauge& cowl  = gauge("Cowl_Flaps_Position");
    // Settle both at zero first: the lags keep their value for as long as the module is loaded.
    host.sim().set(token::flaps_position, 0);
    host.sim().set(token::engine1_cowl_flaps, 0);
    for (int i = 0; i < 400; ++i)
        frame();
    ASSERT_LT(value(flaps, 1), 1e-9);
    host.sim().set(token::flaps_position, 16382);
    host.sim().set(token::engine1_cowl_flaps, 1);
    frame();
    EXPECT_NEAR(value(flaps, 1), 2047.75, 1e-9);
    EXPECT_NEAR(value(cowl, 1), 0.125, 1e-12);
    frame();
    EXPECT_NEAR(value(flaps, 1), 3839.53125, 1e-9);
    EXPECT_NEAR(value(cowl, 1), 0.234375, 1e-12);
    frame();
    EXPECT_NEAR(value(cowl, 1), 0.330078125, 1e-12);
    for (int i = 0; i < 400; ++i)
        frame();
    EXPECT_NEAR(value(flaps, 1), 16382, 1e-6);
}

TEST_F(Airframe, TurnCoordinatorBallRidesAParabolaAndTheRateIsScaled)
{
    host::Gauge& tc = gauge("Turn_Coordinator");
    host.sim().set(token::slip_ball, -12);
    step(token::turn_rate, 512);
    EXPECT_EQ(tc.elements()[1].value[0], -12);
    EXPECT_EQ(tc.elements()[1].value[1], 144);
    EXPECT_EQ(value(tc, 3), 2.0);
    EXPECT_EQ(shown(tc, 2), 0);   // the fixed marks
}

TEST_F(Airframe, TorqueNeedlesDivideBy26AndTheTooltipShowsTheLastValues)
{
    host::Gauge& torque = gauge("Propeller_Torque");
    EXPECT_EQ(torque.tooltip_at(150, 150), "Propeller torque (0 ft-lbs left - 0 ft-lbs right)");
    host.sim().set(token::engine1_torque, 2600);
    host.sim().set(token::engine2_torque, 5226);
    frame();
    EXPECT_EQ(value(torque, 1), 201);   // right first in the chain
    EXPECT_EQ(value(torque, 2), 100);
    EXPECT_EQ(torque.tooltip_at(150, 150), "Propeller torque (100 ft-lbs left - 201 ft-lbs right)");
}

TEST_F(Airframe, FuelQuantityScalesByTheCapacityTakenAtInstallation)
{
    host.sim().set(token::left_main_fuel_capacity, 1000);
    host.sim().set(token::right_main_fuel_capacity, 0);
    host::Gauge& left = gauge("Fuel_Qty_Left_Main");
    host.sim().set(token::left_main_fuel_capacity, 5);   // read only at installation
    host.sim().set(token::left_main_fuel, 8388608);
    host.sim().set(token::right_main_fuel, 8388608);
    frame();
    EXPECT_DOUBLE_EQ(value(left, 1), 6000.0 * 8388608.0 / 8388610.0);
    host.sim().set(token::left_main_fuel, 4194304);
    frame();
    EXPECT_DOUBLE_EQ(value(left, 1), 3000.0 * 8388608.0 / 8388610.0);

    // A capacity of 0 at installation keeps the capacity of before; a fresh module has none.
    host.remove_gauge(left);
    host.sim().set(token::left_main_fuel_capacity, 0);
    host::Gauge& again = gauge("Fuel_Qty_Left_Main");
    frame();
    EXPECT_DOUBLE_EQ(value(again, 1), 3000.0 * 8388608.0 / 8388610.0);
}

TEST_F(Airframe, CarburettorNeedlesAskTheExpressionEvaluatorPerEngine)
{
    host::Gauge& carb = gauge("Carburetor_Temp");
    host.sim().set_expression("(A:RECIP CARBURETOR TEMPERATURE:1,celsius)", -12.5);
    host.sim().set_expression("(A:RECIP CARBURETOR TEMPERATURE:2,celsius)", 35);
    frame();
    EXPECT_EQ(value(carb, 1), 35);      // engine 2, right
    EXPECT_EQ(value(carb, 2), -12.5);   // engine 1, left
    EXPECT_EQ(carb.tooltip_at(50, 50), "host help topic 0x3228");
    EXPECT_EQ(carb.tooltip_at(250, 50), "host help topic 0x3229");
}

TEST_F(Airframe, FuelFlowOverlayTogglesOnClicksInTheMiddleOnly)
{
    host::Gauge& flow = add("Fuel_Flow", "2");
    EXPECT_EQ(flow.tooltip_at(10, 10), "host help topic 0x30C2");   // moved to engine 2
    frame();
    int hidden = shown(flow, 1);
    click_at(flow, 100, 100);
    frame();
    EXPECT_NE(shown(flow, 1), hidden);
    EXPECT_FALSE(flow.click_at(20, 20, left).hit);
    click_at(flow, 60, 140);
    frame();
    EXPECT_EQ(shown(flow, 1), hidden);
    host.sim().set(token::engine2_fuel_flow, 900);
    host.sim().set(token::engine1_fuel_flow, 1800);
    frame();
    EXPECT_EQ(value(flow, 2), 900);
}

TEST_F(Airframe, ClockRunsWithHostTimeAndItsZonesStepIt)
{
    host::Gauge& clock = gauge("Clock");
    host.sim().set(token::clock_seconds, 3600);
    frame(0.5);
    EXPECT_EQ(value(clock, 1), 3600.5);
    EXPECT_EQ(click_at(clock, 150, 165), one(event::clock_forward));
    EXPECT_EQ(host.sim().number(token::clock_seconds), 3660.5);
    EXPECT_EQ(click_at(clock, 100, 165), one(event::clock_back));
    EXPECT_EQ(click_at(clock, 100, 165), one(event::clock_back));
    EXPECT_EQ(host.sim().number(token::clock_seconds), 3540.5);
    host.sim().set(token::clock_seconds, 86399.75);
    frame(0.5);
    EXPECT_EQ(host.sim().number(token::clock_seconds), 0.25);   // a new day
}

TEST_F(Airframe, DataOnlyDialsCarryTheirHostTooltipsAndNeedleTables)
{
    host::Gauge& asi = gauge("Airspeed");
    EXPECT_EQ(asi.header()->callback, nullptr);
    EXPECT_EQ(asi.tooltip_at(150, 150), "host help topic 0x3002");
    // The dead band from -1 to 0 keeps the needle on its stop.
    step(token::airspeed, -0.5);
    double stop = asi.elements()[1].needle_angle;
    step(token::airspeed, 0);
    EXPECT_EQ(asi.elements()[1].needle_angle, stop);
    step(token::airspeed, 80);
    EXPECT_EQ(asi.elements()[1].point_x, 263);
    EXPECT_EQ(asi.elements()[1].point_y, 131);

    host::Gauge& vsi = gauge("Vertical_Speed");
    step(token::vertical_speed, 1000.0 / 60 / 3.28084 * 256);   // 1000 ft/min
    EXPECT_NEAR(vsi.elements()[1].point_x, 91, 1e-6);
    EXPECT_NEAR(vsi.elements()[1].point_y, 52, 1e-6);
}

}  // namespace norvak_airframe_cases

// The water bomber's airframe for the panel host. Key events from the gauges change the tokens the
// gauges read back; travelling parts (doors, gear) move a little every frame. Doors and gear move
// only after an event has given them somewhere to go, so a script may also set their tokens directly.
#include "host/world/water_bomber_systems.h"

#include <cmath>
#include <memory>
#include <optional>

namespace host {
namespace {

struct Airframe {
    std::optional<double> drop_command;   // takes effect at the next frame
    std::optional<double> doors_target;   // 0 or 1 while the doors travel
    bool                  gear_moving = false;
    uint32_t              traced_left = 0, traced_right = 0;
    double                traced_at   = -1.0;
};

// Moves value toward target by at most step; lands exactly on the target.
double approach(double value, double target, double step)
{
    if (std::abs(target - value) <= step)
        return target;
    return value + (target > value ? step : -step);
}

std::string percent(uint32_t level) { return format_number(std::round(level / 8388608.0 * 1000.0) / 10.0) + "%"; }

// The tank tokens mirror 32-bit unsigned words; a script may still set them to anything.
uint32_t tank_level(double token)
{
    return token > 0 ? token < 4294967295.0 ? static_cast<uint32_t>(token) : UINT32_MAX : 0;
}

// A line for the timeline whenever a tank changes: at most one per second of host time, and always
// when a tank becomes full or empty.
void trace_water(PanelHost& host, Airframe& a)
{
    SimState& sim   = host.sim();
    uint32_t  left  = tank_level(sim.number(token::left_water));
    uint32_t  right = tank_level(sim.number(token::right_water));
    if (left == a.traced_left && right == a.traced_right)
        return;
    auto at_end = [](uint32_t v) { return v == 0 || v == 0x800000; };
    bool newly_at_end = (at_end(left) && left != a.traced_left) || (at_end(right) && right != a.traced_right);
    if (!newly_at_end && std::floor(sim.time()) == std::floor(a.traced_at))
        return;
    if (host.tracing())
        host.trace("water left " + std::to_string(left) + " (" + percent(left) + ") right " + std::to_string(right) +
               " (" + percent(right) + ")");
    a.traced_left  = left;
    a.traced_right = right;
    a.traced_at    = sim.time();
}

void frame(PanelHost& host, Airframe& a, double dt)
{
    SimState& sim = host.sim();
    sim.set(token::sim_time, sim.time());
    sim.set(token::clock_seconds, std::fmod(sim.number(token::clock_seconds) + dt, 86400.0));
    sim.set_expression(surface_type_expression, sim.number(token::surface_type));
    if (a.drop_command) {
        sim.set(token::drop_command, *a.drop_command);
        a.drop_command.reset();
    }

    if (a.doors_target) {
        double now = approach(sim.number(token::doors_position), *a.doors_target, dt / doors_travel_seconds);
        sim.set(token::doors_position, now);
        if (now == *a.doors_target) {
            if (host.tracing())
                host.trace(now == 1.0 ? "water doors open" : "water doors closed");
            a.doors_target.reset();
        }
    }
    if (a.gear_moving) {
        double handle = sim.number(token::gear_handle);
        double step   = dt * gear_down_position / gear_travel_seconds;
        bool   moving = false;
        for (Token t : {token::gear_front, token::gear_left, token::gear_right}) {
            sim.set(t, approach(sim.number(t), handle, step));
            moving = moving || sim.number(t) != handle;
        }
        if (!moving) {
            if (host.tracing())
                host.trace(handle > 0 ? "gear down" : "gear up");
            a.gear_moving = false;
        }
    }
    trace_water(host, a);
}

}  // namespace

void install_water_bomber_systems(PanelHost& host)
{
    auto      a   = std::make_shared<Airframe>();
    SimState& sim = host.sim();

    // As in the simulator, the drop command changes between frames: every step of one update sees
    // the same command, and the last event of a frame decides.
    sim.on_event(event::drop_on, [a](SimState&, const KeyEvent&) { a->drop_command = 1.0; });
    sim.on_event(event::drop_off, [a](SimState&, const KeyEvent&) { a->drop_command = 0.0; });
    sim.on_event(event::scoop, [](SimState& s, const KeyEvent&) {
        s.set(token::scoop_state, s.number(token::scoop_state) != 0.0 ? 0.0 : 1.0);
    });
    sim.on_event(event::nav_gps_toggle, [](SimState& s, const KeyEvent&) {
        s.set(token::nav_gps, s.number(token::nav_gps) != 0.0 ? 0.0 : 1.0);
    });
    // A click while the doors travel sends them back the other way.
    sim.on_event(event::water_doors, [a](SimState& s, const KeyEvent&) {
        if (a->doors_target)
            a->doors_target = 1.0 - *a->doors_target;
        else
            a->doors_target = s.number(token::doors_position) >= 0.5 ? 0.0 : 1.0;
    });
    sim.on_event(event::gear_toggle, [a](SimState& s, const KeyEvent&) {
        s.set(token::gear_handle, s.number(token::gear_handle) > 0.0 ? 0.0 : gear_down_position);
        a->gear_moving = true;
    });
    sim.on_event(event::altimeter_up, [](SimState& s, const KeyEvent&) {
        s.set(token::altimeter_setting, s.number(token::altimeter_setting) + 1.0);
    });
    sim.on_event(event::altimeter_down, [](SimState& s, const KeyEvent&) {
        s.set(token::altimeter_setting, s.number(token::altimeter_setting) - 1.0);
    });
    auto step_clock = [](SimState& s, double by) {
        s.set(token::clock_seconds, std::fmod(s.number(token::clock_seconds) + by + 86400.0, 86400.0));
    };
    sim.on_event(event::clock_forward, [step_clock](SimState& s, const KeyEvent&) { step_clock(s, clock_step_seconds); });
    sim.on_event(event::clock_back, [step_clock](SimState& s, const KeyEvent&) { step_clock(s, -clock_step_seconds); });

    // The panel comes up on the ground at standard pressure with the gear down and the doors shut.
    sim.set(token::altimeter_setting, 1013.0);
    for (Token t : {token::gear_handle, token::gear_front, token::gear_left, token::gear_right})
        sim.set(t, gear_down_position);

    host.add_frame_hook([a](PanelHost& h, double dt) { frame(h, *a, dt); });
}

}  // namespace host

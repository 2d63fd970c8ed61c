// The water settings of Water_System's parameter text, flown through scooping and dropping with
// time steps, heights and speeds from the input. Whatever the settings, a scoop or drop step leaves
// both tank levels between empty and full.
#include <cmath>

#include "fuzz_common.h"
#include "host/world/world.h"
#include "host/core/panel_host.h"

namespace {

constexpr uint32_t left_tank = 0x0B8C, right_tank = 0x0BA4, full = 0x800000;

struct Flight {
    uint8_t  steps;          // frames of each phase
    uint8_t  dt_choice;      // time step
    uint8_t  mode;           // drop mode wanted
    int16_t  height_cm;      // radio height
    int16_t  speed_knots;    // ground speed
    uint32_t start_left, start_right;
};

double step_of(uint8_t choice)
{
    static const double steps[] = {1.0 / 18, 0.1, 0.0, -0.5, 1.0, 60.0, 3600.0, 1e-9};
    return steps[choice % 8];
}

void check_levels(host::Environment& env, uint32_t before_left, uint32_t before_right)
{
    // A level the host holds out of range stays as it was; a level a step wrote is in range.
    for (auto [offset, before] : {std::pair{left_tank, before_left}, std::pair{right_tank, before_right}}) {
        const uint32_t now = env.peek(offset);
        if (now != before && now > full)
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::keep_loaded("Norvak_Instr");
    const fuzz::FreshRun fresh;
    fuzz::Input       in(data, size);
    const Flight      f      = in.take<Flight>();
    const std::string params = in.text();

    const fuzz::SharedHost shared;
    host::PanelHost&       host = *shared;
    // A flight starts with the doors shut and nothing dropping, whatever the last run left.
    for (host::Token t : {0x0Fu, 0x365u, 0x387u})
        host.sim().set(t, 0);
    try {
        host::Module&      norvak = host.load_module(fuzz::module_file("Norvak_Instr"));
        host::Environment& env    = host::environment_of(host);
        host.add_gauge(norvak, "Water_Doors_Switch").connect();
        host::Gauge& panel = host.add_gauge(norvak, "Water_System", params);
        panel.connect();
        host.frame(0);
        if (panel.elements()[1].frame != 1)
            panel.click_rect(1, MOUSE_LEFTSINGLE);   // master on
        if ((panel.elements()[3].frame == 0 ? 1 : 0) != f.mode % 2)
            panel.click_rect(4, MOUSE_LEFTSINGLE);
        env.poke(left_tank, f.start_left);
        env.poke(right_tank, f.start_right);

        auto fly = [&](double dt) {
            const uint32_t l = env.peek(left_tank), r = env.peek(right_tank);
            host.frame(dt);
            check_levels(env, l, r);
        };
        // Skimming the water, scoop on.
        host.sim().set(token::scoop_ready, 100);
        host.sim().set(token::scoop_state, 1);
        host.sim().set(token::surface_type, 2);
        host.sim().set(token::radio_height, f.height_cm / 100.0);
        host.sim().set(token::velocity_x, f.speed_knots / 1.944 * 3.28084);
        const int steps = f.steps % 16;
        for (int i = 0; i < steps; ++i)
            fly(step_of(f.dt_choice >> (i % 4)));
        // Doors open and the drop command on.
        host.sim().set(token::scoop_state, 0);
        host.sim().set(token::doors_position, 1.0);
        fly(0.1);
        host.sim().set(token::drop_command, 1.0);
        for (int i = 0; i < steps; ++i)
            fly(step_of(f.dt_choice >> (i % 4)));
    } catch (const host::HostError&) {
    }
    return 0;
}

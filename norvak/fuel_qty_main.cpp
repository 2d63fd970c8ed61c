// Fuel_Qty_Left_Main and Fuel_Qty_Right_Main: the main tanks' fuel (0 to 0x800000 for a full tank)
// on a 0 to 8000 scale, scaled by the tank's capacity taken at each installation. Twins, one row
// each; the callbacks they share find their tank from the gauge the host hands them.
#include "quantity_dial.h"

static void GAUGE_CALL fuel_capacity(GaugeHeader* gauge, int32_t service_id, HostWord);
static double GAUGE_CALL fuel_quantity(ElementHeader* element);

static constexpr NonlinearityEntry fuel_table[] = {
    {.x = 34, .y = 147, .value = -1.0},   {.x = 34, .y = 147, .value = 0.0},
    {.x = 99, .y = 22, .value = 2000.0},  {.x = 164, .y = 145, .value = 4000.0},
    {.x = 149, .y = 165, .value = 4500.0}, {.x = 149, .y = 165, .value = 8000.0},
};

constinit QuantityDial<6> fuel_qty_left_main = quantity_dial(fuel_qty_left_main, {
    .name = "Fuel_Qty_Left_Main", .face = 2380, .needle = 2390, .glass = 2400, .pivot_x = 100, .pivot_y = 100,
    .offset_x = 30, .offset_y = 5, .level_token = token::left_main_fuel, .needle_value = fuel_quantity,
    .callback = fuel_capacity, .tooltip = "Fuel quantity left tank"}, fuel_table);
constinit QuantityDial<6> fuel_qty_right_main = quantity_dial(fuel_qty_right_main, {
    .name = "Fuel_Qty_Right_Main", .face = 2380, .needle = 2390, .glass = 2400, .pivot_x = 100, .pivot_y = 100,
    .offset_x = 30, .offset_y = 5, .level_token = token::right_main_fuel, .needle_value = fuel_quantity,
    .callback = fuel_capacity, .tooltip = "Fuel quantity right tank"}, fuel_table);

// Each dial's tank capacity: 6 times the capacity token, 0 until first taken.
struct FuelTank {
    const QuantityDial<6>* dial;
    uint32_t               capacity_token;
    double                 capacity;
};
static FuelTank fuel_tanks[] = {
    {&fuel_qty_left_main, token::left_main_fuel_capacity, 0.0},
    {&fuel_qty_right_main, token::right_main_fuel_capacity, 0.0},
};

static FuelTank* tank_of(const GaugeHeader* gauge)
{
    for (FuelTank& tank : fuel_tanks)
        if (&tank.dial->header == gauge)
            return &tank;
    return nullptr;
}

// A capacity of 0 or below keeps the one taken before.
static void GAUGE_CALL fuel_capacity(GaugeHeader* gauge, int32_t service_id, HostWord)
{
    FuelTank* tank = tank_of(gauge);
    if (tank == nullptr || service_id != service_pre_install)
        return;
    double value = read_token(tank->capacity_token);
    if (value > 0.0)
        tank->capacity = value * 6.0;
}

static double GAUGE_CALL fuel_quantity(ElementHeader* element)
{
    const FuelTank* tank = tank_of(element->gauge);
    const double    capacity = tank ? tank->capacity : 0.0;
    return capacity * reinterpret_cast<Needle*>(element)->source.value.f64 / 8388610.0;
}

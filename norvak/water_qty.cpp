// Water_Qty_Left and Water_Qty_Right: the water tanks' levels as the host reports them (0x800000
// full). Twins, one row each; data only.
#include "quantity_dial.h"

// Eight points from empty to just over full, in tank level units.
static constexpr NonlinearityEntry water_table[] = {
    {.x = 152, .y = 270, .value = 0.0},     {.x = 46, .y = 123, .value = 710899.0},
    {.x = 67, .y = 80, .value = 1421798.0},  {.x = 114, .y = 48, .value = 2843596.0},
    {.x = 171, .y = 42, .value = 4265394.0}, {.x = 222, .y = 67, .value = 5687193.0},
    {.x = 258, .y = 132, .value = 7108991.0}, {.x = 249, .y = 207, .value = 8530789.0},
};

constinit QuantityDial<8> water_qty_left = quantity_dial(water_qty_left, {
    .name = "Water_Qty_Left", .face = 3200, .needle = 3210, .glass = 3220, .pivot_x = 150, .pivot_y = 150,
    .offset_x = 49, .offset_y = 18, .level_token = token::left_water, .needle_value = nullptr, .callback = nullptr,
    .tooltip = "Water quantity left tank in lbs"}, water_table);
constinit QuantityDial<8> water_qty_right = quantity_dial(water_qty_right, {
    .name = "Water_Qty_Right", .face = 3200, .needle = 3210, .glass = 3220, .pivot_x = 150, .pivot_y = 150,
    .offset_x = 49, .offset_y = 18, .level_token = token::right_water, .needle_value = nullptr, .callback = nullptr,
    .tooltip = "Water quantity right tank in lbs"}, water_table);

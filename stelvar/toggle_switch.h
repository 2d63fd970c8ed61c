// The electrical and lighting toggle switches of Stelvar_Instr (battery, beacon, landing,
// navigation, panel, pitot heat, strobe) are twins: one ToggleSwitchRow says what differs, and one
// builder writes all the records of a switch from its row (switches.cpp).
//
// The lever picture follows the host's own state of the system (the icon's source token, 0 off,
// 1 on); the switch keeps no copy of it. A click sends the host the system's toggle event and
// clicks.
#pragma once

#include "click_waves.h"

// Bitmaps of the common 30 x 44 switch: the plate and the lever (frame 0 down, 1 up).
constexpr uint32_t switch_plate_bitmap = 420;
constexpr uint32_t switch_lever_bitmap = 430;
constexpr uint32_t switch_size_mm      = 30;

// What differs between the switches.
struct ToggleSwitchRow {
    const char*             name;
    uint32_t                state_token;     // the host's state of the system, the lever's source
    uint32_t                toggle_event;
    uint32_t                help_id;
    element_update_callback lever_frame;     // null: the host shows the source value as the frame
};

// A switch: its row, its records (in the order of the element chain) and its click sound.
struct ToggleSwitch {
    ToggleSwitchRow row;
    GaugeHeader     header;
    StaticImage     plate;
    Icon            lever;
    ElementHeader*  elements[2];
    ElementHeader*  plate_next[2];
    MouseRect       mouse[4];
    ClickSound      sound;
};

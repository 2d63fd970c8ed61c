// The radios as the panel host models them: COM1, COM2, NAV1 and NAV2 frequencies, the transponder
// code and the ADF frequency, each kept in the packed BCD tokens the radio heads read, and stepped
// by the heads' key events.
#pragma once

#include "frame/sim_ids.h"
#include "host/core/panel_host.h"

namespace host {

// Four BCD digits without the leading 1: 0x2345 is 123.45 MHz.
// Four BCD digits, each 0 to 7.
// ADF: hundreds, tens and units of kHz as BCD; 256 for a thousands digit of 1 plus the tenths digit.

// Bands in whole MHz or kHz; stepping past an end wraps to the other.
constexpr int com_band_low = 118, com_band_high = 136;
constexpr int nav_band_low = 108, nav_band_high = 117;
constexpr int adf_band_low = 100, adf_band_high = 1799;
constexpr int fraction_step = 5;   // hundredths of MHz per fraction event

void install_radio_systems(PanelHost& host);

// Conversions between the BCD tokens and plain numbers, for the systems and their tests.
int      bcd_to_int(uint32_t bcd);
uint32_t int_to_bcd(int value);

// Puts an ADF frequency, in tenths of kHz, into the two ADF tokens.
void set_adf_frequency(SimState& sim, int tenths_of_khz);

}  // namespace host

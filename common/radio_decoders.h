// Decoders for the host's packed BCD radio values, shared by both aircraft modules.
//
// Each reads its token into a fresh ModuleVar and takes the value as an unsigned 32-bit integer
// from the low word. The digits are read as they come: a nibble above 9 is not rejected.
#pragma once

#include <cstdint>

// COM frequency without its leading 1 (0x2345 is 123.45 MHz): the whole MHz, 118 to 136.
double decode_com_whole_mhz(uint32_t token);

// NAV frequency without its leading 1 (0x0800 is 108.00 MHz): the whole MHz, 108 to 117.
double decode_nav_whole_mhz(uint32_t token);

// The two decimal places of a COM or NAV frequency as a number 0 to 99 (0x45 gives 45).
double decode_bcd_fraction(uint32_t token);

// Four BCD digits, thousands first, as a decimal number (0x1200 gives 1200).
double decode_bcd_code(uint32_t token);

// ADF frequency, whole kHz 0 to 1999: three BCD digits in token::adf_whole, a thousands digit of
// 1 when token::adf_extended is 256 or more.
double decode_adf_whole_khz();

// ADF tenths digit: token::adf_extended less 256 when it is 256 or more.
double decode_adf_tenths();

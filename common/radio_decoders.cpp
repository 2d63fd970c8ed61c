#include "common/radio_decoders.h"

#include "frame/module.h"

double decode_com_whole_mhz(uint32_t token)
{
    const uint32_t v = read_token_u32(token);
    if (v >= 0x3000)
        return 130 + ((v - 0x3000) >> 8);
    if (v >= 0x2000)
        return 120 + ((v - 0x2000) >> 8);
    // Below 0x1000 the subtraction would wrap to a huge whole part; such a value is no COM
    // frequency, so it is read like the NAV range instead (0x0800 gives 108).
    if (v >= 0x1000)
        return 110 + ((v - 0x1000) >> 8);
    return 100 + (v >> 8);
}

double decode_nav_whole_mhz(uint32_t token)
{
    const uint32_t v = read_token_u32(token);
    if (v >= 0x1000)
        return 110 + ((v - 0x1000) >> 8);
    return 100 + (v >> 8);
}

double decode_bcd_fraction(uint32_t token)
{
    const uint32_t f = read_token_u32(token) & 0xFF;
    return 10 * (f >> 4) + (f & 0xF);
}

double decode_bcd_code(uint32_t token)
{
    const uint32_t v = read_token_u32(token);
    return 1000 * (v >> 12) + 100 * ((v >> 8) & 0xF) + 10 * ((v >> 4) & 0xF) + (v & 0xF);
}

double decode_adf_whole_khz()
{
    const uint32_t v = read_token_u32(token::adf_whole);
    const uint32_t e = read_token_u32(token::adf_extended);
    const uint32_t thousands = e >= 256 ? 1 : 0;
    return 1000 * thousands + 100 * (v >> 8) + 10 * ((v >> 4) & 0xF) + (v & 0xF);
}

double decode_adf_tenths()
{
    uint32_t t = read_token_u32(token::adf_extended);
    if (t >= 256)
        t -= 256;
    return t;
}

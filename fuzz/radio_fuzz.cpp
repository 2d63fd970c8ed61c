// Radio words: the modules' decoders of packed BCD frequencies, codes and ADF digits on any token
// value, the digit-base converter, and the host's radios answering any key event with any value
// (frequency steps and carries, transponder and ADF digits, audio switches).
#include "common/numeric.h"
#include "common/radio_decoders.h"
#include "frame/module.h"
#include "fuzz_common.h"
#include "host/core/panel_host.h"
#include "host/world/radio_systems.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzz::FreshRun fresh;
    fuzz::Input            in(data, size);
    const fuzz::SharedHost shared;
    host::PanelHost&       host = *shared;
    ImportTable.services = host.services();
    host::SimState&        sim  = host.sim();
    for (host::Token t : {0x10u, 0x12u, 0x17u, 0x18u, 0x26u})
        sim.set_integer(t, in.take<int32_t>());
    for (host::Token t : {0x17u, 0x18u}) {
        decode_com_whole_mhz(t);
        decode_nav_whole_mhz(t);
    }
    decode_bcd_fraction(0x17);
    decode_bcd_code(0x26);
    decode_adf_whole_khz();
    decode_adf_tenths();

    const unsigned a = in.take<uint32_t>(), b = in.take<uint8_t>();
    rebase_digits(a, b, in.take<int8_t>());
    host::bcd_to_int(in.take<uint32_t>());
    host::int_to_bcd(in.take<int32_t>());

    // Key events as gauges send them, each answered by the host's systems, then frames.
    while (!in.empty()) {
        const uint32_t id    = 0x10000u | in.take<uint16_t>();
        const uint32_t value = in.take<uint32_t>();
        sim.record_event(id, value, "fuzz");
        if (id & 1)
            host.frame(1.0 / 18);
    }
    ImportTable.services = nullptr;
    return 0;
}

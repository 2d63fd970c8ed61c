// Simulator ids that the tests use and frame/sim_ids.h does not name, each written as the header
// would write it; a row here goes once the header names it.
#pragma once

#include "frame/sim_ids.h"

namespace local_ids {

// The localizer bit of token::vor1_station_flags and token::vor2_station_flags.
inline constexpr int32_t localizer_station = 0x80;

// The water bomber's right engine lies at the left engine's token plus 0x27.
inline constexpr uint32_t engine2_fuel_flow = token::engine1_fuel_flow + 0x27;

// Engine-1 tokens that no gauge reads, which the engine selection tables move: the first token of
// blocks of per-engine tokens, named by the stride from one engine to the next.
inline constexpr uint32_t stride35_block_first = 0x7F, stride10_block_first = 0x22E, stride1_block_a = 0x260,
                          stride19_block_first = 0x270, stride8_block_first = 0x2BC, stride2_block_first = 0x2F9,
                          stride1_block_b = 0x321;

}  // namespace local_ids

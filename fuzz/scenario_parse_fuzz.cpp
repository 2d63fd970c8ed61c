// Scenario texts as gauge-host run reads and checks them before anything runs.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        host::Scenario s = host::parse_scenario(text, "fuzz.scn");
        for (const host::ScenarioCommand& c : s.commands)
            if (c.words.empty() || c.line < 1)
                __builtin_trap();
    } catch (const host::HostError&) {
    }
    return 0;
}

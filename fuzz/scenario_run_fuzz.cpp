// Scenarios run on the panel host against the real modules of this build. Inputs that would run
// for long (more frames than a short flight), draw pictures or load anything but this build's
// modules are left out: they are bounded and checked by the parse target, and drawing is cairo's.
#include <cmath>
#include <ostream>
#include <set>
#include <streambuf>

#include "fuzz_common.h"

namespace {

class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return c; }
};

constexpr double frame_budget = 2000;

bool worth_running(const host::Scenario& s)
{
    static const std::set<std::string> modules = {"Tolvane", "Norvak_Instr", "Stelvar_Instr", "Probe"};
    double frames = 0;
    for (const host::ScenarioCommand& c : s.commands) {
        const auto& w = c.words;
        if (w[0] == "picture")
            return false;
        if (w[0] == "module" && modules.count(w[1]) == 0)
            return false;
        if (w[0] == "frames")
            frames += host::parse_value(w[1]);
        if (w[0] == "run")
            frames += host::parse_value(w[1]) * (w.size() > 3 ? host::parse_value(w[3]) : 18.0);
    }
    return frames <= frame_budget;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const char* m : {"Tolvane", "Norvak_Instr", "Stelvar_Instr", "Probe"})
        fuzz::keep_loaded(m);
    const fuzz::FreshRun fresh;
    const std::string text(reinterpret_cast<const char*>(data), size);
    host::Scenario    s;
    try {
        s = host::parse_scenario(text, "fuzz.scn");
    } catch (const host::HostError&) {
        return 0;
    }
    if (!worth_running(s))
        return 0;
    NullBuffer           sink;
    std::ostream         out(&sink);
    host::ScenarioOptions o;
    o.module_dir = GAUGE_MODULE_DIR;
    try {
        host::run_scenario(s, out, o);
    } catch (const host::HostError&) {
    }
    return 0;
}

// gauge-host run and demo: scenarios and their traces.
#include <filesystem>
#include <iostream>

#include "commands.h"
#include "demo_scenario.h"
#include "host/script/scenario.h"

namespace gauge_host {

namespace {

int run(const host::Scenario& s, const std::string& module_dir, const std::string& out_dir)
{
    host::ScenarioOptions o;
    o.module_dir  = module_dir;
    o.picture_dir = out_dir;
    if (!out_dir.empty())
        std::filesystem::create_directories(out_dir);
    host::ScenarioResult r = host::run_scenario(s, std::cout, o);
    return r.failures == 0 ? 0 : 1;
}

}  // namespace

int run_command(const Invocation& call)
{
    if (call.args.size() != 1)
        throw UsageError("run takes one SCENARIO file");
    return run(host::load_scenario(call.args[0]), call.module_dir, call.out_dir);
}

int demo_command(const Invocation& call)
{
    if (!call.args.empty())
        throw UsageError("unexpected '" + call.args[0] + "'");
    return run(host::parse_scenario(demo_scenario, demo_scenario_name, "."), call.module_dir,
               call.out_dir.empty() ? "gauge-host-demo" : call.out_dir);
}

}  // namespace gauge_host

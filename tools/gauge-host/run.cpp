// gauge-host run and demo: scenarios and their traces.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>

#include "commands.h"
#include "demo_scenario.h"
#include "host/script/scenario.h"

namespace gauge_host {

namespace {

// Hands the trace to stdout a line at a time, so that a long run can be followed as it goes and a
// run that stops leaves every line it printed.
class LineBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override
    {
        if (c == traits_type::eof())
            return traits_type::not_eof(c);
        if (std::fputc(c, stdout) == EOF)
            return traits_type::eof();
        if (c == '\n' && std::fflush(stdout) != 0)
            return traits_type::eof();
        return c;
    }
};

int run(const host::Scenario& s, const std::string& module_dir, const std::string& out_dir)
{
    if (s.commands.empty())
        throw host::HostError(s.name + ": the scenario holds no commands, so there is nothing to run (the commands are "
                              "listed in docs/gauge-host.md)");
    host::ScenarioOptions o;
    o.module_dir  = module_dir;
    o.picture_dir = out_dir;
    if (!out_dir.empty())
        writable_folder(out_dir);
    std::fflush(stdout);
    LineBuffer           lines;
    std::ostream         trace(&lines);
    host::ScenarioResult r = host::run_scenario(s, trace, o);
    if (!trace)
        throw host::HostError(std::string("cannot write the trace to stdout: ") + std::strerror(errno));
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

// gauge-host run and demo: scenarios and their traces.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>

#include "commands.h"
#include "demo_scenario.h"
#include "host/script/scenario.h"

namespace gauge_host {

namespace {

// Hands the trace to stdout. On a terminal every line shows as it is made; into a file, a pipe or a
// device the lines go in blocks, and at least every quarter of a second, so that `tail -f` still
// follows a long run without a write for every line.
class TraceBuffer : public std::streambuf {
public:
    TraceBuffer() : interactive_(output_is_interactive()) {}

protected:
    int_type overflow(int_type c) override
    {
        if (c == traits_type::eof())
            return traits_type::not_eof(c);
        if (std::fputc(c, stdout) == EOF)
            return traits_type::eof();
        if (c == '\n' && due() && std::fflush(stdout) != 0)
            return traits_type::eof();
        return c;
    }
    int sync() override { return std::fflush(stdout) == 0 ? 0 : -1; }

private:
    using Clock = std::chrono::steady_clock;

    bool due()
    {
        if (interactive_)
            return true;
        const Clock::time_point now = Clock::now();
        if (now - last_flush_ < std::chrono::milliseconds(250))
            return false;
        last_flush_ = now;
        return true;
    }

    bool              interactive_;
    Clock::time_point last_flush_ = Clock::now();
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
    TraceBuffer          buffer;
    std::ostream         trace(&buffer);
    host::ScenarioResult r = host::run_scenario(s, trace, o);
    trace.flush();
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

// gauge-host: load gauge modules, drive their gauges, click them, and draw them.
#include <cstdio>
#include <cstdlib>
#if defined(_WIN32)
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "host/core/module.h"

namespace fs = std::filesystem;
using namespace gauge_host;

namespace {

std::string default_module_dir(const char* argv0)
{
    if (const char* env = std::getenv("GAUGE_MODULE_PATH"))
        return env;
    std::error_code ec;
    fs::path exe = fs::canonical("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(argv0);
    return (exe.parent_path().parent_path() / "modules").string();
}

const Command* find_command(const std::string& name)
{
    for (const Command& c : commands())
        if (name == c.name)
            return &c;
    return nullptr;
}

bool wants_help(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // The trace goes out a line at a time to a terminal, where someone watches it, and in blocks
    // anywhere else: left to the C library, a character device such as /dev/null would take it a
    // line, or under Wine a byte, at a time.
    static char trace_buffer[1 << 16];
    std::setvbuf(stdout, trace_buffer, isatty(1) ? _IOLBF : _IOFBF, sizeof trace_buffer);
    std::vector<std::string> args(argv + 1, argv + argc);
    Invocation               call;
    call.module_dir = default_module_dir(argv[0]);
    for (size_t i = 0; i < args.size();) {
        if ((args[i] == "--modules" || args[i] == "--out") && i + 1 < args.size()) {
            (args[i] == "--modules" ? call.module_dir : call.out_dir) = args[i + 1];
            args.erase(args.begin() + i, args.begin() + i + 2);
        } else {
            ++i;
        }
    }
    if (args.empty()) {
        std::fputs(usage_text().c_str(), stderr);
        return 2;
    }
    const Command* command = find_command(args[0]);
    if (command == nullptr) {
        if (args[0] == "--help" || args[0] == "-h") {
            std::fputs(usage_text().c_str(), stdout);
            return 0;
        }
        std::fprintf(stderr, "gauge-host: unknown command '%s'\n%s", args[0].c_str(), usage_text().c_str());
        return 2;
    }
    call.args.assign(args.begin() + 1, args.end());
    if (wants_help(call.args)) {
        std::printf("usage: gauge-host %s %s\n  %s\n", command->name, command->synopsis, command->summary);
        return 0;
    }
    try {
        return command->run(call);
    } catch (const UsageError& e) {
        std::fflush(stdout);   // the trace so far comes before the message
        std::fprintf(stderr, "gauge-host %s: %s\nusage: gauge-host %s %s\n", command->name, e.what(), command->name,
                     command->synopsis);
        return 2;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::fflush(stdout);
        std::fprintf(stderr, "gauge-host: %s\n", e.what());
        return 1;
    }
}

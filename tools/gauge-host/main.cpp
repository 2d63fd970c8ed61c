// gauge-host: load gauge modules, drive their gauges, click them, and draw them.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "commands.h"
#include "host/core/module.h"
#include "host/core/text_tools.h"

namespace fs = std::filesystem;
using namespace gauge_host;

namespace {

// The modules folder beside the folder of the program: modules/ in a build, Gauges/ in the release.
std::string default_module_dir(const char* argv0)
{
    if (const char* env = std::getenv("GAUGE_MODULE_PATH"))
        return env;
    std::error_code ec;
#if defined(_WIN32)
    char name[MAX_PATH] = {};
    fs::path exe = GetModuleFileNameA(nullptr, name, sizeof name) > 0 ? fs::path(name) : fs::absolute(argv0);
#else
    fs::path exe = fs::canonical("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(argv0);
#endif
    const fs::path root = exe.parent_path().parent_path();
    if (!fs::is_directory(root / "modules", ec) && fs::is_directory(root / "Gauges", ec))
        return (root / "Gauges").string();
    return (root / "modules").string();
}

bool wants_help(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

// A message quotes at most a few hundred characters of any one thing it repeats from its input: a
// quotation opens with an apostrophe after a blank or a bracket and closes with one before a blank,
// a punctuation mark or the end (so that "gauge's" is no quotation).
std::string clipped(const std::string& message)
{
    auto opens  = [&](size_t at) { return at == 0 || std::string(" (\t:=").find(message[at - 1]) != std::string::npos; };
    auto closes = [&](size_t at) {
        return at + 1 == message.size() || std::string(" ,.;:)!?\n").find(message[at + 1]) != std::string::npos;
    };
    std::string out;
    size_t      i = 0;
    while (i < message.size()) {
        size_t open = message.find('\'', i);
        while (open != std::string::npos && !opens(open))
            open = message.find('\'', open + 1);
        size_t close = open == std::string::npos ? open : message.find('\'', open + 1);
        while (close != std::string::npos && !closes(close))
            close = message.find('\'', close + 1);
        if (close == std::string::npos)
            break;
        std::string inside = message.substr(open + 1, close - open - 1);
        out += message.substr(i, open - i) + (inside.size() > host::quote_limit ? host::in_quotes(inside) : "'" + inside + "'");
        i = close + 1;
    }
    return out + message.substr(std::min(i, message.size()));
}

std::vector<std::string> command_names()
{
    std::vector<std::string> names;
    for (const Command& c : commands())
        names.push_back(c.name);
    return names;
}

}  // namespace

bool gauge_host::output_is_interactive()
{
#if defined(_WIN32)
    // The C library takes every character device for a terminal, NUL included, and then writes each
    // character on its own; only a console is one.
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}

int main(int argc, char** argv)
{
    if (!output_is_interactive())
        std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    std::vector<std::string> args(argv + 1, argv + argc);
    Invocation               call;
    call.module_dir = default_module_dir(argv[0]);
    for (size_t i = 0; i < args.size();) {
        if (args[i] == "--modules" || args[i] == "--out") {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "gauge-host: %s needs a folder after it\n", args[i].c_str());
                return 2;
            }
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
        std::string hint = host::did_you_mean(host::nearest_names(args[0], command_names()));
        std::fprintf(stderr, "gauge-host: unknown command %s%s\n%s", clipped(host::in_quotes(args[0])).c_str(),
                     hint.empty() ? "" : ("; " + hint).c_str(), usage_text().c_str());
        return 2;
    }
    call.args.assign(args.begin() + 1, args.end());
    if (wants_help(call.args)) {
        std::fputs(command_help(*command).c_str(), stdout);
        return 0;
    }
    try {
        // Whatever is written into --out can be written there, or nothing is started.
        if (!call.out_dir.empty())
            writable_folder(call.out_dir);
        int status = command->run(call);
        if (std::fflush(stdout) != 0) {
            std::perror("gauge-host: cannot write to stdout");
            return 1;
        }
        return status;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "gauge-host %s: %s\nusage: gauge-host %s %s\n", command->name, clipped(e.what()).c_str(),
                     command->name, command->synopsis);
        return 2;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "gauge-host %s: %s\n", command->name, clipped(e.what()).c_str());
        return 1;
    }
}

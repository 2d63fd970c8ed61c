// The table of verbs. Adding a verb is adding a row here and a file with its function.
#include "commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "frame/sim_ids.h"
#include "host/core/module.h"
#include "host/core/numbers.h"
#if defined(GAUGE_HOST_SERVE)
#include "serve.h"
#endif

namespace gauge_host {

namespace {

#if defined(GAUGE_HOST_SERVE)
int serve_verb(const Invocation& call) { return serve_command(call.args, call.module_dir); }
#endif

constexpr Command table[] = {
    {"list", "MODULE [GAUGE]",
     "each gauge's size in pixels, the parameter options it reads, the variables it reads and the events it sends",
     list_command,
     "Runs every gauge of the module on a simulated panel to find what it reads and sends. With GAUGE,\n"
     "that gauge alone, with its elements and mouse rectangles."},
    {"check", "PANEL.CFG...", "every problem of a panel.cfg, as FILE:LINE: error|warning: message; exit 1 on errors",
     check_command,
     "Finds lines that cannot be read, keys given twice (the simulator keeps the first), unknown modules\n"
     "and gauges with the nearest names, gauges outside their window or of impossible sizes, missing\n"
     "background bitmaps, and parameter texts that do something else than they seem to. Writes nothing.\n"
     "Modules are looked up in the folder of --modules."},
    {"render", "MODULE GAUGE [--set TOKEN=VALUE]... [--param TEXT] [--frames N] [--scale S] -o FILE.png",
     "draw one gauge after N frames (1 by default) with the variables given", render_command,
     "  --set TOKEN=VALUE   a simulator variable, by number (61, 0x3D) or name (airspeed=140)\n"
     "  --param TEXT        the gauge's parameter text, as a panel.cfg line gives it\n"
     "  --frames N          frames to run before the picture, 0 to 10000000, at 18 per second\n"
     "  --scale S           picture scale, more than 0 and at most 16\n"
     "  -o FILE.png         the picture"},
    {"panel", "PANEL.CFG [WINDOW] [--set TOKEN=VALUE]... [--frames N] [--scale S] -o FILE.png",
     "check a panel.cfg, then draw a window with its background and gauges (every window, FILE_<Window>.png, "
     "when none is named)",
     panel_command,
     "WINDOW is a title, a section (Window00, VCockpit01) or a window number. The file is checked first\n"
     "as gauge-host check does; its messages go to stderr, and on errors nothing is drawn.\n"
     "Options as for render."},
    {"catalogue", "MODULE --out DIR", "a picture of every gauge of the module and an index.md", catalogue_command},
    {"run", "SCENARIO [--out DIR]", "run a scenario and print its trace; pictures go to DIR", run_command,
     "The trace goes to stdout a line at a time. A scenario with no commands is an error. The commands\n"
     "are listed in docs/gauge-host.md."},
    {"demo", "[--out DIR]", "the water-bombing flight shipped with the tool (pictures in gauge-host-demo/)",
     demo_command},
#if defined(GAUGE_HOST_SERVE)
    {"serve", "PANEL.CFG [WINDOW] | MODULE GAUGE... [--listen ADDR] [--port N]",
     "the panel running live in a browser: click, hover, set variables, save the session as a scenario",
     serve_verb,
     "Prints the address to open. Binds 127.0.0.1 unless --listen says otherwise; Ctrl-C stops it.\n"
     "See docs/gauge-host.md, \"The workbench\"."},
#endif
    {"reference", "[MODULE...] [--pictures FOLDER] [-o FILE]",
     "the gauges and their parameters for panel designers, as markdown (docs/parameters.md)", reference_command,
     "Every module of the modules folder when none is named. Writes FILE, or stdout. With --pictures, each\n"
     "gauge's row shows its picture FOLDER/<Module>/<Gauge>.png, as gauge-host catalogue draws them."},
    {"help", "[COMMAND] [--markdown]", "this text, a command's help, or the command reference as markdown",
     help_command},
};

}  // namespace

std::span<const Command> commands() { return table; }

const Command* find_command(const std::string& name)
{
    for (const Command& c : table)
        if (name == c.name)
            return &c;
    return nullptr;
}

std::string usage_text()
{
    std::string text = "usage:\n";
    for (const Command& c : table) {
        text += "  gauge-host " + std::string(c.name) + " " + c.synopsis + "\n";
        text += "      " + std::string(c.summary) + "\n";
    }
    text += "options of every command:\n"
            "  --modules DIR   where bare module names are looked up (default: the modules folder of this build)\n"
            "  --help          the command's usage\n"
            "MODULE is a path to a module file or a bare module name such as Tolvane; TOKEN a number (decimal or\n"
            "0x hexadecimal) or the name of a simulator variable (gauge-host help --markdown lists them).\n";
    return text;
}

std::string command_help(const Command& c)
{
    std::string text = "usage: gauge-host " + std::string(c.name) + " " + c.synopsis + "\n  " + c.summary + "\n";
    if (c.details)
        text += std::string("\n") + c.details + "\n";
    return text;
}

std::string reference_markdown()
{
    std::string text = "<!-- gauge-host help --markdown -->\n| command | what it does |\n|---|---|\n";
    for (const Command& c : table)
        text += "| `gauge-host " + std::string(c.name) + " " + c.synopsis + "` | " + c.summary + " |\n";
    // The names that --set and scenarios take, with the units the gauges read them in.
    auto names = [&](IdKind kind, const char* title, const char* what) {
        text += "\n" + std::string(title) + "\n\n| name | " + what + " | unit |\n|---|---|---|\n";
        for (const NamedId& id : named_ids)
            if (id.kind == kind)
                text += "| `" + std::string(id.name) + "` | " + host::hex(id.value) + " | " + id.unit + " |\n";
    };
    names(IdKind::token, "Simulator variables (`--set NAME=VALUE`, `set NAME VALUE`, `expect token NAME VALUE`):", "token");
    names(IdKind::event, "Key events (`expect event NAME`):", "event");
    names(IdKind::panel_window, "Panel windows (`expect window NAME open`):", "window");
    text += "<!-- end of gauge-host help --markdown -->\n";
    return text;
}

int help_command(const Invocation& call)
{
    bool        markdown = false;
    std::string verb;
    for (const std::string& a : call.args) {
        if (a == "--markdown")
            markdown = true;
        else if (verb.empty() && a[0] != '-')
            verb = a;
        else
            throw UsageError("unexpected '" + a + "'");
    }
    if (!verb.empty()) {
        const Command* c = find_command(verb);
        if (c == nullptr)
            throw UsageError("there is no command '" + verb + "'");
        std::fputs(command_help(*c).c_str(), stdout);
        return 0;
    }
    std::fputs(markdown ? reference_markdown().c_str() : usage_text().c_str(), stdout);
    return 0;
}

void write_failed(const std::string& path, const std::string& reason)
{
    throw host::HostError("cannot write '" + path + "': " + reason);
}

void write_text_file(const std::string& path, const std::string& text)
{
    const std::string partial = path + ".partial";
    std::FILE*        f       = std::fopen(partial.c_str(), "wb");
    if (f == nullptr)
        write_failed(path, std::strerror(errno));
    bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    int  error   = errno;
    written      = std::fclose(f) == 0 && written;
    if (!written || std::rename(partial.c_str(), path.c_str()) != 0) {
        error = errno;
        std::remove(partial.c_str());
        write_failed(path, std::strerror(error));
    }
}

void writable_folder(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        throw host::HostError("cannot make the folder '" + folder + "': " + ec.message());
    // A file made and removed again: a folder that exists may still refuse what is written into it.
    fs::path probe = fs::path(folder) / ".gauge-host-write-test";
    std::FILE* f = std::fopen(probe.string().c_str(), "wb");
    if (f == nullptr)
        throw host::HostError("cannot write into the folder '" + folder + "': " + std::strerror(errno));
    std::fclose(f);
    fs::remove(probe, ec);
}

}  // namespace gauge_host

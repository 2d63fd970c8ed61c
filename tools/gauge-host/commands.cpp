// The table of verbs. Adding a verb is adding a row here and a file with its function.
#include "commands.h"

#include <cstdio>

#include "host/script/scenario.h"
#if defined(GAUGE_HOST_SERVE)
#include "serve.h"
#endif

namespace gauge_host {

namespace {

#if defined(GAUGE_HOST_SERVE)
int serve_verb(const Invocation& call) { return serve_command(call.args, call.module_dir); }
#endif

constexpr Command table[] = {
    {"list", "MODULE", "the module's gauges: header version, width, elements and mouse rectangles", list_command},
    {"render", "MODULE GAUGE [--set TOKEN=VALUE]... [--param TEXT] [--frames N] [--scale S] -o FILE.png",
     "draw one gauge after N frames (1 by default) with the variables given", render_command},
    {"panel", "PANEL.CFG [WINDOW] [--set TOKEN=VALUE]... [--frames N] [--scale S] -o FILE.png",
     "draw a window of a panel.cfg with its gauges (every window, FILE_<Window>.png, when none is named)",
     panel_command},
    {"catalogue", "MODULE --out DIR", "a picture of every gauge of the module and an index.md", catalogue_command},
    {"run", "SCENARIO [--out DIR]", "run a scenario and print its trace; pictures go to DIR", run_command},
    {"demo", "[--out DIR]", "the water-bombing flight shipped with the tool (pictures in gauge-host-demo/)",
     demo_command},
#if defined(GAUGE_HOST_SERVE)
    {"serve", "PANEL.CFG [WINDOW] | MODULE GAUGE... [--listen ADDR] [--port N]",
     "the panel running live in a browser: click, hover, set variables, save the session as a scenario",
     serve_verb},
#endif
    {"help", "[--markdown]", "this text, or the command and scenario references as docs/gauge-host.md carries them",
     help_command},
};

}  // namespace

std::span<const Command> commands() { return table; }

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
            "0x hexadecimal) or the name of a simulator variable.\n";
    return text;
}

namespace {

// A table cell: a bar would end the cell.
std::string cell(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '|' ? std::string("\\|") : std::string(1, c);
    return out;
}

}  // namespace

std::string reference_markdown()
{
    std::string text = "| command | what it does |\n|---|---|\n";
    for (const Command& c : table)
        text += "| `gauge-host " + std::string(c.name) + " " + cell(c.synopsis) + "` | " + c.summary + " |\n";
    return text;
}

std::string generated_section(const std::string& name, const std::string& body)
{
    return "<!-- " + name + ": made by gauge-host help --markdown -->\n" + body + "<!-- end of " + name + " -->\n";
}

int help_command(const Invocation& call)
{
    if (call.args.size() == 1 && call.args[0] == "--markdown") {
        std::fputs(generated_section("commands", reference_markdown()).c_str(), stdout);
        std::fputs(generated_section("scenario commands", host::scenario_reference_markdown()).c_str(), stdout);
        return 0;
    }
    if (!call.args.empty())
        throw UsageError("unexpected '" + call.args[0] + "'");
    std::fputs(usage_text().c_str(), stdout);
    return 0;
}

}  // namespace gauge_host

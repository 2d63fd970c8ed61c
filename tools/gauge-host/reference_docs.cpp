// docs/parameters.md, made from the option table and the modules themselves.
#include <map>

#include "host/core/numbers.h"
#include "host/core/text_tools.h"
#include "reference.h"

namespace gauge_host {

using namespace host;

namespace {

const char* const preamble = R"(<!-- Made by `gauge-host reference` (scripts/update-docs.sh); a test fails when it differs. Change the
     option table in host/formats/gauge_options.cpp or tools/gauge-host/reference_docs.cpp instead. -->
# Gauges and their parameters, for panel designers

A panel.cfg places a gauge with a line in a window section (`[Window00]`, `[VCockpit01]`):

    gaugeNN=Module!Gauge, x, y, width, height, parameters

`x`, `y`, `width` and `height` are in the window's units (its `size_mm`). Without a width and height
a gauge takes its own size (the sizes in pixels below); with a width alone it keeps its proportions.
Number the lines of a window from `gauge00` without gaps: the simulator reads them in order and
stops at the first number missing. Everything after the height is the gauge's parameter text; only
the gauges listed under each kind of text below read one, and every other gauge ignores it.

Check a panel.cfg before you fly it:

    gauge-host check panel.cfg

lists every problem at once, as `panel.cfg:LINE: error|warning: message`, with what to write instead:
misspelt modules and gauges, keys given twice, gauges outside their window or of impossible sizes,
background bitmaps that are missing, and parameter texts that do something other than they seem to.
`gauge-host panel panel.cfg -o panel.png` checks the file the same way and draws its windows.

## Parameter texts
)";

std::string gauges_reading(const OptionFamily& f)
{
    std::map<std::string, std::vector<std::string>> by_module;
    std::vector<std::string>                        order;
    for (const ParameterGauge& g : parameter_gauges())
        if (g.family == &f) {
            if (!by_module.count(g.module))
                order.push_back(g.module);
            by_module[g.module].push_back(std::string("`") + g.gauge + "`");
        }
    std::vector<std::string> parts;
    for (const std::string& m : order)
        parts.push_back("`" + m + "`: " + joined(by_module[m], ", "));
    return joined(parts, "; ");
}

std::string code_block(const char* lines)
{
    std::string text, line;
    for (const char* c = lines; *c; ++c) {
        if (*c == '\n') {
            text += "    " + line + "\n";
            line.clear();
        } else {
            line += *c;
        }
    }
    return text;
}

std::string button_tables(const std::vector<ModuleReference>& modules)
{
    std::string text = "#### Windows\n\nA window is given by name or by number. A name counts when the value begins with it "
                       "(`MAIN_PANEL2` is still the main panel); any other text is read as a number, and a text without "
                       "digits as 0. Negative numbers are ignored. Other windows of your panel are reached by their "
                       "number (`[Window05]` with `ident=9001` is `o9001`).\n\n| Name | Number |\n|---|---|\n";
    for (const auto& [name, id] : window_names())
        text += "| `" + name + "` | " + std::to_string(id) + " |\n";

    text += "\n#### Faces\n\nEach button wears its own face. `b` chooses another: the face that another button of the "
            "same module wears.\n\n";
    for (const ModuleReference& m : modules) {
        int highest = 0;
        for (const ParameterGauge& g : parameter_gauges())
            if (g.module == m.name && g.highest_face > 0)
                highest = g.highest_face;
        if (highest == 0)
            continue;
        text += "| `" + m.name + "` face | worn by |\n|---|---|\n";
        for (int face = lowest_button_face; face <= highest; face += button_face_step) {
            std::vector<std::string> wearers;
            for (const GaugeReference& g : m.gauges)
                if (g.background_bitmap == static_cast<uint32_t>(face) && g.parameters && g.parameters->highest_face)
                    wearers.push_back("`" + g.gauge + "`");
            text += "| " + std::to_string(face) + " | " + (wearers.empty() ? "no button" : joined(wearers, ", ")) + " |\n";
        }
        text += "\n";
    }

    text += "#### Help topics\n\n`h` takes one of these names, or a help id of at least 40960 (0xA000); anything else "
            "clears the button's help topic.\n\n| Name | Help id |\n|---|---|\n";
    for (const auto& [name, id] : help_names())
        text += "| `" + name + "` | " + hex(id) + " (" + std::to_string(id) + ") |\n";
    return text + "\n";
}

}  // namespace

std::string parameters_markdown(const std::vector<ModuleReference>& modules, const std::string& picture_prefix)
{
    std::string text = preamble;
    for (const OptionFamily& f : option_families()) {
        text += "\n### " + std::string(f.title) + "\n\nRead by " + gauges_reading(f) + ".\n\n" + f.reading + "\n\n";
        text += "| Option | Value | What it does | Without it |\n|---|---|---|---|\n";
        for (const ParameterOption& o : f.options)
            text += "| `" + std::string(o.key) + "` | " + o.value + " | " + o.effect + " | " +
                    (o.fallback[0] ? o.fallback : "nothing") + " |\n";
        text += "\n";
        if (std::string(f.id) == "button")
            text += button_tables(modules);
        text += "Examples:\n\n" + code_block(f.examples);
    }
    text += "\n## Gauge reference\n\n"
            "Every gauge of each module: its size in pixels (its background bitmap), the parameter options it reads, "
            "the simulator variables it reads and the key events it sends. Variables and events are found by running "
            "the gauge's own code on gauge-host's simulated panel (installed, connected, run for a few frames, each "
            "mouse rectangle clicked with each button it takes, with every variable at 0 and again at 100, 1 and 2, and with sample parameter texts), and "
            "named as `--set` and scenarios name them (docs/gauge-host.md). Each module's catalogue shows the "
            "gauges drawn.\n";
    for (const ModuleReference& m : modules) {
        text += "\n### " + m.name + "\n\n" + std::to_string(m.gauges.size()) + " gauge" + (m.gauges.size() == 1 ? "" : "s") +
                ", in the order of the module's gauge table.\n\n";
        text += module_reference_markdown(m, picture_prefix.empty() ? "" : picture_prefix + m.name + "/");
    }
    return text;
}

}  // namespace gauge_host

// gauge-host check: every problem of a panel.cfg in one run.
#include "check.h"

#include "commands.h"

namespace gauge_host {

using namespace host;

CheckedPanel check_panel_file(const std::string& path, const std::string& module_dir)
{
    CheckedPanel c;
    c.config      = read_panel_config_file(path);
    c.modules     = read_module_folder(module_dir);
    c.diagnostics = check_panel(c.config, c.modules);
    return c;
}

size_t print_diagnostics(const CheckedPanel& c, std::FILE* to)
{
    for (const Diagnostic& d : c.diagnostics)
        std::fprintf(to, "%s\n", d.text().c_str());
    const size_t errors = error_count(c.diagnostics), warnings = warning_count(c.diagnostics);
    size_t gauges = 0;
    for (const PanelWindow& w : c.config.windows)
        gauges += w.gauges.size();
    if (errors + warnings == 0)
        std::fprintf(to, "%s: no problems found (%zu window(s), %zu gauge(s))\n", c.config.name.c_str(),
                     c.config.windows.size(), gauges);
    else
        std::fprintf(to, "%s: %zu error(s), %zu warning(s)\n", c.config.name.c_str(), errors, warnings);
    return errors;
}

int check_command(const Invocation& call)
{
    if (call.args.empty())
        throw UsageError("check takes one or more PANEL.CFG files");
    for (const std::string& a : call.args)
        if (a.size() > 1 && a[0] == '-')
            throw UsageError("unknown option '" + a + "'");
    size_t errors = 0;
    for (const std::string& path : call.args)
        errors += print_diagnostics(check_panel_file(path, call.module_dir), stdout);
    return errors == 0 ? 0 : 1;
}

}  // namespace gauge_host

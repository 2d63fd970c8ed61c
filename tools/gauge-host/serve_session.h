// The workbench's panel session: one panel host with the gauges of a panel.cfg (or of a module),
// driven by commands that are lines of a scenario. Every command is carried out as `gauge-host run`
// carries out that line, prints the same trace line, and is kept, so that the session can be saved
// as a scenario whose run prints the same trace.
//
// A session belongs to one thread: gauge code runs on that thread only.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/core/panel_host.h"

namespace serve {

// A gauge placed on a window, in panel pixels.
struct PlacedGauge {
    std::string  module;       // as the panel names it (a bare name or a path)
    std::string  gauge;
    std::string  parameters;
    std::string  label;
    int          x = 0, y = 0, width = 0, height = 0;   // 0: from the gauge once installed
    host::Gauge* installed = nullptr;                    // valid until the next reset
};

struct PanelLayout {
    std::string              section;
    std::string              title;
    int                      width = 0, height = 0;   // 0: fits the gauges
    std::vector<PlacedGauge> gauges;
    bool                     rows = false;   // the workbench places the gauges, side by side in rows
};

// What the workbench lays out: the windows of a panel.cfg, or one window of a module's gauges.
struct Layout {
    std::string              source;   // what was opened, for titles
    std::vector<PanelLayout> windows;
};

// Reads a panel.cfg into a layout: every window, or the one named (by title, section or number).
Layout panel_layout(const std::string& cfg_path, const std::string& window = {});
// One window with the named gauges of a module side by side, in rows some 1024 pixels wide.
Layout gauges_layout(const std::string& module, const std::vector<std::string>& gauges);

// One line of what the gauges and the host did, for the workbench's log.
struct LogEntry {
    uint64_t    seq = 0;
    double      time = 0;
    std::string kind;     // event, window, sound, ext, tanks, click, set, note, error, trace
    std::string text;
    int         sound = -1;   // for sounds: its number in the session's sound list
};

// A sound the gauges played: the format and samples of the buffer they played.
struct PlayedWave {
    std::string          source;   // the gauge or command during which it was played
    std::vector<uint8_t> wav;      // a whole RIFF WAVE file
};

struct ClickOutcome {
    bool        on_gauge = false;   // the point lies on a gauge
    bool        recorded = false;   // a rectangle was there: the click is part of the session
    std::string gauge;              // its label
    int         x = 0, y = 0;       // in the gauge's own pixels
    int         rect = -1;
    std::string action;
};

struct TooltipOutcome {
    std::string                gauge;
    int                        rect = -1;
    std::optional<std::string> text;
};

// A rectangle of a gauge's mouse list, placed on the window (panel pixels).
struct PlacedRect {
    std::string gauge;
    int         index = 0;
    std::string type;    // parent, child, tooltip
    double      x = 0, y = 0, width = 0, height = 0;
    int         cursor = 0;
    uint32_t    help_id = 0;
    uint32_t    event_id = 0;
    bool        clickable = false;
    bool        has_tooltip = false;
};

struct Preset {
    std::string                              name;
    std::string                              description;
    std::vector<std::pair<uint32_t, double>> sets;
};
const std::vector<Preset>& flight_presets();

struct VariableRow {
    uint32_t    token = 0;
    std::string name, unit;
    bool        integer = false;
    double      value = 0;
};

struct ExpressionRow {
    std::string code;
    double      value = 0;
    bool        answered = false;   // set by a command or by the host, rather than the default 0
};

class Session {
public:
    struct Options {
        std::string module_dir;   // where bare module names are found
        double      rate = 18.0;  // host frames per simulated second
    };

    Session(Layout layout, Options options);
    ~Session();
    Session(const Session&)            = delete;
    Session& operator=(const Session&) = delete;

    // Loads the modules and installs and connects every gauge: the first lines of the session.
    // Throws host::HostError when a module or gauge cannot be installed.
    void start();
    // Takes the gauges off the panel as the end of a scenario's run does, with the same lines.
    void finish();
    // Takes every gauge off the panel and starts again with a fresh host and an empty session.
    void reset();

    // Every trace line, as it is printed (with its time).
    void set_trace_sink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

    // Commands. Each is a scenario line; a command that cannot be carried out throws HostError
    // and is not kept.
    void                      frame();   // one frame at the session's rate
    void                      set(uint32_t token, double value);
    void                      set_expression(const std::string& code, double value);
    void                      apply_preset(const std::string& name);
    ClickOutcome              click(int window, double x, double y, bool right);
    // Reads a tooltip without making it part of the session (its trace stays as it was).
    TooltipOutcome            tooltip(int window, double x, double y);
    std::vector<PlacedRect>   rectangles(int window) const;

    // The session as a scenario and the trace it printed so far (frames not yet written as a
    // line are written first).
    std::string               scenario_text();
    const std::vector<std::string>& trace();
    // Carries out one scenario line as `gauge-host run` would (the commands above use it).
    void                      execute_line(const std::string& line);

    const Layout&             layout() const { return layout_; }
    host::PanelHost&          panel() { return *host_; }
    double                    rate() const { return options_.rate; }
    uint64_t                  frames() const { return frames_; }
    double                    time() const { return host_->sim().time(); }
    // False once a command failed half-way: the session's trace may then not be reproducible.
    bool                      reproducible() const { return reproducible_; }

    std::vector<VariableRow>   variables() const;
    std::vector<ExpressionRow> expressions() const;

    // Log entries after `after` (by sequence number); the log keeps the latest few thousand.
    std::vector<LogEntry>     log_since(uint64_t after) const;
    uint64_t                  log_end() const { return log_seq_; }
    const PlayedWave*         sound(int number) const;

    // The gauge at a point of a window, topmost first, with the point in its own pixels.
    struct Hit {
        PlacedGauge* placed = nullptr;
        int          x = 0, y = 0;
    };
    std::optional<Hit>        gauge_at(int window, double x, double y);

private:
    void emit(const std::string& text);
    void log(std::string kind, std::string text, int sound = -1);
    void flush_frames();
    void record(const std::string& line);
    void collect_sounds(const std::string& source);
    void install_observers();
    void drop_host();
    void place_installed();
    void execute(const std::vector<std::string>& words);
    host::Gauge& gauge(const std::string& label);

    Layout                                    layout_;
    Options                                   options_;
    std::unique_ptr<host::PanelHost>          host_;
    host::Module*                             module_ = nullptr;   // the last 'module' line's
    std::function<void(const std::string&)>   sink_;
    std::vector<std::string>                  lines_;   // the scenario's commands
    std::vector<std::string>                  trace_;
    uint64_t                                  pending_frames_ = 0;
    uint64_t                                  frames_ = 0;
    bool                                      reproducible_ = true;
    std::set<uint32_t>                        tokens_read_;
    std::set<uint32_t>                        tokens_set_;
    std::set<std::string>                     expressions_asked_;
    std::set<std::string>                     expressions_set_;
    std::deque<LogEntry>                      log_;
    uint64_t                                  log_seq_ = 0;
    std::deque<PlayedWave>                    sounds_;
    int                                       first_sound_ = 0;   // number of sounds_.front()
    std::string                               activity_;          // what is running now, for the log
};

// The trace-line prefix of a time, as `gauge-host run` prints it ("t=1.500 ").
std::string time_prefix(double time);
// A word of a scenario line, quoted when it needs to be; throws HostError when it cannot be written.
std::string scenario_word(const std::string& word);
// A RIFF WAVE file of PCM samples in the given format.
std::vector<uint8_t> wave_file(uint16_t channels, uint32_t rate, uint16_t bits, const std::vector<uint8_t>& samples);

}  // namespace serve

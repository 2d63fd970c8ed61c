// Simulator state as the panel host keeps it: token values, key events sent by gauges, panel
// windows, and the answers to expression texts.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace host {

using Token = uint32_t;

struct TokenValue {
    bool    integer = false;   // read by gauges as a 32-bit integer in the low word
    double  number  = 0.0;
    int32_t whole   = 0;

    double as_double() const { return integer ? static_cast<double>(whole) : number; }
};

struct KeyEvent {
    uint32_t    id;
    uint32_t    value;
    std::string source;        // the gauge, or "host" for rectangles that carry an event id
};

class SimState {
public:
    // Tokens. Unknown tokens read as 0.0.
    void       set(Token token, double value);
    void       set_integer(Token token, int32_t value);
    TokenValue get(Token token) const;
    double     number(Token token) const { return get(token).as_double(); }
    // Marks a token as one that gauges read as an integer; its value is kept as an integer.
    void       declare_integer(Token token);
    bool       is_integer(Token token) const { return integer_tokens_.count(token) != 0; }

    // Key events, in the order they were sent: the latest event_log_limit to event_log_limit / 2 of
    // them. Gauges may send events at every frame, so a long flight keeps only the recent ones.
    static constexpr size_t      event_log_limit = 65536;
    void                         record_event(uint32_t id, uint32_t value, std::string source);
    const std::vector<KeyEvent>& events() const { return events_; }
    // How many events were sent before the first one kept.
    uint64_t                     events_forgotten() const { return events_forgotten_; }

    // Panel windows: open or closed. Unknown windows start closed.
    void toggle_window(uint32_t id);
    void set_window(uint32_t id, bool open);
    bool window_open(uint32_t id) const { return open_windows_.count(id) != 0; }

    // Expression texts answered by number or text. Unknown expressions answer 0 and "".
    void                       set_expression(std::string_view code, double number);
    void                       set_expression_text(const std::string& code, std::string text);
    std::optional<double>      expression_number(std::string_view code) const;
    std::optional<std::string> expression_text(std::string_view code) const;
    const std::string*         find_expression_text(std::string_view code) const;   // null when unknown

    // Host reactions to key events (aircraft systems): called after the event is recorded.
    using EventHandler = std::function<void(SimState&, const KeyEvent&)>;
    void on_event(uint32_t id, EventHandler handler) { handlers_[id].push_back(std::move(handler)); }

    double time() const { return time_; }
    void   advance(double seconds) { time_ += seconds; }

private:
    std::map<Token, TokenValue>                     tokens_;
    std::set<Token>                                 integer_tokens_;
    std::vector<KeyEvent>                           events_;
    uint64_t                                        events_forgotten_ = 0;
    std::set<uint32_t>                              open_windows_;
    std::map<std::string, double, std::less<>>      expression_numbers_;
    std::map<std::string, std::string, std::less<>> expression_texts_;
    std::map<uint32_t, std::vector<EventHandler>>   handlers_;
    double                                          time_ = 0.0;
};

}  // namespace host

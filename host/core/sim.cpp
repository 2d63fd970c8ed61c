#include "host/core/sim.h"

#include "host/core/limits.h"

namespace host {

void SimState::set(Token token, double value)
{
    TokenValue& v = tokens_[token];
    if (is_integer(token)) {
        v.integer = true;
        v.whole   = saturate_int32(value);
    } else {
        v.integer = false;
        v.number  = value;
    }
}

void SimState::set_integer(Token token, int32_t value)
{
    integer_tokens_.insert(token);
    TokenValue& v = tokens_[token];
    v.integer     = true;
    v.whole       = value;
}

TokenValue SimState::get(Token token) const
{
    auto it = tokens_.find(token);
    if (it != tokens_.end())
        return it->second;
    TokenValue v;
    v.integer = is_integer(token);
    return v;
}

void SimState::declare_integer(Token token)
{
    if (integer_tokens_.insert(token).second) {
        auto it = tokens_.find(token);
        if (it != tokens_.end() && !it->second.integer) {
            it->second.whole   = saturate_int32(it->second.number);
            it->second.integer = true;
        }
    }
}

void SimState::record_event(uint32_t id, uint32_t value, std::string source)
{
    if (events_.size() >= event_log_limit) {   // the older half goes; the room stays for the next
        events_.erase(events_.begin(), events_.begin() + event_log_limit / 2);
        events_forgotten_ += event_log_limit / 2;
    }
    events_.push_back(KeyEvent{id, value, std::move(source)});
    auto it = handlers_.find(id);
    if (it == handlers_.end())
        return;
    const KeyEvent event = events_.back();
    for (auto& handler : it->second)
        handler(*this, event);
}

void SimState::toggle_window(uint32_t id)
{
    if (!open_windows_.erase(id))
        open_windows_.insert(id);
}

void SimState::set_window(uint32_t id, bool open)
{
    if (open)
        open_windows_.insert(id);
    else
        open_windows_.erase(id);
}

// Asked at every frame with the same texts: a text already known is not made again.
void SimState::set_expression(std::string_view code, double number)
{
    auto it = expression_numbers_.find(code);
    if (it != expression_numbers_.end())
        it->second = number;
    else
        expression_numbers_.emplace(code, number);
}

void SimState::set_expression_text(const std::string& code, std::string text)
{
    expression_texts_[code] = std::move(text);
}

std::optional<double> SimState::expression_number(std::string_view code) const
{
    auto it = expression_numbers_.find(code);
    if (it == expression_numbers_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> SimState::expression_text(std::string_view code) const
{
    const std::string* text = find_expression_text(code);
    if (text == nullptr)
        return std::nullopt;
    return *text;
}

const std::string* SimState::find_expression_text(std::string_view code) const
{
    auto it = expression_texts_.find(code);
    return it == expression_texts_.end() ? nullptr : &it->second;
}

}  // namespace host

// The shared callbacks of the toggle buttons: what a button does is set by its parameter text.
//
//   o<window>  open that panel window at every click (each o in the text counts)
//   c<window>  close it; t<window> toggle it
//   p<n>       step the view n times forward (n > 0) or back (n < 0); p0 returns to the home view
//   a<window>  close that window once, when the panel first comes up
//   b<face>    wear another button face; h<help> another help id
#include "panel_buttons.h"

#include "options.h"

namespace {

constexpr int32_t  lowest_face     = 100;
constexpr int32_t  face_step       = 10;
// A view step count beyond any number of views a host has would only stall the panel.
constexpr int32_t  view_step_limit = 100;

bool has_text(const char* text) { return text != nullptr && text[0] != '\0'; }

// Sends event with the window named after every occurrence of key.
void send_for_each(const char* text, const char* key, uint32_t event_id)
{
    for (std::ptrdiff_t at = find_option(text, key); at != option_not_found; at = find_option(text, key)) {
        int32_t window = panel_window_id(text + at + 1);
        if (window >= 0)
            trigger_key_event(event_id, static_cast<uint32_t>(window));
        text += at + 1;
    }
}

void step_view(const char* text)
{
    std::ptrdiff_t at = find_option(text, "p");
    if (at == option_not_found)
        return;
    int32_t n = option_number(text + at + 1);
    if (n == 0) {
        trigger_key_event(event::view_home, 0);
        return;
    }
    uint32_t event_id = n > 0 ? event::view_forward : event::view_back;
    int32_t  steps    = n > 0 ? (n > view_step_limit ? view_step_limit : n)
                              : (n < -view_step_limit ? view_step_limit : -n);
    for (int32_t i = 0; i < steps; ++i)
        trigger_key_event(event_id, 0);
}

// Options b and h. An unusable face leaves the help id alone as well.
void apply_face_and_help(GaugeHeader* gauge, const char* text, uint32_t highest_face)
{
    std::ptrdiff_t b = find_option(text, "b");
    if (b != option_not_found) {
        int32_t        n    = option_number(text + b + 1);
        ElementHeader* face = gauge->elements ? gauge->elements[0] : nullptr;
        if (face == nullptr || n % face_step != 0 || n < lowest_face || n > static_cast<int32_t>(highest_face))
            return;
        face->bitmap_id = static_cast<uint32_t>(n);
    }
    std::ptrdiff_t h = find_option(text, "h");
    if (h != option_not_found && gauge->mouse_rects != nullptr)
        gauge->mouse_rects[0].help_id = help_id_from_text(text + h + 1);
}

}  // namespace

void panel_toggle_service(GaugeHeader* gauge, int32_t service_id, uint32_t highest_face)
{
    if (gauge == nullptr || service_id != service_pre_install)
        return;
    const char* text = gauge->parameters;
    if (has_text(text))
        apply_face_and_help(gauge, text, highest_face);
    // user_data marks the first installation since the module was loaded.
    if (gauge->user_data == 0) {
        std::ptrdiff_t a = has_text(text) ? find_option(text, "a") : option_not_found;
        if (a != option_not_found) {
            int32_t window = panel_window_id(text + a + 1);
            if (window >= 0)
                trigger_key_event(event::window_close, static_cast<uint32_t>(window));
        }
        gauge->user_data = 1;
    }
}

int32_t GAUGE_CALL panel_toggle_click(MouseClick* click, uint32_t)
{
    const GaugeHeader* gauge = click ? click->gauge : nullptr;
    if (gauge == nullptr)
        return 0;
    const char* text = gauge->parameters;
    if (!has_text(text)) {
        panel_window_toggle(panel_window::main_panel);
        return 0;
    }
    send_for_each(text, "o", event::window_open);
    send_for_each(text, "c", event::window_close);
    send_for_each(text, "t", event::window_toggle);
    step_view(text);
    return 0;
}

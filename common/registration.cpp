// Registration: the aircraft's registration painted on a plate, in the font and colour that the
// parameter text chooses.
//
// Options: t<text> as the very first option shows that text instead of the host's ATC identifier;
// r<n>, g<n>, b<n> set the text colour (0 to 255 each); f<font> names the font and is always the
// last option: everything after the f belongs to the font name.
#include <cstring>

#include "frame/module.h"
#include "options.h"

extern GaugeHeader registration_header;

static void GAUGE_CALL   registration_callback(GaugeHeader* gauge, int32_t service_id, HostWord);
static double GAUGE_CALL registration_update(ElementHeader* element);

// The host's ATC identifier as of the last update, copied: the host's own text only lasts until
// the next expression is evaluated.
static char atc_id[32];

static String plate_text = {
    .head = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .gauge = &registration_header,
             .image_flags = image_flags::plain},
    .sources = {module_var(0), module_var(0), module_var(0)},
    .box_width = 150, .box_height = 25,
    .text_colour = 0xFFFFFF, .background_colour = 0x000000, .highlight_colour = 0x5C5C5C,
    .font = "Arial", .font_weight = 400, .charset = 1, .format = 0x25, .char_count = 7,
    .callback = registration_update,
};
static ElementHeader* plate_next[] = {&plate_text.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 50, .gauge = &registration_header, .next = plate_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .action = {.text = "Registration number"}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader registration_header = {
    .version = gauge_header_version_800, .name = "Registration", .elements = elements, .size_x_mm = 150,
    .mouse_rects = mouse, .callback = registration_callback,
};

// Length of the options part of a parameter text: everything before the font option.
static std::size_t options_length(const char* text)
{
    std::ptrdiff_t f = find_option(text, "f");
    return f == option_not_found ? std::strlen(text) : static_cast<std::size_t>(f);
}

// One colour byte: the option's number, 255 for anything out of range, or the current byte.
static uint32_t colour_byte(const char* text, std::size_t length, const char* key, uint32_t current)
{
    std::ptrdiff_t at = find_option(text, length, key);
    if (at == option_not_found)
        return current;
    uint32_t n = static_cast<uint32_t>(option_number(text + at + 1));
    return n > 255 ? 255 : n;
}

// Copies at most capacity characters of source and terminates the copy.
static void copy_cut(char* to, std::size_t capacity, const char* source, std::size_t length)
{
    std::size_t n = 0;
    for (; n < capacity && n < length && source[n] != '\0'; ++n)
        to[n] = source[n];
    to[n] = '\0';
}

static void apply_font_and_colour(GaugeHeader* gauge)
{
    const char* text = gauge->parameters;
    if (text == nullptr || text[0] == '\0')
        return;
    ElementHeader* background = gauge->elements ? gauge->elements[0] : nullptr;
    if (background == nullptr || background->next == nullptr || background->next[0] == nullptr ||
        background->next[0]->kind != ElementKind::string)
        return;
    auto* s = reinterpret_cast<String*>(background->next[0]);

    std::size_t length = options_length(text);
    if (text[length] != '\0') {   // a font option: the rest of the text, cut to fit the field
        std::memset(s->font, 0, sizeof s->font);
        copy_cut(s->font, sizeof s->font - 1, text + length + 1, std::strlen(text + length + 1));
    }
    uint32_t red   = colour_byte(text, length, "r", s->text_colour & 0xFF);
    uint32_t green = colour_byte(text, length, "g", (s->text_colour >> 8) & 0xFF);
    uint32_t blue  = colour_byte(text, length, "b", (s->text_colour >> 16) & 0xFF);
    s->text_colour = red | green << 8 | blue << 16;
}

static void GAUGE_CALL registration_callback(GaugeHeader* gauge, int32_t service_id, HostWord)
{
    if (gauge == nullptr)
        return;
    if (service_id == service_pre_install) {
        apply_font_and_colour(gauge);
    } else if (service_id == service_pre_update) {
        const char* id = nullptr;
        execute_calculator_code("(A:ATC ID,string)", nullptr, nullptr, &id);
        copy_cut(atc_id, sizeof atc_id - 1, id ? id : "", sizeof atc_id);
    }
}

static double GAUGE_CALL registration_update(ElementHeader* element)
{
    auto* s = reinterpret_cast<String*>(element);
    if (s->text == nullptr)
        return s->sources[0].value.f64;

    // A leading t shows the text after it, up to the font option; otherwise the ATC identifier.
    const char* text = element->gauge ? element->gauge->parameters : nullptr;
    if (text != nullptr && find_option(text, "t") == 0)
        copy_cut(s->text, s->char_count, text + 1, options_length(text) - 1);
    else
        copy_cut(s->text, s->char_count, atc_id, sizeof atc_id);

    // Only the first word is shown, and underscores stand for blanks.
    std::ptrdiff_t blank = find_option(s->text, " ");
    if (blank != option_not_found)
        s->text[blank] = '\0';
    for (std::ptrdiff_t u = find_option(s->text, "_"); u != option_not_found; u = find_option(s->text, "_"))
        s->text[u] = ' ';
    return s->sources[0].value.f64;
}

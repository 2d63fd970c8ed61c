// Radio_ADF: the ADF receiver. A band selector (200-410, 410-850, 850-1750 kHz) with its drum, a
// tuning crank that steps 5 kHz (left click) or 0.5 kHz (right click) without leaving the band, a
// dial pointer across the band's scale, a frequency window, a power switch with its lamp and a
// volume knob. The host owns the receiver: the gauge reads its ADF frequency tokens and sends events;
// changing band sets the receiver to the edge of the new band.

#include "click_waves.h"
#include "common/element_text.h"
#include "common/numeric.h"
#include "common/radio_decoders.h"
#include "radio_power.h"

extern GaugeHeader radio_adf_header;

constexpr int steps_per_click = 5;

// Bands 1.0, 2.0 and 3.0 in order. The dial pointer runs from 0 at the band's low edge; its value
// is (kHz - low) × dial_tenths / 10.
struct AdfBand {
    double low, high;
    double dial_tenths;
};
static const AdfBand adf_bands[] = {
    {.low = 200.0, .high = 410.0, .dial_tenths = 5.0},
    {.low = 410.0, .high = 850.0, .dial_tenths = 4.0},
    {.low = 850.0, .high = 1750.0, .dial_tenths = 3.0},
};

static double     radio_adf_band  = 1.0;
static double     radio_adf_crank = 60.0;
static double     radio_adf_khz   = 0.0;   // as last decoded by the dial pointer or at pre-install
static double     radio_adf_dial  = 0.0;
static ClickSound adf_sound;

static double adf_frequency() { return decode_adf_whole_khz() + decode_adf_tenths() / 10.0; }

// The band record for an exact band value, or null.
static const AdfBand* current_band()
{
    for (int i = 0; i < 3; ++i)
        if (radio_adf_band == i + 1.0)
            return &adf_bands[i];
    return nullptr;
}

static double dial_value(const AdfBand& band, double khz) { return (khz - band.low) * band.dial_tenths / 10.0; }

static void send_times(uint32_t event_id, uint32_t value, int times)
{
    for (int i = 0; i < times; ++i)
        trigger_key_event(event_id, value);
}

static void GAUGE_CALL radio_adf_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    if (service_id == service_pre_install) {
        radio_adf_khz  = adf_frequency();
        radio_adf_band = radio_adf_khz <= 410.0 ? 1.0 : radio_adf_khz <= 850.0 ? 2.0 : 3.0;
        radio_adf_dial = dial_value(*current_band(), radio_adf_khz);
    }
    click_sound_service(adf_sound, service_id, extra, radio_click_wave);
}

// With the power off, or on a band value that is no band, the pointer stays where it was.
static double GAUGE_CALL dial_pointer(ElementHeader*)
{
    radio_adf_khz = adf_frequency();
    const AdfBand* band = current_band();
    if (radios.adf != 0 && band != nullptr)
        radio_adf_dial = dial_value(*band, radio_adf_khz);
    return radio_adf_dial;
}

// 345.5 kHz shows 0345.5, 1234.5 shows 1234.5; an unpowered set shows six spaces. The text is cut
// to the window's characters: a token outside the BCD range cannot write past the host's buffer.
static double GAUGE_CALL frequency_text(ElementHeader* element)
{
    const double f = adf_frequency();
    if (radios.adf != 0)
        write_element_text(element, f < 1000.0 ? "0%4.1f" : "%4.1f", f);
    else
        write_element_text(element, "%s", "      ");
    return 0.0;
}

static double GAUGE_CALL crank(ElementHeader*) { return radio_adf_crank; }
static double GAUGE_CALL band_knob(ElementHeader*) { return radio_adf_band; }

// Turns the band's label under the drum's window.
static double GAUGE_CALL drum_angle(ElementHeader*) { return (1.0 - radio_adf_band) * 90.0; }

// The two switch pictures re-assert the host's ADF audio at every update: on while power and
// volume are both on, off otherwise.
static double GAUGE_CALL volume_icon(ElementHeader*)
{
    if (radios.adf_audio != 0) {
        if (radios.adf != 0)
            trigger_key_event(event::adf_audio_on, 0);
        return 1.0;
    }
    trigger_key_event(event::adf_audio_off, 0);
    return 0.0;
}

static double GAUGE_CALL power_lamp(ElementHeader*) { return radios.adf != 0 ? 0.0 : -1.0; }

static double GAUGE_CALL power_switch(ElementHeader*)
{
    if (radios.adf == 0) {
        trigger_key_event(event::adf_audio_off, 0);
        return 0.0;
    }
    if (radios.adf_audio != 0)
        trigger_key_event(event::adf_audio_on, 0);
    return 1.0;
}

static int32_t GAUGE_CALL power_toggle(MouseClick*, uint32_t)
{
    flip_and_click(radios.adf, adf_sound);
    return 0;
}

static int32_t GAUGE_CALL volume_toggle(MouseClick*, uint32_t)
{
    flip_and_click(radios.adf_audio, adf_sound);
    return 0;
}

// Going up the receiver is set to the new band's low edge, going down to its top edge.
static int32_t GAUGE_CALL band_up(MouseClick*, uint32_t)
{
    if (radios.adf == 0 || !(radio_adf_band < 3.0))
        return 0;
    radio_adf_band += 1.0;
    play_click(adf_sound);
    radio_adf_dial = 0.0;
    if (radio_adf_band == 2.0)
        trigger_key_event(event::adf_set, rebase_digits(4100, 10, 16));
    else if (radio_adf_band == 3.0)
        trigger_key_event(event::adf_set, rebase_digits(8500, 10, 16));
    return 0;
}

static int32_t GAUGE_CALL band_down(MouseClick*, uint32_t)
{
    if (radios.adf == 0 || !(radio_adf_band > 1.0))
        return 0;
    radio_adf_band -= 1.0;
    play_click(adf_sound);
    if (radio_adf_band == 1.0) {
        radio_adf_dial = 105.0;
        trigger_key_event(event::adf_set, rebase_digits(4100, 10, 16));
    } else if (radio_adf_band == 2.0) {
        radio_adf_dial = 176.0;
        trigger_key_event(event::adf_set, rebase_digits(8500, 10, 16));
    }
    return 0;
}

// A left click steps 5 kHz, a right click (only without the left bit) 0.5 kHz, each as five host
// events. The limits test the frequency as last decoded, so that a step never leaves the band.
static int32_t GAUGE_CALL tune_up(MouseClick*, uint32_t mouse_flags)
{
    const AdfBand* band = current_band();
    if (radios.adf == 0 || band == nullptr)
        return 0;
    if (mouse_flags & MOUSE_LEFTSINGLE) {
        if (radio_adf_khz <= band->high - 5.0) {
            send_times(event::adf_whole_up, 0, steps_per_click);
            radio_adf_crank += 5.0;
        }
    } else if (mouse_flags & MOUSE_RIGHTSINGLE) {
        if (radio_adf_khz <= band->high - 0.5) {
            send_times(event::adf_tenths_up, 0, steps_per_click);
            radio_adf_crank += 1.0;
        }
    }
    return 0;
}

static int32_t GAUGE_CALL tune_down(MouseClick*, uint32_t mouse_flags)
{
    const AdfBand* band = current_band();
    if (radios.adf == 0 || band == nullptr)
        return 0;
    if (mouse_flags & MOUSE_LEFTSINGLE) {
        if (radio_adf_khz >= band->low + 5.0) {
            send_times(event::adf_whole_down, 0, steps_per_click);
            radio_adf_crank -= 5.0;
        }
    } else if (mouse_flags & MOUSE_RIGHTSINGLE) {
        if (radio_adf_khz >= band->low + 0.5) {
            send_times(event::adf_tenths_down, 0, steps_per_click);
            radio_adf_crank -= 1.0;
        }
    }
    return 0;
}

static FailureRecord window_failures[] = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 5}, {.key = 0}};
static FailureRecord lamp_failures[]   = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 0}};

static Icon switch_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 250, .x = 237, .y = 215, .gauge = &radio_adf_header,
                    .image_flags = image_flags::plain},
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = power_switch,
};
static ElementHeader* lamp_next[] = {&switch_icon.head, nullptr};

static Icon lamp = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 260, .x = 290, .y = 6, .gauge = &radio_adf_header,
                    .next = lamp_next, .failures = lamp_failures, .image_flags = image_flags::lamp},
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = power_lamp,
};
static ElementHeader* volume_next[] = {&lamp.head, nullptr};

static Icon volume = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 270, .x = 25, .y = 183, .gauge = &radio_adf_header,
                    .next = volume_next, .image_flags = image_flags::plain},
    .source      = module_var(token::adf_volume),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = volume_icon,
};
static ElementHeader* drum_next[] = {&volume.head, nullptr};

static Sprite drum = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 280, .x = 91, .y = 54, .offset_x = 168,
                        .offset_y = 150, .gauge = &radio_adf_header, .next = drum_next,
                        .image_flags = image_flags::needle},
    .x_scale         = 1.0,
    .y_scale         = 1.0,
    .angle_scale     = 1.0,
    .texture_x_scale = 1.0f, .texture_y_scale = 1.0f,
    .angle_callback  = drum_angle,
};
static ElementHeader* knob_next[] = {&drum.head, nullptr};

// One band is half a turn of the knob.
static NonlinearityEntry knob_table[] = {{164, 123, 0.0}, {164, 199, 1.0}};

static Needle knob = {
    .head        = {.kind = ElementKind::needle, .bitmap_id = 230, .x = 164, .y = 161, .offset_x = 38, .offset_y = 38,
                    .gauge = &radio_adf_header, .next = knob_next, .image_flags = image_flags::knob},
    .table       = knob_table,
    .table_count = count_of(knob_table),
    .callback    = band_knob,
};
static ElementHeader* crank_next[] = {&knob.head, nullptr};

// 60 units are half a turn of the crank: 3 degrees a unit.
static NonlinearityEntry crank_table[] = {{166, 222, 0.0}, {166, 282, 60.0}};

static Needle crank_handle = {
    .head        = {.kind = ElementKind::needle, .bitmap_id = 240, .x = 166, .y = 252, .offset_x = 24, .offset_y = 21,
                    .gauge = &radio_adf_header, .next = crank_next, .image_flags = image_flags::knob},
    .table       = crank_table,
    .table_count = count_of(crank_table),
    .callback    = crank,
};
static ElementHeader* window_next[] = {&crank_handle.head, nullptr};

static String window = {
    .head              = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 190, .y = 14,
                          .gauge = &radio_adf_header, .next = window_next, .failures = window_failures,
                          .image_flags = image_flags::lamp},
    .sources           = {module_var(token::adf_whole), module_var(0), module_var(0)},
    .box_width         = 60, .box_height = 20,
    .text_colour       = 0x868686, .background_colour = 0x000000, .highlight_colour = 0x00FFFF,
    .font              = "Quartz",
    .font_weight       = 400,
    .charset           = 1,
    .format            = 0x25,
    .char_count        = 6,
    .callback          = frequency_text,
};
static ElementHeader* overlay_next[] = {&window.head, nullptr};

static StaticImage overlay = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 300, .gauge = &radio_adf_header, .next = overlay_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* pointer_next[] = {&overlay.head, nullptr};

// The pointer's value is its angle in degrees: 0 straight up, 180 straight down.
static NonlinearityEntry pointer_table[] = {{168, 52, 0.0}, {168, 248, 180.0}};

static Needle pointer = {
    .head        = {.kind = ElementKind::needle, .bitmap_id = 290, .x = 168, .y = 150, .offset_x = 98, .offset_y = 98,
                    .gauge = &radio_adf_header, .next = pointer_next, .image_flags = image_flags::needle},
    .table       = pointer_table,
    .table_count = count_of(pointer_table),
    .callback    = dial_pointer,
};
static ElementHeader* face_next[] = {&pointer.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 220, .gauge = &radio_adf_header, .next = face_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// The band zones overlap between x = 164 and 171; the host decides which answers there.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = help::adf_radio},
    {.type = mouse_rect_tooltip, .help_id = help::adf_tooltip},
    {.type = mouse_rect_child, .x = 237, .y = 215, .width = 78, .height = 78, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = power_toggle}},
    {.type = mouse_rect_child, .x = 25, .y = 183, .width = 74, .height = 74, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = volume_toggle}},
    {.type = mouse_rect_child, .x = 126, .y = 123, .width = 45, .height = 90, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = band_down}},
    {.type = mouse_rect_child, .x = 164, .y = 123, .width = 45, .height = 90, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = band_up}},
    {.type = mouse_rect_child, .x = 122, .y = 209, .width = 45, .height = 90, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_REPEAT, .action = {.callback = tune_down}},
    {.type = mouse_rect_child, .x = 167, .y = 209, .width = 45, .height = 90, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_REPEAT, .action = {.callback = tune_up}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader radio_adf_header = {
    .version = gauge_header_version_800, .name = "Radio_ADF", .elements = elements, .size_x_mm = 150,
    .mouse_rects = mouse, .callback = radio_adf_callback,
};

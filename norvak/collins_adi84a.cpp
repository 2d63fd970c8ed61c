// Collins_ADI84A: the attitude director indicator. An attitude sphere moved by pitch and turned by
// bank, a bank pointer, flight-director command bars, glideslope and localizer pointers with their
// warning devices, a radio-altitude tape with its RAD ALT flag, a DH lamp, a GYRO/COMPUTER flag and a
// slip ball. No gauge callback, no click zones: everything happens in the element callbacks.
#include "avionics_power.h"
#include "common/element_text.h"
#include "frame/module.h"

extern GaugeHeader collins_adi84a_header;

double radio_height_ft = 0.0;   // the tape's last height in feet, shown in its tooltip

constexpr double   feet_per_metre        = 3.28084;
constexpr double   antenna_height_ft     = 14.0;   // subtracted for the tape, not for the flags
constexpr double   decision_height_ft    = 214.0;
constexpr double   attitude_stop         = 40.0;   // sphere and command bars

static double limit(double v)
{
    return v < -attitude_stop ? -attitude_stop : v > attitude_stop ? attitude_stop : v;
}

static double GAUGE_CALL sphere_pitch(ElementHeader* element)
{
    return limit(reinterpret_cast<Sprite*>(element)->y_source.value.f64);
}

// Pitch minus the commanded pitch; the bars hide while the flight director is off.
static double GAUGE_CALL bar_height(ElementHeader* element)
{
    double v = -reinterpret_cast<Sprite*>(element)->y_source.value.f64;
    set_hidden(element, read_token(token::flight_director) == 0.0);
    v += read_token(token::pitch);
    return limit(v);
}

static double GAUGE_CALL bar_bank(ElementHeader* element)
{
    double v = -reinterpret_cast<Sprite*>(element)->angle_source.value.f64;
    if (read_token(token::flight_director) == 0.0)
        return 0.0;
    return v + read_token(token::bank);
}

static double GAUGE_CALL tape(ElementHeader* element)
{
    radio_height_ft = reinterpret_cast<MovingImage*>(element)->y_source.value.f64 * feet_per_metre - antenna_height_ft;
    return radio_height_ft;
}

static double GAUGE_CALL radio_height_tooltip(TooltipHostArgs) { return radio_height_ft; }

// Frame 0 shows a flag or lamp; -1 shows nothing.
static double GAUGE_CALL rad_alt_flag(ElementHeader* element)
{
    return reinterpret_cast<Icon*>(element)->source.value.f64 * feet_per_metre > 2010.0 ? 0.0 : -1.0;
}

static double GAUGE_CALL glideslope_pointer(ElementHeader* element)
{
    Slider* slider = reinterpret_cast<Slider*>(element);
    set_hidden(element, avionics.nav1 == 0 || read_token(token::glideslope_valid) < 0.5);
    return slider->y_source.value.f64;
}

static double GAUGE_CALL square(ElementHeader* element)
{
    double v = reinterpret_cast<Slider*>(element)->y_source.value.f64;
    return v * v;
}

// NAV1 off, a failed receiver or, in NAV mode (nav_gps 0), a flagged or weak (below 20) signal: the
// GS flag shows and the localizer scale stays covered.
static bool nav1_unusable()
{
    if (avionics.nav1 == 0 || read_token_u32(token::nav_receiver_failed) != 0)
        return true;
    return read_token(token::nav_gps) == 0.0 &&
           (read_token_u32(token::nav_signal_flagged) != 0 || read_token(token::nav_signal_strength) < 20.0);
}

static double GAUGE_CALL gs_flag(ElementHeader* element)
{
    if (nav1_unusable())
        return 0.0;
    return reinterpret_cast<Icon*>(element)->source.value.f64 == 1.0 ? -1.0 : 0.0;
}

// The cover comes off only for a usable localizer with a signal.
static double GAUGE_CALL localizer_cover(ElementHeader* element)
{
    if (nav1_unusable() || reinterpret_cast<Icon*>(element)->source.value.f64 == 0.0)
        return 0.0;
    return (read_token_u32(token::vor1_station_flags) & station_flag::localizer) != 0 ? -1.0 : 0.0;
}

static double GAUGE_CALL gyro_flag(ElementHeader*)
{
    bool failed = read_token_u32(token::nav_receiver_failed) != 0;
    bool gyro   = read_token(token::gyro_warning) > 0.0;
    bool fd     = read_token(token::computer_warning) > 0.0;
    return failed || gyro || fd ? 0.0 : -1.0;
}

// Lit below the decision height while descending, while both engines' DH conditions are below 0.9
// and the shut-down condition is 0.
static double GAUGE_CALL dh_lamp(ElementHeader* element)
{
    double ft         = reinterpret_cast<Icon*>(element)->source.value.f64 * feet_per_metre;
    double condition  = read_token(token::shut_down_condition);
    double descending = read_token(token::vertical_speed);
    double a          = read_token(token::engine1_dh_condition);
    double b          = read_token(token::engine2_dh_condition);
    bool   lit = ft < decision_height_ft && descending < 0.0 && a < 0.9 && b < 0.9 && condition == 0.0;
    return lit ? 0.0 : -1.0;
}

static FailureRecord attitude_failures[] = {{.key = 8, .action = 0}, {.key = 2, .action = 0},
                                            {.key = 4, .action = 0}, {.key = 0}};
static FailureRecord radio_failures[]    = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 0}};
static FailureRecord nav1_failures[]     = {{.key = 21, .action = 3}, {.key = 14, .action = 3}, {.key = 0}};

static Icon dh_lamp_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1070, .x = 256, .y = 25, .gauge = &collins_adi84a_header,
                    .failures = radio_failures, .image_flags = image_flags::lamp},
    .source      = module_var(token::radio_height),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = dh_lamp,
};
static ElementHeader* bezel_next[] = {&dh_lamp_icon.head, nullptr};

static StaticImage bezel = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1060, .gauge = &collins_adi84a_header, .next = bezel_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* symbol_next[] = {&bezel.head, nullptr};

static StaticImage bank_scale_and_symbol = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1040, .x = 43, .y = 0, .gauge = &collins_adi84a_header,
             .next = symbol_next, .image_flags = image_flags::face},
};
static ElementHeader* gyro_flag_next[] = {&bank_scale_and_symbol.head, nullptr};

static Icon gyro_flag_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1050, .x = 49, .y = 168, .gauge = &collins_adi84a_header,
                    .next = gyro_flag_next, .image_flags = image_flags::needle},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = gyro_flag,
};
static ElementHeader* gs_flag_next[] = {&gyro_flag_icon.head, nullptr};

static Icon gs_flag_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1090, .x = 21, .y = 83, .gauge = &collins_adi84a_header,
                    .next = gs_flag_next, .image_flags = image_flags::face},
    .source      = module_var(token::glideslope_valid),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = gs_flag,
};
static ElementHeader* cover_next[] = {&gs_flag_icon.head, nullptr};

static Icon localizer_cover_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1120, .x = 87, .y = 191, .gauge = &collins_adi84a_header,
                    .next = cover_next, .image_flags = image_flags::face},
    .source      = module_var(token::localizer_signal),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = localizer_cover,
};
static ElementHeader* rad_alt_flag_next[] = {&localizer_cover_icon.head, nullptr};

static Icon rad_alt_flag_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1130, .x = 245, .y = 83, .gauge = &collins_adi84a_header,
                    .next = rad_alt_flag_next, .image_flags = image_flags::face},
    .source      = module_var(token::radio_height),
    .scale       = 0.0,
    .frame_count = 1,
    .callback    = rad_alt_flag,
};
static ElementHeader* slip_ball_next[] = {&rad_alt_flag_icon.head, nullptr};

// The ball rises by the square of its sideways motion: a tube curved upward at both ends.
static Slider slip_ball = {
    .head       = {.kind = ElementKind::slider, .bitmap_id = 1080, .x = 139, .y = 255, .gauge = &collins_adi84a_header,
                   .next = slip_ball_next, .image_flags = image_flags::needle},
    .x_source   = module_var(token::slip_ball), .x_scale = 0.4609375,
    .y_source   = module_var(token::slip_ball), .y_scale = -0.0003662109375,
    .y_callback = square,
};
static ElementHeader* glideslope_next[] = {&slip_ball.head, nullptr};

static Slider glideslope = {
    .head       = {.kind = ElementKind::slider, .bitmap_id = 1100, .x = 24, .y = 134, .gauge = &collins_adi84a_header,
                   .next = glideslope_next, .failures = nav1_failures, .image_flags = image_flags::needle},
    .x_source   = module_var(token::glideslope_valid), .x_scale = 1.0,
    .y_source   = module_var(token::glideslope_deviation), .y_scale = 42.0,
    .y_callback = glideslope_pointer,
};
static ElementHeader* localizer_next[] = {&glideslope.head, nullptr};

// Full deflection (127) moves the pointer 47 pixels.
static Slider localizer = {
    .head     = {.kind = ElementKind::slider, .bitmap_id = 1110, .x = 135, .y = 192, .gauge = &collins_adi84a_header,
                 .next = localizer_next, .failures = nav1_failures, .image_flags = image_flags::needle},
    .x_source = module_var(token::localizer_deviation), .x_scale = 0.3700787401574803,
    .y_source = module_var(0), .y_scale = 0.0,
};
static ElementHeader* tape_index_next[] = {&localizer.head, nullptr};

static Icon tape_index = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1150, .x = 250, .y = 96, .gauge = &collins_adi84a_header,
                    .next = tape_index_next, .image_flags = image_flags::face},
    .source      = module_var(0),
    .scale       = 0.0,
    .frame_count = 1,
};
static ElementHeader* tape_next[] = {&tape_index.head, nullptr};

static MovingImage radio_altitude_tape = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 1140, .x = 248, .y = 84,
                   .gauge = &collins_adi84a_header, .next = tape_next, .failures = radio_failures,
                   .image_flags = image_flags::needle},
    .x_source   = module_var(0), .x_min = 0.0, .x_max = 0.0,
    .y_source   = module_var(token::radio_height), .y_min = 0.0, .y_max = 2000.0,
    .y_callback = tape,
};
static ElementHeader* bars_next[] = {&radio_altitude_tape.head, nullptr};

// The flight director's x source only carries its on flag: the x scale of 0 keeps the bars centred.
static Sprite command_bars = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 1030, .x = 49, .y = 38, .offset_x = 148,
                        .offset_y = 158, .gauge = &collins_adi84a_header, .next = bars_next,
                        .failures = attitude_failures, .image_flags = image_flags::needle},
    .x_source        = module_var(token::flight_director), .x_scale = 0.0,
    .y_source        = module_var(token::flight_director_pitch), .y_scale = 1.0,
    .angle_source    = module_var(token::flight_director_bank), .angle_scale = -1.0,
    .texture_x_scale = 1.0f, .texture_y_scale = 1.0f,
    .y_callback      = bar_height,
    .angle_callback  = bar_bank,
};
static ElementHeader* bank_pointer_next[] = {&command_bars.head, nullptr};

static Sprite bank_pointer = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 1010, .x = 49, .y = 38, .offset_x = 148,
                        .offset_y = 158, .gauge = &collins_adi84a_header, .next = bank_pointer_next,
                        .failures = attitude_failures, .image_flags = image_flags::needle},
    .x_source        = module_var(0), .x_scale = 0.0,
    .y_source        = module_var(0), .y_scale = 1.0,
    .angle_source    = module_var(token::bank), .angle_scale = -1.0,
    .texture_x_scale = 1.0f, .texture_y_scale = 1.0f,
};
static ElementHeader* sphere_next[] = {&bank_pointer.head, nullptr};

static Sprite sphere = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 1020, .x = 49, .y = 38, .offset_x = 148,
                        .offset_y = 128, .gauge = &collins_adi84a_header, .next = sphere_next,
                        .failures = attitude_failures, .image_flags = image_flags::needle},
    .x_source        = module_var(0), .x_scale = 0.0,
    .y_source        = module_var(token::pitch), .y_scale = 2.0,
    .angle_source    = module_var(token::bank), .angle_scale = -1.0,
    .texture_x_scale = 0.75f, .texture_y_scale = 1.0f,
    .y_callback      = sphere_pitch,
};
static ElementHeader* face_next[] = {&sphere.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1000, .gauge = &collins_adi84a_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static TooltipArg radio_height_args[] = {{.callback = radio_height_tooltip}};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 50, .y = 0, .width = 190, .height = 190, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .cursor = CURSOR_NONE, .help_id = 0x3092},
    {.type = mouse_rect_end_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 80, .width = 50, .height = 123, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .cursor = CURSOR_NONE, .action = {.text = "Glideslope indicator"}},
    {.type = mouse_rect_end_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 240, .y = 80, .width = 50, .height = 123, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .cursor = CURSOR_NONE, .arg_count = 1,
     .action = {.text = "Height above ground level (%1!d! feet)"}, .args = radio_height_args},
    {.type = mouse_rect_end_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 77, .y = 191, .width = 140, .height = 30, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .cursor = CURSOR_NONE, .action = {.text = "Localiser indicator"}},
    {.type = mouse_rect_end_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 77, .y = 246, .width = 140, .height = 30, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .cursor = CURSOR_NONE, .action = {.text = "Sideslip indicator"}},
    {.type = mouse_rect_end_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_end_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_end, .cursor = CURSOR_NONE},
};

GaugeHeader collins_adi84a_header = {
    .version = gauge_header_version_800, .name = "Collins_ADI84A", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

// Collins_RMI36: the radio magnetic indicator. A compass card turned by the heading and two bearing
// needles, each with its own selector knob: the left one switches needle 470 between VOR1 and the
// ADF, the right one needle 460 between VOR2 and the ADF. A needle whose receiver is off, or whose
// VOR receiver is tuned to a localizer, parks at 90.
#include "avionics_power.h"
#include "click_wave.h"
#include "frame/module.h"

extern GaugeHeader collins_rmi36_header;

int32_t rmi_left_adf  = 0;   // needle 470: 0 VOR1, 1 ADF
int32_t rmi_right_adf = 0;   // needle 460: 0 VOR2, 1 ADF

constexpr double   parked             = 90.0;

static ClickSound rmi_sound;

static void GAUGE_CALL rmi_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(rmi_sound, service_id, extra, click_wave_id);
}

// The needle's source token follows its selector; the host fetches the new source from the next
// update on, so the update right after a turn still shows the previous source's value.
static double bearing(Needle* needle, int32_t use_adf, uint32_t vor_bearing, int32_t vor_power, uint32_t station_flags)
{
    if (use_adf != 0) {
        needle->source.token = token::adf_bearing;
        return avionics.adf != 0 ? needle->source.value.f64 : parked;
    }
    needle->source.token = vor_bearing;
    if (vor_power == 0)
        return parked;
    if ((read_token_u32(station_flags) & station_flag::localizer) != 0)
        return parked;
    return needle->source.value.f64;
}

static double GAUGE_CALL right_needle_update(ElementHeader* element)
{
    return bearing(reinterpret_cast<Needle*>(element), rmi_right_adf, token::vor2_bearing, avionics.nav2,
                   token::vor2_station_flags);
}

static double GAUGE_CALL left_needle_update(ElementHeader* element)
{
    return bearing(reinterpret_cast<Needle*>(element), rmi_left_adf, token::vor1_bearing, avionics.nav1,
                   token::vor1_station_flags);
}

static double GAUGE_CALL left_selector_frame(ElementHeader*) { return rmi_left_adf; }
static double GAUGE_CALL right_selector_frame(ElementHeader*) { return rmi_right_adf; }

static int32_t GAUGE_CALL left_selector_click(MouseClick*, uint32_t)
{
    flip_and_click(rmi_left_adf, rmi_sound);
    return 0;
}

static int32_t GAUGE_CALL right_selector_click(MouseClick*, uint32_t)
{
    flip_and_click(rmi_right_adf, rmi_sound);
    return 0;
}

// Value 0 straight above the pivot, 180 straight below: the needle value is its angle in degrees.
static NonlinearityEntry bearing_table[] = {
    {.x = 150, .y = 50, .value = 0.0},
    {.x = 150, .y = 250, .value = 180.0},
};

static FailureRecord card_failures[]         = {{.key = 20, .action = 1}, {.key = 11, .action = 0}, {.key = 0}};
static FailureRecord right_needle_failures[] = {{.key = 20, .action = 1}, {.key = 5, .action = 0},
                                                {.key = 15, .action = 0}, {.key = 21, .action = 0}, {.key = 0}};
static FailureRecord left_needle_failures[]  = {{.key = 20, .action = 1}, {.key = 5, .action = 0},
                                                {.key = 14, .action = 0}, {.key = 21, .action = 0}, {.key = 0}};

static Icon right_selector = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 440, .x = 206, .y = 206, .gauge = &collins_rmi36_header,
                    .image_flags = image_flags::plain},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = right_selector_frame,
};
static ElementHeader* left_selector_next[] = {&right_selector.head, nullptr};

static Icon left_selector = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 450, .x = 35, .y = 206, .gauge = &collins_rmi36_header,
                    .next = left_selector_next, .image_flags = image_flags::plain},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = left_selector_frame,
};
static ElementHeader* bezel_next[] = {&left_selector.head, nullptr};

static StaticImage bezel = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 480, .gauge = &collins_rmi36_header, .next = bezel_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* left_needle_next[] = {&bezel.head, nullptr};

static Needle left_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 470, .x = 150, .y = 150, .offset_x = 87, .offset_y = 9,
                 .gauge = &collins_rmi36_header, .next = left_needle_next, .failures = left_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::vor1_bearing),
    .table    = bearing_table, .table_count = count_of(bearing_table),
    .callback = left_needle_update,
};
static ElementHeader* right_needle_next[] = {&left_needle.head, nullptr};

static Needle right_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 460, .x = 150, .y = 150, .offset_x = 85, .offset_y = 14,
                 .gauge = &collins_rmi36_header, .next = right_needle_next, .failures = right_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::vor2_bearing),
    .table    = bearing_table, .table_count = count_of(bearing_table),
    .callback = right_needle_update,
};
static ElementHeader* card_next[] = {&right_needle.head, nullptr};

static Sprite card = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 430, .x = 35, .y = 35, .offset_x = 150,
                        .offset_y = 150, .gauge = &collins_rmi36_header, .next = card_next, .failures = card_failures,
                        .image_flags = image_flags::needle},
    .x_source        = module_var(0), .x_scale = 0.0,
    .y_source        = module_var(0), .y_scale = 0.0,
    .angle_source    = module_var(token::heading), .angle_scale = 1.0,
    .texture_x_scale = 1.0f, .texture_y_scale = 1.0f,
};
static ElementHeader* face_next[] = {&card.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 420, .gauge = &collins_rmi36_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB5A},
    {.type = mouse_rect_child, .x = 35, .y = 206, .width = 59, .height = 59, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = left_selector_click}},
    {.type = mouse_rect_child, .x = 206, .y = 206, .width = 59, .height = 59, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = right_selector_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_rmi36_header = {
    .version = gauge_header_version_800, .name = "Collins_RMI36", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = rmi_callback,
};

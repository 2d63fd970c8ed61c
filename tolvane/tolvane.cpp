// Tolvane: a stall warning lamp, lit while the host reports a stall warning.
//
// The gauge uses the older header (version 610): it drives its own element list through the seven
// routines below, each handing the background (the first element) to the host's element-list
// service and returning the host's answer unchanged.
#include "frame/module.h"

static uint32_t GAUGE_CALL tolvane_query();
static uint32_t GAUGE_CALL tolvane_install(HostWord arg);
static uint32_t GAUGE_CALL tolvane_initialize();
static void GAUGE_CALL     tolvane_update();
static uint32_t GAUGE_CALL tolvane_generate(HostWord arg);
static uint32_t GAUGE_CALL tolvane_draw();
static uint32_t GAUGE_CALL tolvane_kill();

extern GaugeHeader610 tolvane_header;

static FailureRecord lamp_failures[] = {
    {.key = 20, .action = 3},
    {.key = 0},
};

static Icon610 lamp = {
    .head = {
        .kind        = ElementKind::icon,
        .bitmap_id   = 0x2000,
        .gauge       = reinterpret_cast<GaugeHeader*>(&tolvane_header),
        .failures    = lamp_failures,
        .image_flags = image_flags::lamp,
    },
    .source      = module_var(0),
    .scale       = 0.0,
    .frame_count = 1,
};

static ElementHeader* background_children[] = {&lamp.head, nullptr};

static StaticImage610 background = {
    .head = {
        .kind        = ElementKind::static_image,
        .bitmap_id   = 0x1000,
        .gauge       = reinterpret_cast<GaugeHeader*>(&tolvane_header),
        .next        = background_children,
        .image_flags = image_flags::plain,
    },
};

static ElementHeader* tolvane_elements[] = {&background.head, nullptr};

GaugeHeader610 tolvane_header = {
    .version    = gauge_header_version_610,
    .name       = "Tolvane",
    .elements   = tolvane_elements,
    .query      = tolvane_query,
    .install    = tolvane_install,
    .initialize = tolvane_initialize,
    .update     = tolvane_update,
    .generate   = tolvane_generate,
    .draw       = tolvane_draw,
    .kill       = tolvane_kill,
    .size_x_mm  = 60,
};

static ModuleVar stall_warning = module_var(token::stall_warning);

static uint32_t GAUGE_CALL tolvane_query() { return element_list_query(tolvane_elements[0]); }
static uint32_t GAUGE_CALL tolvane_install(HostWord arg) { return element_list_install(tolvane_elements[0], arg); }
static uint32_t GAUGE_CALL tolvane_initialize() { return element_list_initialize(tolvane_elements[0]); }
static uint32_t GAUGE_CALL tolvane_generate(HostWord arg) { return element_list_generate(tolvane_elements[0], arg); }
static uint32_t GAUGE_CALL tolvane_draw() { return element_list_plot(tolvane_elements[0]); }
static uint32_t GAUGE_CALL tolvane_kill() { return element_list_kill(tolvane_elements[0]); }

static void GAUGE_CALL tolvane_update()
{
    lookup_var(&stall_warning);
    if (stall_warning.value.f64 == 0.0)
        lamp.head.image_flags |= image_flags::hidden;
    else
        lamp.head.image_flags &= ~image_flags::hidden;
}

// Engine selection by parameter: the host numbers per-engine items in blocks, each with its own
// stride from one engine to the next.
#include "engine_selection.h"

#include <initializer_list>

#include "options.h"

namespace {

constexpr StrideRange token_ranges[] = {
    {0x7F, 0xA1, 35},   {0x186, 0x1AC, 39}, {0x22E, 0x237, 10}, {0x260, 0x260, 1},
    {0x270, 0x282, 19}, {0x2BC, 0x2C3, 8},  {0x2DC, 0x2DD, 2},  {0x2F9, 0x2FA, 2},
    {0x321, 0x321, 1},  {0x373, 0x373, 1},  {0x377, 0x377, 1},  {0x37B, 0x37B, 1},
    {0x37F, 0x37F, 1},  {0x383, 0x383, 1},
};

constexpr StrideRange event_ranges[] = {
    {0x10187, 0x1018C, 6},
    {0x101AB, 0x101AF, 5}, {0x101BF, 0x101C3, 5}, {0x101D3, 0x101D7, 5},
    {0x10221, 0x10223, 3}, {0x10374, 0x10376, 3},
    {0x1024E, 0x1024F, 2}, {0x10319, 0x1031A, 2},
    {0x10002, 0x10002, 1}, {0x1011C, 0x1011C, 1}, {0x1017F, 0x1017F, 1}, {0x10183, 0x10183, 1},
    {0x102FC, 0x102FC, 1}, {0x10309, 0x10309, 1}, {0x10324, 0x10324, 1}, {0x10329, 0x10329, 1},
    {0x1032D, 0x1032D, 1}, {0x10337, 0x10337, 1}, {0x1033B, 0x1033B, 1}, {0x10360, 0x10360, 1},
    {0x103B4, 0x103B4, 1}, {0x103B8, 0x103B8, 1}, {0x103BE, 0x103BE, 1}, {0x103E9, 0x103E9, 1},
    {0x1044B, 0x1044B, 1}, {0x10450, 0x10450, 1}, {0x10455, 0x10455, 1},
};

constexpr StrideRange tooltip_ranges[] = {
    {0x30A1, 0x30A1, 1}, {0x30A9, 0x30A9, 1}, {0x30B1, 0x30B1, 1}, {0x30C1, 0x30C1, 1}, {0x30C6, 0x30C6, 1},
    {0x30CB, 0x30CB, 1}, {0x30D1, 0x30D1, 1}, {0x30D9, 0x30D9, 1}, {0x30E1, 0x30E1, 1}, {0x30E9, 0x30E9, 1},
    {0x30F1, 0x30F1, 1}, {0x30F9, 0x30F9, 1}, {0x3101, 0x3101, 1}, {0x3109, 0x3109, 1}, {0x3191, 0x3191, 1},
    {0x3199, 0x3199, 1}, {0x31A1, 0x31A1, 1}, {0x31A9, 0x31A9, 1}, {0x31C1, 0x31C1, 1}, {0x31C6, 0x31C6, 1},
    {0x31CB, 0x31CB, 1}, {0x31D1, 0x31D1, 1}, {0x31D6, 0x31D6, 1}, {0x31E1, 0x31E1, 1}, {0x31E9, 0x31E9, 1},
    {0x31F9, 0x31F9, 1}, {0x3211, 0x3211, 1}, {0x3233, 0x3233, 1}, {0x3291, 0x3291, 1}, {0x32A0, 0x32A0, 1},
    {0x32A8, 0x32A8, 1}, {0x32B1, 0x32B1, 1}, {0x32D8, 0x32D8, 1}, {0x32E9, 0x32E9, 1}, {0x32F1, 0x32F1, 1},
    {0x3351, 0x3351, 1}, {0x335C, 0x335C, 1}, {0x335E, 0x335E, 1}, {0x3369, 0x3369, 1}, {0x336B, 0x336B, 1},
    {0x3390, 0x3390, 1}, {0x33D4, 0x33D4, 1},
};

uint32_t stride_of(uint32_t id, const StrideTable& table)
{
    for (std::size_t i = 0; i < table.count; ++i)
        if (id >= table.ranges[i].first && id <= table.ranges[i].last)
            return table.ranges[i].stride;
    return 0;
}

// The declared (engine-1) value of every id that has been moved, so that a second installation
// moves the ids from their declared values again instead of moving them twice.
struct DeclaredId {
    uint32_t* field;
    uint32_t  declared;
};
DeclaredId declared_ids[64];
std::size_t declared_count = 0;

void move_id(uint32_t* field, const GaugeHeader* gauge, const StrideTable& table)
{
    for (std::size_t i = 0; i < declared_count; ++i)
        if (declared_ids[i].field == field) {
            *field = engine_shift(declared_ids[i].declared, gauge, table);
            return;
        }
    if (stride_of(*field, table) == 0)
        return;
    if (declared_count == sizeof declared_ids / sizeof declared_ids[0])
        return;   // no room to remember it: the id stays as declared
    declared_ids[declared_count++] = {field, *field};
    *field = engine_shift(*field, gauge, table);
}

void move_sources(ElementHeader* e, const GaugeHeader* gauge)
{
    auto move = [gauge](ModuleVar& v) { move_id(&v.token, gauge, token_strides); };
    switch (e->kind) {
    case ElementKind::needle: move(reinterpret_cast<Needle*>(e)->source); break;
    case ElementKind::icon: move(reinterpret_cast<Icon*>(e)->source); break;
    case ElementKind::string:
        for (ModuleVar& v : reinterpret_cast<String*>(e)->sources)
            move(v);
        break;
    case ElementKind::slider:
        move(reinterpret_cast<Slider*>(e)->x_source);
        move(reinterpret_cast<Slider*>(e)->y_source);
        break;
    case ElementKind::moving_image:
        move(reinterpret_cast<MovingImage*>(e)->x_source);
        move(reinterpret_cast<MovingImage*>(e)->y_source);
        break;
    case ElementKind::sprite:
        move(reinterpret_cast<Sprite*>(e)->x_source);
        move(reinterpret_cast<Sprite*>(e)->y_source);
        move(reinterpret_cast<Sprite*>(e)->angle_source);
        break;
    case ElementKind::static_image: break;
    }
    if (e->next)
        for (ElementHeader** child = e->next; *child; ++child)
            move_sources(*child, gauge);
}

}  // namespace

const StrideTable token_strides   = {token_ranges, sizeof token_ranges / sizeof token_ranges[0]};
const StrideTable event_strides   = {event_ranges, sizeof event_ranges / sizeof event_ranges[0]};
const StrideTable tooltip_strides = {tooltip_ranges, sizeof tooltip_ranges / sizeof tooltip_ranges[0]};

int32_t engine_number(const GaugeHeader* gauge)
{
    const char* text = gauge ? gauge->parameters : nullptr;
    if (text == nullptr)
        return 1;
    // Tested in this order: any 1 wins.
    for (const char* digit : {"1", "2", "3", "4"})
        if (find_option(text, digit) != option_not_found)
            return digit[0] - '0';
    return 1;
}

uint32_t engine_shift(uint32_t id, const GaugeHeader* gauge, const StrideTable& table)
{
    return id + stride_of(id, table) * static_cast<uint32_t>(engine_number(gauge) - 1);
}

void GAUGE_CALL engine_gauge_callback(GaugeHeader* gauge, int32_t service_id, HostWord)
{
    if (gauge == nullptr || service_id != service_pre_install)
        return;
    for (MouseRect* r = gauge->mouse_rects; r && r->type != mouse_rect_end; ++r) {
        if (r->type == mouse_rect_tooltip) {
            move_id(&r->help_id, gauge, tooltip_strides);
            move_id(reinterpret_cast<uint32_t*>(&r->x), gauge, tooltip_strides);
            move_id(reinterpret_cast<uint32_t*>(&r->y), gauge, tooltip_strides);
        } else if (r->type == mouse_rect_child) {
            move_id(&r->event_id, gauge, event_strides);
        }
    }
    if (gauge->elements && gauge->elements[0])
        move_sources(gauge->elements[0], gauge);
}

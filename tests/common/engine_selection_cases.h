// Engine selection on both builds: the engine digit, the three stride tables, the walk over a
// gauge's records, and an engine gauge of the water bomber moved to engine 2.
#pragma once

#include <string>
#include <vector>

#include "common/engine_selection.h"
#include "tests/common/panel_fixture.h"

namespace engine_selection_cases {

// The first token of each block of per-engine tokens that no gauge reads, named by the stride from
// one engine to the next.
inline constexpr uint32_t stride35_block_first = 0x7F, stride10_block_first = 0x22E, stride1_block_a = 0x260,
                          stride19_block_first = 0x270, stride8_block_first = 0x2BC, stride2_block_first = 0x2F9,
                          stride1_block_b = 0x321;

inline GaugeHeader gauge_with(const char* params) { return GaugeHeader{.parameters = params}; }

TEST(EngineNumber, AnyOneWinsThenTwoThreeFourAndCommentsHideDigits)
{
    const std::pair<const char*, int32_t> cases[] = {
        {"1", 1}, {"12", 1}, {"21", 1}, {"2", 2}, {"3", 3}, {"engine 4", 4}, {"43", 3},
        {"", 1},  {"x", 1},  {"/2", 1}, {"3#1", 3}, {"5", 1},
    };
    for (auto [text, want] : cases) {
        GaugeHeader g = gauge_with(text);
        EXPECT_EQ(engine_number(&g), want) << text;
    }
    GaugeHeader none = gauge_with(nullptr);
    EXPECT_EQ(engine_number(&none), 1);
    EXPECT_EQ(engine_number(nullptr), 1);
}

TEST(EngineShift, EachBlockMovesByItsOwnStride)
{
    GaugeHeader two = gauge_with("2"), three = gauge_with("3"), four = gauge_with("4");
    EXPECT_EQ(engine_shift(token::engine1_rpm, &three, token_strides), token::engine1_rpm + 78);
    EXPECT_EQ(engine_shift(token::engine2_rpm, &two, token_strides), token::engine2_rpm);   // just past the block
    EXPECT_EQ(engine_shift(stride35_block_first, &four, token_strides), stride35_block_first + 105);
    EXPECT_EQ(engine_shift(event::engine1_shut_down_4, &four, event_strides), event::engine1_shut_down_4 + 18);
    EXPECT_EQ(engine_shift(event::engine2_shut_down_4, &four, event_strides), event::engine2_shut_down_4);
    EXPECT_EQ(engine_shift(0x33D4, &four, tooltip_strides), 0x33D7u);
    EXPECT_EQ(engine_shift(0x30C2, &two, tooltip_strides), 0x30C2u);
    // Ids outside every block never move.
    for (GaugeHeader* g : {&two, &three, &four}) {
        EXPECT_EQ(engine_shift(token::shut_down_condition, g, token_strides), token::shut_down_condition);
        EXPECT_EQ(engine_shift(event::strobe_lights_toggle, g, event_strides), event::strobe_lights_toggle);
        EXPECT_EQ(engine_shift(0xAB18, g, tooltip_strides), 0xAB18u);
    }
}

// A gauge with every element kind, nested three deep, and a mouse list with every record type.
struct EngineGauge : ::testing::Test {
    Sprite sprite{.head = {.kind = ElementKind::sprite}, .x_source = module_var(token::hydraulic_pressure),
                  .y_source = module_var(stride2_block_first), .angle_source = module_var(stride1_block_b)};
    ElementHeader* sprite_list[2] = {&sprite.head, nullptr};
    MovingImage    moving{.head     = {.kind = ElementKind::moving_image, .next = sprite_list},
                          .x_source = module_var(stride19_block_first), .y_source = module_var(stride8_block_first)};
    ElementHeader* moving_list[2] = {&moving.head, nullptr};
    Slider         slider{.head     = {.kind = ElementKind::slider, .next = moving_list},
                          .x_source = module_var(stride10_block_first), .y_source = module_var(stride1_block_a)};
    String         text{.head    = {.kind = ElementKind::string},
                        .sources = {module_var(stride35_block_first), module_var(0), module_var(token::engine1_rpm)}};
    ElementHeader* icon_list[2] = {&slider.head, nullptr};
    Icon           icon{.head = {.kind = ElementKind::icon, .next = icon_list},
                        .source = module_var(token::engine1_oil_quantity)};
    ElementHeader* needle_list[3] = {&icon.head, &text.head, nullptr};
    Needle         needle{.head = {.kind = ElementKind::needle, .next = needle_list},
                          .source = module_var(token::engine1_fuel_flow)};
    ElementHeader* face_list[2] = {&needle.head, nullptr};
    StaticImage    face{.head = {.kind = ElementKind::static_image, .next = face_list}};
    ElementHeader* elements[2] = {&face.head, nullptr};
    MouseRect      mouse[6]    = {
        {.type = mouse_rect_parent, .help_id = 0xAB18},
        {.type = mouse_rect_tooltip, .help_id = 0x30C1},
        {.type = mouse_rect_child, .help_id = 0x30A1, .event_id = event::engine1_shut_down_1},
        {.type = mouse_rect_end_parent, .event_id = event::engine1_shut_down_1},
        {.type = mouse_rect_end, .event_id = event::engine1_shut_down_1},
    };
    GaugeHeader gauge{.elements = elements, .mouse_rects = mouse, .callback = engine_gauge_callback};

    void install(const char* params)
    {
        gauge.parameters = params;
        engine_gauge_callback(&gauge, service_pre_install, 0);
    }
    std::vector<uint32_t> tokens() const
    {
        return {needle.source.token,   icon.source.token,     text.sources[0].token, text.sources[1].token,
                text.sources[2].token, slider.x_source.token, slider.y_source.token, moving.x_source.token,
                moving.y_source.token, sprite.x_source.token, sprite.y_source.token, sprite.angle_source.token};
    }
};

TEST_F(EngineGauge, EngineTwoMovesEverySourceTooltipAndChildEvent)
{
    install("2");
    EXPECT_EQ(tokens(), (std::vector<uint32_t>{
                            token::engine1_fuel_flow + 39, token::engine1_oil_quantity + 35, stride35_block_first + 35,
                            0, token::engine1_rpm + 39, stride10_block_first + 10, stride1_block_a + 1,
                            stride19_block_first + 19, stride8_block_first + 8, token::hydraulic_pressure + 2,
                            stride2_block_first + 2, stride1_block_b + 1}));
    EXPECT_EQ(mouse[0].help_id, 0xAB18u);    // parents are left alone
    EXPECT_EQ(mouse[1].help_id, 0x30C2u);
    EXPECT_EQ(mouse[2].event_id, event::engine2_shut_down_1);
    EXPECT_EQ(mouse[2].help_id, 0x30A1u);    // a child's help id is not a tooltip id
    EXPECT_EQ(mouse[3].event_id, event::engine1_shut_down_1);  // nor are end records touched
    EXPECT_EQ(mouse[4].event_id, event::engine1_shut_down_1);
    // Services other than installation change nothing.
    for (int32_t service : {6, 12, 14, 15})
        engine_gauge_callback(&gauge, service, 0);
    EXPECT_EQ(needle.source.token, token::engine1_fuel_flow + 39);
}

TEST_F(EngineGauge, ReinstallationMovesFromTheDeclaredIdsNotTwice)
{
    const std::vector<uint32_t> declared = tokens();
    install("3");
    install("3");
    EXPECT_EQ(needle.source.token, token::engine1_fuel_flow + 78);
    EXPECT_EQ(mouse[1].help_id, 0x30C3u);
    install("2");
    EXPECT_EQ(needle.source.token, token::engine1_fuel_flow + 39);
    EXPECT_EQ(mouse[2].event_id, event::engine2_shut_down_1);
    install("1");
    EXPECT_EQ(tokens(), declared);
    EXPECT_EQ(mouse[1].help_id, 0x30C1u);
    install(nullptr);
    EXPECT_EQ(tokens(), declared);
}

TEST(EngineGaugeModule, FuelFlowOfEngineTwoReadsEngineTwosValues)
{
    panel_fixture::Panel panel("Norvak_Instr");
    host::Gauge&         g            = panel.host.add_gauge(panel.module, "Fuel_Flow", "2");
    uint32_t             needle_token = 0, tooltip_id = 0;
    for (const auto& s : g.elements())
        if (s.kind() == ElementKind::needle)
            needle_token = reinterpret_cast<Needle*>(s.element)->source.token;
    for (MouseRect* r = g.header()->mouse_rects; r->type != mouse_rect_end; ++r)
        if (r->type == mouse_rect_tooltip)
            tooltip_id = r->help_id;
    EXPECT_EQ(needle_token, token::engine2_fuel_flow);
    EXPECT_EQ(tooltip_id, 0x30C2u);
}

}  // namespace engine_selection_cases

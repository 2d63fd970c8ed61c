// Engine selection: the engine digit, the three stride tables and the walk over a gauge's records.
#include <gtest/gtest.h>

#include <string>

#include "common/engine_selection.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

namespace {

GaugeHeader gauge_with(const char* params) { return GaugeHeader{.parameters = params}; }

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
    EXPECT_EQ(engine_shift(0x186, &three, token_strides), 0x186u + 78);
    EXPECT_EQ(engine_shift(0x1AD, &two, token_strides), 0x1ADu);   // just past the block
    EXPECT_EQ(engine_shift(0x7F, &four, token_strides), 0x7Fu + 105);
    EXPECT_EQ(engine_shift(0x10187, &four, event_strides), 0x10187u + 18);
    EXPECT_EQ(engine_shift(0x1018D, &four, event_strides), 0x1018Du);
    EXPECT_EQ(engine_shift(0x33D4, &four, tooltip_strides), 0x33D7u);
    EXPECT_EQ(engine_shift(0x30C2, &two, tooltip_strides), 0x30C2u);
    // Ids outside every block never move.
    for (GaugeHeader* g : {&two, &three, &four}) {
        EXPECT_EQ(engine_shift(0x3C, g, token_strides), 0x3Cu);
        EXPECT_EQ(engine_shift(0x10000, g, event_strides), 0x10000u);
        EXPECT_EQ(engine_shift(0xAB18, g, tooltip_strides), 0xAB18u);
    }
}

// A gauge with every element kind, nested three deep, and a mouse list with every record type.
struct EngineGauge : ::testing::Test {
    Sprite      sprite{.head = {.kind = ElementKind::sprite}, .x_source = module_var(0x2DC),
                       .y_source = module_var(0x2F9), .angle_source = module_var(0x321)};
    ElementHeader* sprite_list[2] = {&sprite.head, nullptr};
    MovingImage moving{.head = {.kind = ElementKind::moving_image, .next = sprite_list},
                       .x_source = module_var(0x270), .y_source = module_var(0x2BC)};
    ElementHeader* moving_list[2] = {&moving.head, nullptr};
    Slider      slider{.head = {.kind = ElementKind::slider, .next = moving_list}, .x_source = module_var(0x22E),
                       .y_source = module_var(0x260)};
    String      text{.head = {.kind = ElementKind::string},
                     .sources = {module_var(0x7F), module_var(0), module_var(0x186)}};
    ElementHeader* icon_list[2] = {&slider.head, nullptr};
    Icon        icon{.head = {.kind = ElementKind::icon, .next = icon_list}, .source = module_var(0x95)};
    ElementHeader* needle_list[3] = {&icon.head, &text.head, nullptr};
    Needle      needle{.head = {.kind = ElementKind::needle, .next = needle_list}, .source = module_var(0x1A5)};
    ElementHeader* face_list[2] = {&needle.head, nullptr};
    StaticImage face{.head = {.kind = ElementKind::static_image, .next = face_list}};
    ElementHeader* elements[2] = {&face.head, nullptr};
    MouseRect   mouse[6] = {
        {.type = mouse_rect_parent, .help_id = 0xAB18},
        {.type = mouse_rect_tooltip, .help_id = 0x30C1},
        {.type = mouse_rect_child, .help_id = 0x30A1, .event_id = 0x1011C},
        {.type = mouse_rect_end_parent, .event_id = 0x1011C},
        {.type = mouse_rect_end, .event_id = 0x1011C},
    };
    GaugeHeader gauge{.elements = elements, .mouse_rects = mouse, .callback = engine_gauge_callback};

    void install(const char* params)
    {
        gauge.parameters = params;
        engine_gauge_callback(&gauge, service_pre_install, 0);
    }
    std::vector<uint32_t> tokens() const
    {
        return {needle.source.token,       icon.source.token,       text.sources[0].token, text.sources[1].token,
                text.sources[2].token,     slider.x_source.token,   slider.y_source.token, moving.x_source.token,
                moving.y_source.token,     sprite.x_source.token,   sprite.y_source.token, sprite.angle_source.token};
    }
};

TEST_F(EngineGauge, EngineTwoMovesEverySourceTooltipAndChildEvent)
{
    install("2");
    EXPECT_EQ(tokens(), (std::vector<uint32_t>{0x1A5 + 39, 0x95 + 35, 0x7F + 35, 0, 0x186 + 39, 0x22E + 10, 0x261,
                                               0x270 + 19, 0x2BC + 8, 0x2DC + 2, 0x2F9 + 2, 0x322}));
    EXPECT_EQ(mouse[0].help_id, 0xAB18u);    // parents are left alone
    EXPECT_EQ(mouse[1].help_id, 0x30C2u);
    EXPECT_EQ(mouse[2].event_id, 0x1011Du);
    EXPECT_EQ(mouse[2].help_id, 0x30A1u);    // a child's help id is not a tooltip id
    EXPECT_EQ(mouse[3].event_id, 0x1011Cu);  // nor are end records touched
    EXPECT_EQ(mouse[4].event_id, 0x1011Cu);
    // Services other than installation change nothing.
    for (int32_t service : {6, 12, 14, 15})
        engine_gauge_callback(&gauge, service, 0);
    EXPECT_EQ(needle.source.token, 0x1A5u + 39);
}

TEST_F(EngineGauge, ReinstallationMovesFromTheDeclaredIdsNotTwice)
{
    const std::vector<uint32_t> declared = tokens();
    install("3");
    install("3");
    EXPECT_EQ(needle.source.token, 0x1A5u + 78);
    EXPECT_EQ(mouse[1].help_id, 0x30C3u);
    install("2");
    EXPECT_EQ(needle.source.token, 0x1A5u + 39);
    EXPECT_EQ(mouse[2].event_id, 0x1011Du);
    install("1");
    EXPECT_EQ(tokens(), declared);
    EXPECT_EQ(mouse[1].help_id, 0x30C1u);
    install(nullptr);
    EXPECT_EQ(tokens(), declared);
}

TEST(EngineGaugeModule, FuelFlowOfEngineTwoReadsEngineTwosValues)
{
    host::SimulatedPanel host;
    host::Module&   m = host.load_module(module_path("Norvak_Instr"));
    if (m.find_gauge("Fuel_Flow") == nullptr)
        GTEST_SKIP() << "Fuel_Flow is not in Norvak_Instr yet";
    host::Gauge& g = host.add_gauge(m, "Fuel_Flow", "2");
    uint32_t     needle_token = 0, tooltip_id = 0;
    for (const auto& s : g.elements())
        if (s.kind() == ElementKind::needle)
            needle_token = reinterpret_cast<Needle*>(s.element)->source.token;
    for (MouseRect* r = g.header()->mouse_rects; r->type != mouse_rect_end; ++r)
        if (r->type == mouse_rect_tooltip)
            tooltip_id = r->help_id;
    EXPECT_EQ(needle_token, 0x1CCu);
    EXPECT_EQ(tooltip_id, 0x30C2u);
}

}  // namespace

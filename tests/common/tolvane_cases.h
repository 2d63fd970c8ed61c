// Tolvane on both builds: the stall lamp driven through the host's calling convention, the records
// as declared, and the version-610 routines handing the background to the host's element-list
// services.
#pragma once

#include <string>
#include <vector>

#include "tests/common/panel_fixture.h"

namespace tolvane_cases {

using namespace panel_fixture;

constexpr uint32_t lamp_hidden = image_flags::hidden | image_flags::lamp;

struct TolvaneOnPanel : TolvanePanel {
    host::Gauge& tolvane = gauge("Tolvane");

    ElementHeader* lamp() { return tolvane.elements().at(1).element; }
    uint32_t       flags_after(double stall)
    {
        host.sim().set(token::stall_warning, stall);
        frame(1.0 / 18);
        return lamp()->image_flags;
    }
};

TEST_F(TolvaneOnPanel, LampFollowsStallWarningExactlyAtZero)
{
    EXPECT_EQ(flags_after(0.0), lamp_hidden);
    EXPECT_EQ(flags_after(1.0), image_flags::lamp);
    EXPECT_EQ(flags_after(-0.0), lamp_hidden);   // negative zero compares equal to zero
    EXPECT_EQ(flags_after(-3.0), image_flags::lamp);
    EXPECT_EQ(flags_after(0.25), image_flags::lamp);
    EXPECT_EQ(flags_after(1e-300), image_flags::lamp);
    EXPECT_TRUE(tolvane.elements()[1].element);
}

TEST_F(TolvaneOnPanel, RepeatedValuesKeepFlagsAndOnlyTheHiddenBitMoves)
{
    for (double stall : {1.0, 1.0, 0.0, 0.0, 2.0, -0.5, 0.0, 3.0}) {
        EXPECT_EQ(flags_after(stall), stall == 0.0 ? lamp_hidden : image_flags::lamp) << stall;
        EXPECT_EQ(tolvane.elements()[1].hidden, stall == 0.0) << stall;
    }
    // The background never changes.
    EXPECT_EQ(tolvane.elements()[0].element->image_flags, image_flags::plain);
}

TEST_F(TolvaneOnPanel, HostSeesTheLampHiddenAndItsSingleFrame)
{
    flags_after(0.0);
    EXPECT_TRUE(tolvane.elements()[1].hidden);
    flags_after(1.0);
    EXPECT_FALSE(tolvane.elements()[1].hidden);
    EXPECT_EQ(tolvane.elements()[1].frame, 0);
    EXPECT_EQ(tolvane.width(), 120);
}

TEST(TolvaneRecords, LinkageTableAndElementsAreAsDeclared)
{
    auto m = host::Module::load(module_path("Tolvane"));
    const LinkageView* l = m->linkage();
    EXPECT_EQ(l->module_id, 0x13u);
    EXPECT_EQ(l->module_version, 0u);
    EXPECT_EQ(l->flags, 0u);
    EXPECT_EQ(l->status, 0u);
    ASSERT_NE(l->gauges[0], nullptr);
    EXPECT_EQ(l->gauges[1], nullptr);
    EXPECT_EQ(m->import_table()->services_id, 0x0Fu);
    EXPECT_EQ(m->import_table()->terminator_id, 0u);
    EXPECT_EQ(m->import_table()->terminator, nullptr);

    auto* h = reinterpret_cast<GaugeHeader610*>(l->gauges[0]);
    EXPECT_EQ(h->version, 610u);
    EXPECT_STREQ(h->name, "Tolvane");
    EXPECT_EQ(h->size_x_mm, 60u);
    EXPECT_EQ(h->size_y_mm, 0u);
    EXPECT_EQ(h->mouse_rects, nullptr);
    EXPECT_EQ(h->callback, nullptr);
    ASSERT_NE(h->elements[0], nullptr);
    EXPECT_EQ(h->elements[1], nullptr);

    ElementHeader* bg = h->elements[0];
    EXPECT_EQ(bg->kind, ElementKind::static_image);
    EXPECT_EQ(bg->bitmap_id, 4096u);
    EXPECT_EQ(bg->image_flags, image_flags::plain);
    EXPECT_EQ(bg->failures, nullptr);
    ASSERT_NE(bg->next, nullptr);
    ASSERT_EQ(bg->next[1], nullptr);

    auto* lamp = reinterpret_cast<Icon610*>(bg->next[0]);
    EXPECT_EQ(lamp->head.kind, ElementKind::icon);
    EXPECT_EQ(lamp->head.bitmap_id, 8192u);
    EXPECT_EQ(lamp->head.x, 0);
    EXPECT_EQ(lamp->head.y, 0);
    EXPECT_EQ(lamp->head.next, nullptr);
    EXPECT_EQ(lamp->source.token, 0u);
    EXPECT_EQ(lamp->scale, 0.0);
    EXPECT_EQ(lamp->frame_count, 1u);
    ASSERT_NE(lamp->head.failures, nullptr);
    EXPECT_EQ(lamp->head.failures[0].key, 20u);
    EXPECT_EQ(lamp->head.failures[0].action, 3u);
    EXPECT_EQ(lamp->head.failures[1].key, 0u);

    // Exactly the two bitmaps.
    EXPECT_TRUE(m->has_bitmap(4096));
    EXPECT_TRUE(m->has_bitmap(8192));
}

// A services table that records what the gauge routines hand to the host and answers with a
// different value for every service.
struct Recorded {
    const char*    service;
    ElementHeader* element;
    HostWord       arg;
};
inline std::vector<Recorded> recorded;

inline uint32_t GAUGE_CALL fake_query(ElementHeader* e) { recorded.push_back({"query", e, 0}); return 0x51; }
inline uint32_t GAUGE_CALL fake_install(ElementHeader* e, HostWord a) { recorded.push_back({"install", e, a}); return 0x52; }
inline uint32_t GAUGE_CALL fake_initialize(ElementHeader* e) { recorded.push_back({"initialize", e, 0}); return 0x53; }
inline uint32_t GAUGE_CALL fake_generate(ElementHeader* e, HostWord a) { recorded.push_back({"generate", e, a}); return 0x55; }
inline uint32_t GAUGE_CALL fake_plot(ElementHeader* e) { recorded.push_back({"plot", e, 0}); return 0x56; }
inline uint32_t GAUGE_CALL fake_kill(ElementHeader* e) { recorded.push_back({"kill", e, 0}); return 0x57; }
inline uint32_t GAUGE_CALL fake_forbidden(ElementHeader* e) { recorded.push_back({"update-or-erase", e, 0}); return 0; }
inline void GAUGE_CALL     fake_lookup(ModuleVar* v) { recorded.push_back({"lookup", nullptr, v->token}); v->value.f64 = 1.0; }

TEST(TolvaneRoutines, ForwardTheBackgroundAndReturnTheHostsResult)
{
    auto m = host::Module::load(module_path("Tolvane"));
    PanelServices fake{.element_list_query = fake_query, .element_list_install = fake_install,
                       .element_list_initialize = fake_initialize, .element_list_update = fake_forbidden,
                       .element_list_generate = fake_generate, .element_list_plot = fake_plot,
                       .element_list_erase = fake_forbidden, .element_list_kill = fake_kill,
                       .lookup_var = fake_lookup};
    m->bind(&fake);
    recorded.clear();

    auto*          h  = reinterpret_cast<GaugeHeader610*>(m->linkage()->gauges[0]);
    ElementHeader* bg = h->elements[0];
    EXPECT_EQ(h->query(), 0x51u);
    EXPECT_EQ(h->install(0xBEEF), 0x52u);
    EXPECT_EQ(h->initialize(), 0x53u);
    h->update();
    EXPECT_EQ(h->generate(0x1234), 0x55u);
    EXPECT_EQ(h->draw(), 0x56u);
    EXPECT_EQ(h->kill(), 0x57u);

    std::vector<std::string> order;
    for (const Recorded& r : recorded) {
        order.push_back(r.service);
        if (r.element != nullptr) {
            EXPECT_EQ(r.element, bg) << r.service << " was not handed the background";
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"query", "install", "initialize", "lookup", "generate", "plot", "kill"}));
    EXPECT_EQ(recorded[1].arg, HostWord{0xBEEF});
    EXPECT_EQ(recorded[3].arg, HostWord{token::stall_warning});
    EXPECT_EQ(recorded[4].arg, HostWord{0x1234});
    m->bind(nullptr);
}

}  // namespace tolvane_cases

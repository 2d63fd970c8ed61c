// The probe module on both builds: every element kind, the life cycle, clicks and tooltips through
// the host's calling convention, and a bitmap that goes missing at installation.
#pragma once

#include <algorithm>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "tests/common/panel_fixture.h"

namespace probe_cases {

using namespace panel_fixture;
using host::Token;

// The probe's own tokens and events (tests/probe/probe.cpp): its gauge callback sends the service
// id on top of service_event_base, its click callbacks their own events.
constexpr Token    needle_source = 0x100, slider_x = 0x101, icon_frame = 0x102, string_source = 0x103,
                   moving_x = 0x104, sprite_x = 0x105, sprite_y = 0x106;
constexpr uint32_t service_event_base = 0x9000, left_click = 0x9100, right_click = 0x9101, inner_click = 0x9102,
                   host_fired = 0x9200;

inline constexpr char probe_module[] = "Probe";

struct ProbeOnPanel : OnPanel<probe_module> {
    std::vector<uint32_t> service_events()
    {
        std::vector<uint32_t> ids;
        for (uint32_t id : event_ids_since(0))
            if (id >= service_event_base && id < left_click)
                ids.push_back(id - service_event_base);
        return ids;
    }
};

TEST_F(ProbeOnPanel, LifeCycleCallsServicesInOrder)
{
    host::Gauge& g = host.add_gauge(module, "Probe_All", "some text");
    EXPECT_STREQ(g.header()->parameters, "some text");
    g.connect();
    frame(0.1);
    frame(0.1);
    host.remove_gauge(g);
    EXPECT_EQ(service_events(), (std::vector<uint32_t>{2, 14, 6, 6, 15, 12}));
}

TEST_F(ProbeOnPanel, EmptyParametersReachTheGaugeAsNull)
{
    host::Gauge& g = host.add_gauge(module, "Probe_All");
    EXPECT_EQ(g.header()->parameters, nullptr);
}

TEST_F(ProbeOnPanel, ElementValuesForEveryKind)
{
    host::Gauge& g = gauge("Probe_All");
    host.sim().set(needle_source, 75.0);
    host.sim().set(slider_x, 4.0);
    host.sim().set(icon_frame, 2.0);   // through the icon's callback
    host.sim().set(string_source, 7.0);
    host.sim().set(moving_x, 5.0);
    host.sim().set(sprite_x, 3.0);
    host.sim().set(sprite_y, -2.0);
    frame(0.1);
    const auto& el = g.elements();
    ASSERT_EQ(el.size(), 8u);
    EXPECT_EQ(el[1].kind(), ElementKind::needle);
    EXPECT_EQ(el[1].value[0], 75.0);
    EXPECT_NEAR(el[1].needle_angle * 180.0 / std::numbers::pi, -45.0, 1e-9);
    EXPECT_EQ(el[2].kind(), ElementKind::string);
    EXPECT_EQ(el[2].text, "007");
    EXPECT_EQ(el[2].value[0], 7.0);
    EXPECT_EQ(el[3].value[0], 4.0);
    EXPECT_EQ(el[4].frame, 2);
    EXPECT_EQ(el[5].value[0], 5.0);
    EXPECT_EQ(el[6].value[0], 3.0);
    EXPECT_EQ(el[6].value[1], -2.0);
    EXPECT_EQ(el[6].value[2], 0.5);   // the angle callback
    EXPECT_EQ(el[7].depth, 7);

    // Icon frames: -1 draws nothing, and so does a value past the last frame (an unsigned -1 read
    // back as 4294967295); a fraction shows the frame it lies in.
    for (auto [value, shown] : {std::pair{-1.0, -1}, {3.0, -1}, {4294967295.0, -1}, {2.9, 2}, {0.0, 0}}) {
        host.sim().set(icon_frame, value);
        frame(0.1);
        EXPECT_EQ(g.elements()[4].frame, shown) << value;
    }
}

TEST_F(ProbeOnPanel, ClicksReachCallbacksOrFireTheRectanglesEvent)
{
    host::Gauge&      g = gauge("Probe_All");
    host::ClickResult r = g.click_at(15, 15, left);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.rect_index, 2);
    r = g.click_at(15, 15, right);
    EXPECT_TRUE(r.accepted);
    r = g.click_at(45, 15, right);   // left-only rectangle
    EXPECT_FALSE(r.accepted);
    r = g.click_at(45, 15, left);
    EXPECT_EQ(r.action, "event 0x9200");
    r = g.click_at(108, 108, left);  // the child inside the box at 100,100
    EXPECT_EQ(r.rect_index, 6);
    r = g.click_at(190, 5, left);
    EXPECT_FALSE(r.hit);

    Events clicks;
    for (auto e : events_since(0))
        if (e.first >= left_click)
            clicks.push_back(e);
    // The left and right clicks also prove the callback got its own gauge header.
    EXPECT_EQ(clicks, (Events{{left_click, 1}, {right_click, 1}, {host_fired, 0}, {inner_click, 0}}));
    EXPECT_EQ(host.sim().events()[host.sim().events().size() - 2].source, "host");
}

TEST_F(ProbeOnPanel, TooltipsComeFromTheInnermostGroup)
{
    host::Gauge& g = host.add_gauge(module, "Probe_All");
    EXPECT_EQ(g.tooltip_at(5, 5), "Probe gauge");
    EXPECT_EQ(g.tooltip_at(120, 120), "Inner 123.450 MHz, 7\xC2\xB0");
}

TEST_F(ProbeOnPanel, ASecondAppearanceIsNotedBecauseItSharesTheRecords)
{
    std::vector<std::string> lines;
    host.set_trace([&](const std::string& line) { lines.push_back(line); });
    host.add_gauge(module, "Probe_All", "", "first");
    EXPECT_TRUE(lines.empty() || lines.back().rfind("note:", 0) != 0);
    host::Gauge& second = host.add_gauge(module, "Probe_All", "other text", "second");
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "note: Probe_All is already on the panel as first; both appearances share one set of "
                        "records (parameter text, sound slots)"),
              lines.end());
    // The shared header holds the text of the appearance installed last.
    EXPECT_STREQ(second.header()->parameters, "other text");
    EXPECT_NE(host_error_of([&] { host.add_gauge(module, "Probe_All", "", "second"); }), "");
    host.set_trace(nullptr);   // the lines go before the host does
}

TEST_F(ProbeOnPanel, MissingBitmapFailsInstallationNamingIt)
{
    const std::string error = host_error_of([&] { host.add_gauge(module, "Probe_Missing"); });
    EXPECT_NE(error.find("bitmap 30583"), std::string::npos) << error;
    EXPECT_NE(error.find("Probe_Missing"), std::string::npos) << error;
    EXPECT_EQ(host.find_gauge("Probe_Missing"), nullptr);
}

TEST_F(ProbeOnPanel, UnknownGaugeNamesTheModulesGauges)
{
    const std::string error = host_error_of([&] { host.add_gauge(module, "Nope"); });
    EXPECT_NE(error.find("Probe_All, Probe_Missing"), std::string::npos) << error;
}

}  // namespace probe_cases

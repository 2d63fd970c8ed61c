// panel.cfg: windows, titles and gauge lines, and the errors that name file and line.
#include <gtest/gtest.h>

#include "host/core/module.h"
#include "host/formats/panel_config.h"
#include "tests/common/panel_fixture.h"

using namespace host;

namespace {

const char* const sample = R"(// a panel for testing
[Window Titles]
Window00=Main Panel
Window01=Radio Stack

[Window00]
size_mm=640,480
gauge00=Norvak_Instr!Airspeed, 20, 30, 100, 100
gauge01=Norvak_Instr!Fuel_Toggle, 130, 20, 19, 19, o5
gauge02=Norvak_Instr!Registration, 10, 400, 150
gauge03=Tolvane!Tolvane,  5, 6

[Views]
whatever=1

[Window01]
gauge00=Norvak_Instr!Fuel_Toggle, 1, 2, 19, 19, o'FUEL_PANEL'/c3,b2;x
gauge01=Norvak_Instr!Registration, 1, 50, tN-123/fArial
)";

TEST(PanelConfig, ReadsWindowsTitlesAndGaugeLines)
{
    PanelConfig cfg = parse_panel_config(sample, "panel.cfg");
    ASSERT_EQ(cfg.windows.size(), 2u);
    const PanelWindow& main = cfg.windows[0];
    EXPECT_EQ(main.title, "Main Panel");
    EXPECT_EQ(main.width, 640);
    EXPECT_EQ(main.height, 480);
    ASSERT_EQ(main.gauges.size(), 4u);
    EXPECT_EQ(main.gauges[0].module, "Norvak_Instr");
    EXPECT_EQ(main.gauges[0].gauge, "Airspeed");
    EXPECT_EQ(main.gauges[0].x, 20);
    EXPECT_EQ(main.gauges[0].y, 30);
    EXPECT_EQ(main.gauges[0].height, 100);
    EXPECT_EQ(main.gauges[1].parameters, "o5");
    EXPECT_EQ(main.gauges[2].width, 150);
    EXPECT_EQ(main.gauges[2].height, 0);
    EXPECT_EQ(main.gauges[3].width, 0);
    EXPECT_EQ(main.gauges[3].line, 11);
}

TEST(PanelConfig, ParameterTextKeepsItsCommasQuotesAndSlashes)
{
    PanelConfig        cfg   = parse_panel_config(sample, "panel.cfg");
    const PanelWindow* radio = cfg.find("Radio Stack");
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio, cfg.find("1"));
    EXPECT_EQ(radio, cfg.find("window01"));
    EXPECT_EQ(radio->gauges[0].parameters, "o'FUEL_PANEL'/c3,b2;x");
    // A fourth field that is not a number is already the parameter text.
    EXPECT_EQ(radio->gauges[1].width, 0);
    EXPECT_EQ(radio->gauges[1].parameters, "tN-123/fArial");
    EXPECT_EQ(cfg.find("Window07"), nullptr);
}

TEST(PanelConfig, BadLinesNameFileAndLine)
{
    auto error = [](const std::string& text) {
        return panel_fixture::host_error_of([&] { parse_panel_config(text, "p.cfg"); });
    };
    EXPECT_EQ(error("[Window00]\ngauge00=Airspeed, 1, 2\n"), "p.cfg:2: expected Module!Gauge, not 'Airspeed'");
    EXPECT_EQ(error("[Window00]\ngauge00=M!G, 1\n"), "p.cfg:2: expected Module!Gauge, x, y[, width[, height]]");
    EXPECT_EQ(error("[Window00]\ngauge00=M!G, one, 2\n"), "p.cfg:2: bad x 'one'");
    EXPECT_EQ(error("[Window00\n"), "p.cfg:1: unterminated section name");
    EXPECT_EQ(error("[Window00]\njust words\n"), "p.cfg:2: expected KEY=VALUE");
}

}  // namespace

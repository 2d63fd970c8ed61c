// The registration plate and the two Shut_Down gauges on both builds.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tests/common/panel_fixture.h"

namespace registration_cases {

using namespace panel_fixture;

constexpr const char* atc_id = "(A:ATC ID,string)";

struct Registration : StelvarPanel {
    int added = 0;

    host::Gauge& plate(const std::string& params)
    {
        host::Gauge& g = add("Registration", params, "plate" + std::to_string(++added));
        frame(1.0 / 18);
        return g;
    }
    static String*     text_of(host::Gauge& g) { return reinterpret_cast<String*>(g.elements().at(1).element); }
    static std::string shown(host::Gauge& g) { return g.elements().at(1).text; }
    // Shows the plate with params and takes it off again, leaving its font and colour behind.
    std::string shown_once(const std::string& params)
    {
        host::Gauge& g = plate(params);
        std::string  s = shown(g);
        host.remove_gauge(g);
        return s;
    }
};

TEST_F(Registration, WithoutTextThePlateFollowsTheHostsIdentifierInWhiteArial)
{
    host.sim().set_expression_text(atc_id, "N123AB");
    host::Gauge& g = plate("");
    EXPECT_EQ(shown(g), "N123AB");
    EXPECT_EQ(text_of(g)->text_colour, 0xFFFFFFu);
    EXPECT_STREQ(text_of(g)->font, "Arial");
    host.sim().set_expression_text(atc_id, "D_EFGH");
    frame(1.0 / 18);
    EXPECT_EQ(shown(g), "D EFGH");
    EXPECT_EQ(g.tooltip_at(5, 5), "Registration number");
}

TEST_F(Registration, LeadingTShowsItsOwnTextAsFirstWordWithUnderscoresAsBlanks)
{
    host.sim().set_expression_text(atc_id, "N123AB");
    EXPECT_EQ(shown_once("tC_GABC r10"), "C GABC");
    EXPECT_EQ(shown_once("r10 tXYZ"), "N123AB");   // t counts only as the very first letter
    EXPECT_EQ(shown_once("tA_B/C_D"), "A B/C_D");  // nothing after a comment character changes
    EXPECT_EQ(shown_once("t"), "");
    host.sim().set_expression_text(atc_id, "G-ABCD extra words");
    EXPECT_EQ(shown_once(""), "G-ABCD");
}

TEST_F(Registration, ColourOptionsClampAndAbsentOnesKeepTheCurrentByte)
{
    host::Gauge& black = plate("r0 g0 b0");
    EXPECT_EQ(text_of(black)->text_colour, 0x000000u);
    host.remove_gauge(black);
    host::Gauge& g = plate("r300 g7");
    EXPECT_EQ(text_of(g)->text_colour, 0x0007FFu);   // blue kept from the last installation
    host.remove_gauge(g);
    host::Gauge& negative = plate("g-1 b 12");
    EXPECT_EQ(text_of(negative)->text_colour, 0x0CFFFFu);
}

TEST_F(Registration, FontOptionIsTheLastAndEndsTheOptions)
{
    host::Gauge& g = plate("tAB_C r0 fCourier");
    EXPECT_STREQ(text_of(g)->font, "Courier");
    EXPECT_EQ(text_of(g)->text_colour, 0xFFFF00u);
    EXPECT_EQ(shown(g), "AB C");
    // The host's parameter text is left as it was.
    EXPECT_STREQ(g.header()->parameters, "tAB_C r0 fCourier");
    host.remove_gauge(g);

    host::Gauge& swallowing = plate("fLiberation Sans r0 g0");   // options after f belong to the font
    EXPECT_STREQ(text_of(swallowing)->font, "Liberation Sans r0 g0");
    EXPECT_EQ(text_of(swallowing)->text_colour, 0xFFFF00u);
    host.remove_gauge(swallowing);

    EXPECT_EQ(shown_once("tABfX"), "AB");   // the text to show ends where the font begins
}

TEST_F(Registration, OverlongTextsAreCutToTheirFields)
{
    host.sim().set_expression_text(atc_id, std::string(300, 'W'));
    EXPECT_EQ(shown_once(""), "WWWWWWW");
    EXPECT_EQ(shown_once("tABCDEFGHIJKLMNOP"), "ABCDEFG");
    host.sim().set_expression_text(atc_id, "N_12345678");
    EXPECT_EQ(shown_once(""), "N 12345");

    std::string  long_font(80, 'F');
    host::Gauge& g = plate("r0 g128 f" + long_font);
    String*      s = text_of(g);
    EXPECT_EQ(std::string(s->font), long_font.substr(0, 31));
    EXPECT_EQ(s->font[31], '\0');
    EXPECT_EQ(s->font_weight, 400u);   // the field after the font name is untouched
    EXPECT_EQ(s->charset, 1u);
    EXPECT_EQ(s->text_colour, 0xFF8000u);
}

// ---------------------------------------------------------------------------------------------
// Shut_Down

using Ids = std::vector<uint32_t>;

struct ShutDown : NorvakPanel {
    int added = 0;
    // Connects a new Shut_Down of a module with these token values; returns the events it sent.
    Ids connect(const std::string& module_name, const std::vector<std::pair<uint32_t, double>>& tokens)
    {
        for (auto [token, value] : tokens)
            host.sim().set(token, value);
        size_t before = mark();
        add("Shut_Down", "", "off" + std::to_string(++added), &load(module_name));
        for (auto [id, value] : events_since(before))
            EXPECT_EQ(value, 0u) << id;
        return event_ids_since(before);
    }
};

TEST_F(ShutDown, WaterBomberSendsItsSeriesWhenTheConditionIsAboveZero)
{
    EXPECT_EQ(connect("Norvak_Instr", {{token::shut_down_condition, 0.0},
                                       {token::engine1_shut_down_2_condition, 1},
                                       {token::engine1_shut_down_3_condition, 1}}),
              Ids{});
    EXPECT_EQ(connect("Norvak_Instr", {{token::shut_down_condition, -1.0}}), Ids{});
    EXPECT_EQ(connect("Norvak_Instr", {{token::shut_down_condition, 0.5},
                                       {token::engine1_shut_down_2_condition, 1},
                                       {token::engine2_shut_down_3_condition, 2},
                                       {token::engine1_shut_down_3_condition, -1}}),
              (Ids{event::engine1_shut_down_1, event::engine1_shut_down_2, event::engine2_shut_down_1,
                   event::engine2_shut_down_3, event::engine1_shut_down_4, event::engine2_shut_down_4}));
}

TEST_F(ShutDown, WaterBomberFullSeries)
{
    EXPECT_EQ(connect("Norvak_Instr", {{token::shut_down_condition, 1},
                                       {token::engine1_shut_down_2_condition, 1},
                                       {token::engine1_shut_down_3_condition, 1},
                                       {token::engine2_shut_down_2_condition, 1},
                                       {token::engine2_shut_down_3_condition, 1}}),
              (Ids{event::engine1_shut_down_1, event::engine1_shut_down_2, event::engine1_shut_down_3,
                   event::engine2_shut_down_1, event::engine2_shut_down_2, event::engine2_shut_down_3,
                   event::engine1_shut_down_4, event::engine2_shut_down_4}));
    EXPECT_EQ(frame(0.1), Events{});   // nothing at updates
}

TEST_F(ShutDown, AttackAircraftSwitchesItsRadiosOffAtConnect)
{
    EXPECT_EQ(connect("Stelvar_Instr", {{token::shut_down_condition, 0.0}}), Ids{});
    EXPECT_EQ(connect("Stelvar_Instr", {{token::shut_down_condition, 1.0}}),
              (Ids{event::adf_audio_off, event::nav1_audio_off, event::nav2_audio_off}));
}

TEST_F(ShutDown, AttackAircraftRepeatsItsUpdateEventWhileBothValuesAreHigh)
{
    connect("Stelvar_Instr", {});
    auto count_after_frame = [&](double first, double second) {
        host.sim().set(token::gear_front, first);
        host.sim().set(token::update_repeat_condition, second);
        Events sent = frame(1.0 / 18);
        return std::count_if(sent.begin(), sent.end(), [](auto e) { return e.first == event::update_repeat; });
    };
    EXPECT_EQ(count_after_frame(10.5, 2.5), 1);
    EXPECT_EQ(count_after_frame(10.5, 2.5), 1);
    EXPECT_EQ(count_after_frame(10.0, 9.0), 0);
    EXPECT_EQ(count_after_frame(50.0, 2.0), 0);
}

}  // namespace registration_cases

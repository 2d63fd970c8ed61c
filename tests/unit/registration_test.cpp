// The registration plate and the two Shut_Down gauges.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

constexpr const char* atc_id = "(A:ATC ID,string)";

struct Registration : ::testing::Test {
    SimulatedPanel host;
    Module&   module = host.load_module(module_path("Stelvar_Instr"));
    int       added  = 0;

    Gauge& plate(const std::string& params)
    {
        Gauge& g = host.add_gauge(module, "Registration", params, "plate" + std::to_string(++added));
        g.connect();
        host.frame(1.0 / 18);
        return g;
    }
    static String* text_of(Gauge& g) { return reinterpret_cast<String*>(g.elements().at(1).element); }
    static std::string shown(Gauge& g) { return g.elements().at(1).text; }
    // Shows the plate with params and takes it off again, leaving its font and colour behind.
    std::string shown_once(const std::string& params)
    {
        Gauge&      g = plate(params);
        std::string s = shown(g);
        host.remove_gauge(g);
        return s;
    }
};

TEST_F(Registration, WithoutTextThePlateFollowsTheHostsIdentifierInWhiteArial)
{
    host.sim().set_expression_text(atc_id, "N123AB");
    Gauge& g = plate("");
    EXPECT_EQ(shown(g), "N123AB");
    EXPECT_EQ(text_of(g)->text_colour, 0xFFFFFFu);
    EXPECT_STREQ(text_of(g)->font, "Arial");
    host.sim().set_expression_text(atc_id, "D_EFGH");
    host.frame(1.0 / 18);
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
    Gauge& black = plate("r0 g0 b0");
    EXPECT_EQ(text_of(black)->text_colour, 0x000000u);
    host.remove_gauge(black);
    Gauge& g = plate("r300 g7");
    EXPECT_EQ(text_of(g)->text_colour, 0x0007FFu);   // blue kept from the last installation
    host.remove_gauge(g);
    Gauge& negative = plate("g-1 b 12");
    EXPECT_EQ(text_of(negative)->text_colour, 0x0CFFFFu);
}

TEST_F(Registration, FontOptionIsTheLastAndEndsTheOptions)
{
    Gauge& g = plate("tAB_C r0 fCourier");
    EXPECT_STREQ(text_of(g)->font, "Courier");
    EXPECT_EQ(text_of(g)->text_colour, 0xFFFF00u);
    EXPECT_EQ(shown(g), "AB C");
    // The host's parameter text is left as it was.
    EXPECT_STREQ(g.header()->parameters, "tAB_C r0 fCourier");
    host.remove_gauge(g);

    Gauge& swallowing = plate("fLiberation Sans r0 g0");   // options after f belong to the font
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

    std::string long_font(80, 'F');
    Gauge&      g = plate("f" + long_font);
    String*     s = text_of(g);
    EXPECT_EQ(std::string(s->font), long_font.substr(0, 31));
    EXPECT_EQ(s->font[31], '\0');
    EXPECT_EQ(s->font_weight, 400u);   // the field after the font name is untouched
    EXPECT_EQ(s->charset, 1u);
    EXPECT_EQ(s->text_colour, 0xFFFFFFu);
}

// Shut_Down

struct ShutDown : ::testing::Test {
    SimulatedPanel host;
    int added = 0;
    // Connects a new Shut_Down with these token values; returns the events sent since the last call.
    std::vector<uint32_t> connect(const std::string& module, const std::vector<std::pair<uint32_t, double>>& tokens)
    {
        for (auto [token, value] : tokens)
            host.sim().set(token, value);
        size_t before = host.sim().events().size();
        host.add_gauge(host.load_module(module_path(module)), "Shut_Down", "", "off" + std::to_string(++added)).connect();
        std::vector<uint32_t> ids;
        for (size_t i = before; i < host.sim().events().size(); ++i) {
            EXPECT_EQ(host.sim().events()[i].value, 0u);
            ids.push_back(host.sim().events()[i].id);
        }
        return ids;
    }
};

TEST_F(ShutDown, WaterBomberSendsItsSeriesWhenTheConditionIsAboveZero)
{
    EXPECT_EQ(connect("Norvak_Instr", {{0x3C, 0.0}, {0x37F, 1}, {0x230, 1}}), std::vector<uint32_t>{});
    EXPECT_EQ(connect("Norvak_Instr", {{0x3C, -1.0}}), std::vector<uint32_t>{});
    EXPECT_EQ(connect("Norvak_Instr", {{0x3C, 0.5}, {0x37F, 1}, {0x23A, 2}, {0x230, -1}}),
              (std::vector<uint32_t>{0x1011C, 0x103BE, 0x1011D, 0x10180, 0x10187, 0x1018D}));
}

TEST_F(ShutDown, WaterBomberFullSeries)
{
    EXPECT_EQ(connect("Norvak_Instr", {{0x3C, 1}, {0x37F, 1}, {0x230, 1}, {0x380, 1}, {0x23A, 1}}),
              (std::vector<uint32_t>{0x1011C, 0x103BE, 0x1017F, 0x1011D, 0x103BF, 0x10180, 0x10187, 0x1018D}));
    host.frame(0.1);   // nothing at updates
    EXPECT_EQ(host.sim().events().size(), 8u);
}

TEST_F(ShutDown, AttackAircraftSwitchesItsRadiosOffAtConnect)
{
    EXPECT_EQ(connect("Stelvar_Instr", {{0x3C, 0.0}}), std::vector<uint32_t>{});
    EXPECT_EQ(connect("Stelvar_Instr", {{0x3C, 1.0}}), (std::vector<uint32_t>{0x1012C, 0x10128, 0x10129}));
}

TEST_F(ShutDown, AttackAircraftRepeatsItsUpdateEventWhileBothValuesAreHigh)
{
    connect("Stelvar_Instr", {});
    auto count_after_frame = [&](double first, double second) {
        host.sim().set(0x14C, first);
        host.sim().set(0x146, second);
        size_t before = host.sim().events().size();
        host.frame(1.0 / 18);
        size_t n = 0;
        for (size_t i = before; i < host.sim().events().size(); ++i)
            n += host.sim().events()[i].id == 0x10211 ? 1 : 0;
        return n;
    };
    EXPECT_EQ(count_after_frame(10.5, 2.5), 1u);
    EXPECT_EQ(count_after_frame(10.5, 2.5), 1u);
    EXPECT_EQ(count_after_frame(10.0, 9.0), 0u);
    EXPECT_EQ(count_after_frame(50.0, 2.0), 0u);
}

}  // namespace

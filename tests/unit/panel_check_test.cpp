// gauge-host check: what a panel designer is told about a panel.cfg, and that what the checker says
// a parameter text does is what the gauge then does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "frame/sim_ids.h"
#include "host/core/text_tools.h"
#include "host/formats/gauge_options.h"
#include "host/formats/panel_check.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

const ModuleShelf& shelf()
{
    static const ModuleShelf modules = read_module_folder(GAUGE_MODULE_DIR);
    return modules;
}

std::vector<Diagnostic> check(const std::string& text, const std::string& directory = ".")
{
    return check_panel(read_panel_config(text, "p.cfg", directory), shelf());
}

// "LINE severity: message" for each diagnostic, to match against.
std::vector<std::string> lines(const std::vector<Diagnostic>& d)
{
    std::vector<std::string> out;
    for (const Diagnostic& x : d)
        out.push_back(std::to_string(x.line) + (x.severity == Severity::error ? " error: " : " warning: ") + x.message);
    return out;
}

// The one diagnostic at line whose text holds every part, in order.
::testing::AssertionResult has(const std::vector<Diagnostic>& d, int line, Severity s,
                               std::initializer_list<std::string> parts)
{
    for (const Diagnostic& x : d) {
        if (x.line != line || x.severity != s)
            continue;
        size_t at = 0;
        bool   all = true;
        for (const std::string& p : parts) {
            at = x.message.find(p, at);
            if (at == std::string::npos) {
                all = false;
                break;
            }
            at += p.size();
        }
        if (all)
            return ::testing::AssertionSuccess();
    }
    std::string listed;
    for (const std::string& l : lines(d))
        listed += "\n  " + l;
    return ::testing::AssertionFailure() << "no such diagnostic at line " << line << "; found:" << listed;
}

std::vector<ParameterFinding> param(const char* module, const char* gauge, const std::string& text)
{
    return check_parameter_text(parameter_gauge(module, gauge), gauge, text);
}

std::string all_text(const std::vector<ParameterFinding>& f)
{
    std::string s;
    for (const ParameterFinding& x : f)
        s += (x.severity == Severity::error ? "E: " : "W: ") + x.message + "\n";
    return s;
}

size_t errors(const std::vector<ParameterFinding>& f)
{
    return std::count_if(f.begin(), f.end(), [](const ParameterFinding& x) { return x.severity == Severity::error; });
}

// ---------------------------------------------------------------------------------------------
// A realistic broken panel: every mistake found in one run, each at its line.

const char* const broken_panel = R"(// attack aircraft, first try
[Window Titles]
Window00=Main Panel
Window01=Radios

[Window00]
size_mm=1024,768
gauge00=Stelvar_Instr!Radio_COM1, 10, 10, 200, 100
gauge01=Stelvar_Inst!Radio_NAV1, 220, 10, 200, 100
gauge02=Stelvar_Instr!Radio_Nav2, 430, 10, 200, 100
gauge03=Stelvar_Instr!Compass_Toggle, 900, 700, 19, 19, tcompass
gauge04=Stelvar_Instr!Registration, 10, 720, 150, 25, tbravo
gauge05=Stelvar_Instr!Battery_Switch, 1100, 10, 60, 30
gauge06=Stelvar_Instr!Generator_Switch, 1000, 10, 60, 30
gauge03=Stelvar_Instr!Lights_Toggle, 930, 700, 19, 19, tOVERHEAD_PANEL
gauge07=Stelvar_Instr!Radios_Toggle, 960, 700, -19, -19, oRADIO_STACK_PANEL
gauge08=Stelvar_Instr!GPS_Toggle, 990, 700, 19, 19, o GPS_PANEL b200
gauge09=Stelvar_Instr!Airspeed, 0, 0
gauge10=Norvak_Instr!Water_System, 200, 300, 350, 96, MaxSAlt=8 ScoopSped0.1
gauge11=Norvak_Instr!Fuel_Flow, 10, 300, 100, 100, engine 5
gauge13=Stelvar_Instr!Clock_Toggle, 10, 10

[Window01]
size_mm=100000,600
guage00=Stelvar_Instr!Radio_ADF, 0, 0
)";

TEST(PanelCheck, FindsEveryMistakeOfABrokenPanelInOneRun)
{
    auto d = check(broken_panel);
    EXPECT_TRUE(has(d, 9, Severity::error, {"unknown module 'Stelvar_Inst'", "did you mean Stelvar_Instr?"}));
    EXPECT_TRUE(has(d, 10, Severity::error, {"no gauge 'Radio_Nav2'", "did you mean Radio_NAV2"}));
    EXPECT_TRUE(has(d, 11, Severity::error, {"'tcompass'", "c, o, p and a", "closes window 0 (MAIN_PANEL)",
                                             "opens window 0", "home-view event", "tCOMPASS_PANEL"}));
    EXPECT_TRUE(has(d, 11, Severity::error, {"'compass' is no window name", "did you mean COMPASS_PANEL?"}));
    EXPECT_TRUE(has(d, 12, Severity::error, {"'tbravo'", "b and r", "red 0, green 255, blue 0", "tBRAVO"}));
    EXPECT_TRUE(has(d, 13, Severity::error, {"gauge05", "wholly outside", "1024x768"}));
    EXPECT_TRUE(has(d, 14, Severity::warning, {"gauge06", "right edge"}));
    EXPECT_TRUE(has(d, 15, Severity::warning, {"'gauge03' is given again", "line 11", "keeps the first"}));
    EXPECT_TRUE(has(d, 16, Severity::error, {"width -19 is negative"}));
    EXPECT_TRUE(has(d, 17, Severity::error, {"'o' is followed by a blank", "opens window 0", "oGPS_PANEL"}));
    EXPECT_TRUE(has(d, 17, Severity::error, {"'b200'", "not a face", "100 to 190"}));
    EXPECT_TRUE(has(d, 18, Severity::error, {"no gauge 'Airspeed'", "a gauge of Norvak_Instr"}));
    EXPECT_TRUE(has(d, 19, Severity::error, {"MaxSAlt is followed by '=8'", "MaxSAlt8"}));
    EXPECT_TRUE(has(d, 19, Severity::error, {"unknown setting 'ScoopSped'", "did you mean ScoopSpd?"}));
    EXPECT_TRUE(has(d, 20, Severity::error, {"names no engine from 1 to 4"}));
    EXPECT_TRUE(has(d, 21, Severity::warning, {"gauge12 is missing", "gauge13 is not shown"}));
    EXPECT_TRUE(has(d, 24, Severity::error, {"size_mm width 100000 is larger than 8192"}));
    EXPECT_TRUE(has(d, 25, Severity::warning, {"unknown key 'guage00'", "did you mean gauge00?"}));
    EXPECT_TRUE(has(d, 23, Severity::warning, {"[Window01] has no gauges"}));
    // Nothing else: the correct lines draw no remark.
    EXPECT_EQ(d.size(), 20u) << ::testing::PrintToString(lines(d));
    EXPECT_EQ(error_count(d), 14u);
}

TEST(PanelCheck, CorrectPanelsAndTheShippedExamplesHaveNoProblems)
{
    auto d = check("[Window Titles]\nWindow00=Main\n[Window00]\nsize_mm=640,480\n"
                   "gauge00=Norvak_Instr!Airspeed, 10, 10, 150, 150\n"
                   "gauge01=Norvak_Instr!GPS_Toggle, 200, 10, 19, 19, oGPS_PANEL cOVERHEAD_PANEL // the GPS\n"
                   "gauge02=Stelvar_Instr!Registration, 10, 300, 150, 25, tC_GKSV r200 g0 b0 fCourier New\n"
                   "gauge03=Norvak_Instr!Fuel_Flow, 300, 200, 100, 100, 2 // right engine\n"
                   "gauge04=Norvak_Instr!Water_System, 250, 170, 160, 44, MaxSAlt10 ScoopSpd0.1 DumpSpd1\n");
    EXPECT_TRUE(d.empty()) << ::testing::PrintToString(lines(d));
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(GAUGE_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".cfg")
            continue;
        auto cfg = read_panel_config_file(entry.path().string());
        auto found = check_panel(cfg, shelf());
        EXPECT_TRUE(found.empty()) << entry.path() << ": " << ::testing::PrintToString(lines(found));
    }
}

TEST(PanelCheck, ModulesItDoesNotKnowAreWarnedOfNotRefused)
{
    auto d = check("[Window00]\nsize_mm=640,480\ngauge00=SimIcons!Kneeboard Icon, 10, 10\n"
                   "gauge01=norvak_instr!Airspeed, 10, 10\n");
    EXPECT_TRUE(has(d, 3, Severity::warning, {"'SimIcons' is not one gauge-host knows", "Norvak_Instr"}));
    EXPECT_TRUE(has(d, 4, Severity::error, {"did you mean Norvak_Instr?"}));
}

TEST(PanelCheck, EmptyFilesAndWindowsThatShowNothing)
{
    EXPECT_TRUE(has(check(""), 0, Severity::error, {"the file is empty"}));
    EXPECT_TRUE(has(check("[Views]\nx=1\n"), 0, Severity::error, {"no [WindowNN] or [VCockpitNN] section"}));
    auto d = check("[VCockpit01]\n");
    EXPECT_TRUE(has(d, 1, Severity::warning, {"[VCockpit01] has no gauges and no background"}));
    EXPECT_EQ(error_count(d), 0u);
}

TEST(PanelCheck, SizesAndPlaces)
{
    auto d = check("[Window00]\nsize_mm=640,480\n"
                   "gauge00=Norvak_Instr!Airspeed, 10, 10, 0, 100\n"
                   "gauge01=Norvak_Instr!Airspeed, 10, 10, 100000, 100000\n"
                   "gauge02=Norvak_Instr!Airspeed, -50, 10, 100\n"
                   "gauge03=Norvak_Instr!Airspeed, 700, 10\n"
                   "gauge04=Norvak_Instr!Airspeed, 10, 10, 9000\n");
    EXPECT_TRUE(has(d, 3, Severity::error, {"width 0 is zero"}));
    EXPECT_TRUE(has(d, 4, Severity::error, {"width 100000 is larger than 8192"}));
    EXPECT_TRUE(has(d, 5, Severity::warning, {"left edge"}));
    EXPECT_TRUE(has(d, 6, Severity::error, {"wholly outside", "at 700,10 with size 300x300"}));
    EXPECT_TRUE(has(d, 7, Severity::error, {"width 9000 is larger than 8192"}));
}

TEST(PanelCheck, BackgroundBitmapsAreFoundWhateverTheCaseAndMeasured)
{
    auto dir = std::filesystem::temp_directory_path() / "panel_check_test_bitmaps";
    std::filesystem::create_directories(dir);
    {
        // A 4 x 2 bitmap of 24 bits, rows padded to 4 bytes.
        std::ofstream bmp(dir / "Panel.bmp", std::ios::binary);
        const int     row = 12, size = 14 + 40 + row * 2;
        auto          u32 = [&](uint32_t v) { bmp.write(reinterpret_cast<const char*>(&v), 4); };
        auto          u16 = [&](uint16_t v) { bmp.write(reinterpret_cast<const char*>(&v), 2); };
        bmp << "BM";
        u32(size), u32(0), u32(54), u32(40), u32(4), u32(2), u16(1), u16(24);
        for (int i = 0; i < 6; ++i)
            u32(0);
        bmp << std::string(row * 2, '\x40');
    }
    auto cfg = read_panel_config("[Window00]\nfile=panel.BMP\ngauge00=Tolvane!Tolvane, 0, 0, 10, 10\n"
                                 "[Window01]\nfile=missing.bmp\n",
                                 "p.cfg", dir.string());
    auto d = check_panel(cfg, shelf());
    EXPECT_TRUE(has(d, 5, Severity::error, {"'missing.bmp' is not in the panel's folder"}));
    // Without a size_mm the window takes its background's size, which the gauge overflows.
    EXPECT_TRUE(has(d, 3, Severity::warning, {"right and bottom edges", "4x2 (its background)"}));
    EXPECT_EQ(d.size(), 2u) << ::testing::PrintToString(lines(d));
    GaugeSize size = window_size(cfg.windows[0], cfg);
    EXPECT_EQ(size.width, 4);
    EXPECT_EQ(size.height, 2);
    EXPECT_EQ(read_bitmap_file(dir.string(), "PANEL.bmp").image.width, 4);
    std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------------------------------------
// The reader keeps what the simulator keeps.

TEST(PanelReader, KeysAndSectionsGivenTwiceCountTheFirstTime)
{
    auto cfg = read_panel_config("[Window00]\nsize_mm=100,100\nsize_mm=200,200\n"
                                 "gauge00=Tolvane!Tolvane, 1, 1\ngauge00=Tolvane!Tolvane, 2, 2\n"
                                 "[Window00]\ngauge01=Tolvane!Tolvane, 3, 3\n",
                                 "p.cfg");
    ASSERT_EQ(cfg.windows.size(), 1u);
    EXPECT_EQ(cfg.windows[0].width, 100);
    ASSERT_EQ(cfg.windows[0].gauges.size(), 1u);
    EXPECT_EQ(cfg.windows[0].gauges[0].x, 1);
    EXPECT_EQ(cfg.problems.size(), 3u);
    EXPECT_FALSE(cfg.has_errors());
}

TEST(PanelReader, GaugesAreReadInNumberOrderUpToTheFirstNumberMissing)
{
    auto cfg = read_panel_config("[Window00]\ngauge01=Tolvane!Tolvane, 1, 1\ngauge00=Tolvane!Tolvane, 0, 0\n"
                                 "gauge02=Tolvane!Tolvane, 5, 0, -1\ngauge03=Tolvane!Tolvane, 3, 3\n"
                                 "gauge05=Tolvane!Tolvane, 5, 5\n",
                                 "p.cfg");
    const auto& g = cfg.windows[0].gauges;
    // gauge02 cannot be read, yet it holds its number: gauge03 is still read; gauge05 is not.
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[0].key, "gauge00");
    EXPECT_EQ(g[1].key, "gauge01");
    EXPECT_EQ(g[2].key, "gauge03");
    EXPECT_EQ(cfg.problems.size(), 2u);
}

TEST(PanelReader, CockpitSectionsBackgroundsAndByteOrderMarks)
{
    auto cfg = read_panel_config("\xEF\xBB\xBF[Window00]\nfile_1024=big.bmp\nfile=main.bmp\n"
                                 "[VCockpit01]\nsize_mm=512,512\ngauge00=Stelvar_Instr!Radio_COM1, 0, 0, 256, 128\n",
                                 "p.cfg");
    ASSERT_EQ(cfg.windows.size(), 2u);
    EXPECT_EQ(cfg.windows[0].background, "main.bmp");
    EXPECT_TRUE(cfg.windows[1].virtual_cockpit);
    EXPECT_EQ(cfg.find("vcockpit01"), &cfg.windows[1]);
    EXPECT_TRUE(cfg.problems.empty());
}

TEST(PanelReader, MessagesQuoteAtMostTwoHundredCharactersOfALine)
{
    auto cfg = read_panel_config("[Window00]\ngauge00=" + std::string(10000, 'x') + "\n", "p.cfg");
    ASSERT_EQ(cfg.problems.size(), 1u);
    EXPECT_LT(cfg.problems[0].message.size(), quote_limit + 100);
    EXPECT_NE(cfg.problems[0].message.find("10000 characters"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// Parameter texts

TEST(ParameterCheck, ButtonTexts)
{
    EXPECT_TRUE(param("Norvak_Instr", "GPS_Toggle", "oGPS_PANEL cOVERHEAD_PANEL").empty());
    EXPECT_TRUE(param("Norvak_Instr", "GPS_Toggle", "c9001 tMAIN_PANEL b120 // back").empty());
    EXPECT_TRUE(param("Stelvar_Instr", "Landing_View_Toggle", "p-2 hTOGGLE_FUEL_WINDOW").empty());
    EXPECT_TRUE(param("Stelvar_Instr", "Radios_Toggle", "aRADIO_STACK_PANEL tRADIO_STACK_PANEL").empty());
    EXPECT_TRUE(param("Norvak_Instr", "GPS_Toggle", "p").empty());

    // Faces by module, and an unusable face takes the help option with it.
    EXPECT_TRUE(param("Norvak_Instr", "GPS_Toggle", "b250").empty());
    auto f = param("Stelvar_Instr", "GPS_Toggle", "b250 hTOGGLE_GPS_WINDOW");
    ASSERT_EQ(errors(f), 1u) << all_text(f);
    EXPECT_NE(f[0].message.find("100 to 190"), std::string::npos);
    EXPECT_NE(f[0].message.find("h option of this text is ignored"), std::string::npos);
    EXPECT_EQ(errors(param("Norvak_Instr", "GPS_Toggle", "b125")), 1u);

    EXPECT_NE(all_text(param("Norvak_Instr", "GPS_Toggle", "oMAIN_PANEL2")).find("read as MAIN_PANEL"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "GPS_Toggle", "h100")).find("loses its help topic"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "GPS_Toggle", "p500")).find("at most 100"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "GPS_Toggle", "p1 p2")).find("only the first p"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "GPS_Toggle", "o-5")).find("negative window"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "GPS_Toggle", "oGPS_PANEL /c3")).find("'c3' is not read"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "GPS_Toggle", "xGPS")).find("x is no option"), std::string::npos);
    // A name in capitals holds no option letters; one in small letters is a run of them.
    EXPECT_EQ(errors(param("Norvak_Instr", "Compass_Toggle", "tCOMPASS_PANEL")), 0u);
    EXPECT_EQ(errors(param("Norvak_Instr", "Compass_Toggle", "tcompass")), 2u);
}

TEST(ParameterCheck, RegistrationTexts)
{
    EXPECT_TRUE(param("Stelvar_Instr", "Registration", "tC_GKSV r200 g0 b0 fCourier New").empty());
    EXPECT_TRUE(param("Stelvar_Instr", "Registration", "r255 g220 b0").empty());
    auto green = param("Stelvar_Instr", "Registration", "tbravo");
    ASSERT_EQ(errors(green), 1u) << all_text(green);
    EXPECT_NE(green[0].message.find("red 0, green 255, blue 0"), std::string::npos);
    EXPECT_EQ(errors(param("Stelvar_Instr", "Registration", "tN123 fArial r255")), 1u);
    EXPECT_NE(all_text(param("Norvak_Instr", "Registration", "r300")).find("gives 255"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "Registration", "tABCDEFGHIJ")).find("'ABCDEFG' of 'ABCDEFGHIJ'"),
              std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "Registration", "r10 tABC")).find("very first letter"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "Registration", "tC GKSV")).find("'GKSV' is not shown"), std::string::npos);
}

TEST(ParameterCheck, EngineAndWaterTexts)
{
    EXPECT_TRUE(param("Norvak_Instr", "Fuel_Flow", "2").empty());
    EXPECT_TRUE(param("Norvak_Instr", "Oil_Quantity", "2 // right engine, not 1").empty());
    EXPECT_NE(all_text(param("Norvak_Instr", "Fuel_Flow", "12")).find("shows engine 1"), std::string::npos);
    EXPECT_EQ(errors(param("Norvak_Instr", "Fuel_Flow", "5")), 1u);
    EXPECT_NE(all_text(param("Norvak_Instr", "Fuel_Flow", "left")).find("no engine number"), std::string::npos);

    EXPECT_TRUE(param("Norvak_Instr", "Water_System", "MaxSAlt8 ScoopSpd0.1 DumpSpd1").empty());
    EXPECT_TRUE(param("Norvak_Instr", "Water_System", "MaxSAlt 8").empty());
    EXPECT_EQ(errors(param("Norvak_Instr", "Water_System", "MaxSAlt=8")), 1u);
    EXPECT_NE(all_text(param("Norvak_Instr", "Water_System", "ScoopSped0.1")).find("did you mean ScoopSpd?"),
              std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "Water_System", "scoopspd0.1")).find("exactly as ScoopSpd"),
              std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "Water_System", "MinSAlt10")).find("never fill"), std::string::npos);
    EXPECT_NE(all_text(param("Norvak_Instr", "Water_System", "DumpSpd")).find("keeps its default 0.5"), std::string::npos);

    EXPECT_NE(all_text(param("Norvak_Instr", "Airspeed", "2")).find("reads no parameter text"), std::string::npos);
    EXPECT_TRUE(param("Norvak_Instr", "Airspeed", "").empty());
}

// What the checker says a text does is what the gauge does with it.
TEST(ParameterCheck, TheEffectsToldAreTheGaugesOwn)
{
    auto f = param("Stelvar_Instr", "Compass_Toggle", "tcompass");
    ASSERT_FALSE(f.empty());
    SimulatedPanel host;
    Module&        m = host.load_module(module_path("Stelvar_Instr"));
    Gauge&         button = host.add_gauge(m, "Compass_Toggle", "tcompass");
    button.connect();
    size_t installed = host.sim().events().size();
    ASSERT_EQ(installed, 1u);   // a: closes window 0 when the panel first comes up
    EXPECT_EQ(host.sim().events()[0].id, event::window_close);
    EXPECT_EQ(host.sim().events()[0].value, 0u);
    for (const MouseArea& a : button.mouse().areas())
        if (a.rect->type == mouse_rect_child)
            button.click_rect(a.index, MOUSE_LEFTSINGLE);
    std::vector<uint32_t> sent;
    for (size_t i = installed; i < host.sim().events().size(); ++i) {
        sent.push_back(host.sim().events()[i].id);
        EXPECT_EQ(host.sim().events()[i].value, 0u);
    }
    EXPECT_EQ(sent, (std::vector<uint32_t>{event::window_open, event::window_close, event::window_toggle, event::view_home}));

    Gauge& plate = host.add_gauge(m, "Registration", "tbravo");
    plate.connect();
    host.frame(1.0 / 18);
    auto* text = reinterpret_cast<String*>(plate.elements()[1].element);
    EXPECT_EQ(text->text_colour, 0x00FF00u);   // green, as the checker says
}

// The option table says which gauges read a parameter text. A gauge it leaves out must behave the
// same with any text as with none; a gauge it names must be moved by its options.
std::string behaviour(const std::string& module, const std::string& gauge, const std::string& params,
                      bool clicks = true)
{
    std::string    trace;
    SimulatedPanel host;
    host.set_trace([&](const std::string& l) { trace += l + "\n"; });
    Module& m = host.load_module(module);
    Gauge&  g = host.add_gauge(m, gauge, params, "g");
    g.connect();
    for (int i = 0; i < 3; ++i)
        host.frame(1.0 / 18);
    for (const MouseArea& a : g.mouse().areas())
        for (uint32_t button : {MOUSE_LEFTSINGLE, MOUSE_RIGHTSINGLE})
            if (clicks && acts_on_click(*a.rect) && (a.rect->mouse_flags & button)) {
                g.click_rect(a.index, button);
                host.frame(1.0 / 18);
            }
    for (const ElementState& s : g.elements()) {
        trace += std::to_string(s.element->bitmap_id) + " " + std::to_string(s.hidden) + " " + std::to_string(s.frame) +
                 " " + s.text + " " + std::to_string(s.value[0]);
        if (s.element->kind == ElementKind::needle)
            trace += " token " + std::to_string(reinterpret_cast<Needle*>(s.element)->source.token);
        if (s.element->kind == ElementKind::string)
            trace += " colour " + std::to_string(reinterpret_cast<String*>(s.element)->text_colour);
        trace += "\n";
    }
    for (const MouseArea& a : g.mouse().areas())
        trace += std::to_string(a.rect->help_id) + " ";
    return trace;
}

int face(const std::string& module, const std::string& gauge, const std::string& params)
{
    SimulatedPanel host;
    Gauge&         g = host.add_gauge(host.load_module(module), gauge, params);
    return static_cast<int>(g.root()->bitmap_id);
}

TEST(OptionTable, NamesExactlyTheGaugesThatReadTheirParameterText)
{
    // Each module from two copies of its file, so that the runs with and without a text each start
    // from a module of their own.
    const auto dir = std::filesystem::temp_directory_path() / "option_table_test";
    for (const std::string name : {"Norvak_Instr", "Stelvar_Instr"}) {
        std::filesystem::create_directories(dir / "plain");
        std::filesystem::create_directories(dir / "texts");
        const auto file = std::filesystem::path(module_path(name)).filename();
        std::filesystem::copy_file(module_path(name), dir / "plain" / file, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(module_path(name), dir / "texts" / file, std::filesystem::copy_options::overwrite_existing);
        std::vector<std::string> gauges;
        auto module = Module::load(module_path(name));
        for (const GaugeEntry& g : module->gauges())
            gauges.push_back(g.name());
        module.reset();
        int readers = 0;
        for (const std::string& gauge : gauges) {
            const ParameterGauge* row   = parameter_gauge(name, gauge);
            const std::string     plain = behaviour((dir / "plain" / file).string(), gauge, "");
            if (row == nullptr) {
                EXPECT_EQ(plain, behaviour((dir / "texts" / file).string(), gauge,
                                           "tABC o50 c50 p3 a50 b200 hTOGGLE_FUEL_WINDOW 2 r20 g30 MaxSAlt9 ScoopSpd0.5 fX"))
                    << name << "!" << gauge << " acts on its parameter text, but the option table says it reads none";
                continue;
            }
            ++readers;
            std::string family = row->family->id, text;
            if (family == "button")
                text = "o50";
            else if (family == "registration")
                text = "tABC r10";
            else if (family == "engine")
                text = "2";
            else
                continue;   // the water settings only show while scooping: tests/unit/water_system_test.cpp
            EXPECT_NE(plain, behaviour((dir / "texts" / file).string(), gauge, text))
                << name << "!" << gauge << " ignores " << text;
            if (family == "button") {   // the last face is worn, one past it is not
                const int last = row->highest_face;
                EXPECT_EQ(face((dir / "texts" / file).string(), gauge, "b" + std::to_string(last)), last) << gauge;
                EXPECT_EQ(face((dir / "texts" / file).string(), gauge, "b" + std::to_string(last + button_face_step)),
                          face((dir / "plain" / file).string(), gauge, ""))
                    << name << "!" << gauge;
            }
        }
        EXPECT_GT(readers, 10) << name;
    }
    std::filesystem::remove_all(dir);
}

}  // namespace

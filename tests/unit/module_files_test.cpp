// What a user is told when a name is misspelt or a file is no module, and the names gauge-host
// takes for numbers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/core/module.h"
#include "host/core/module_files.h"
#include "host/core/numbers.h"
#include "host/core/text_tools.h"
#include "module_paths.h"

using namespace host;

namespace {

std::string load_error(const std::string& path)
{
    try {
        Module::load(path);
    } catch (const HostError& e) {
        return e.what();
    }
    return "";
}

TEST(ModuleFiles, LoadFailuresTellTheCauseAndTheModulesThere)
{
    std::string misspelt = load_error(module_path("Norvak_Inst"));
    EXPECT_NE(misspelt.find("there is no such file; the modules in"), std::string::npos) << misspelt;
    EXPECT_NE(misspelt.find("Stelvar_Instr"), std::string::npos) << misspelt;
    EXPECT_NE(misspelt.find("(did you mean Norvak_Instr?)"), std::string::npos) << misspelt;

    const auto dir = std::filesystem::temp_directory_path() / "module_files_test";
    std::filesystem::create_directories(dir / "folder.so");
    std::ofstream(dir / "empty.so").close();
    std::ofstream(dir / "text.so") << "hello\n";
    std::ofstream(dir / "Windows.gau") << "MZ\x90";
    EXPECT_NE(load_error((dir / "folder.so").string()).find("it is a folder"), std::string::npos);
    EXPECT_NE(load_error((dir / "empty.so").string()).find("the file is empty"), std::string::npos);
    EXPECT_NE(load_error((dir / "text.so").string()).find("neither a Windows DLL nor a Linux shared object"),
              std::string::npos);
    EXPECT_NE(load_error((dir / "Windows.gau").string()).find("it is a Windows module (.gau)"), std::string::npos);
    EXPECT_NE(load_error((dir / "none" / "x.so").string()).find("there is no folder"), std::string::npos);
    // A folder's own files are listed only when they are modules of this build.
    EXPECT_EQ(module_names_in(dir.string()), (std::vector<std::string>{"empty", "text"}));
    std::filesystem::remove_all(dir);
}

TEST(ModuleFiles, ALibraryThatIsNoGaugeModuleIsToldSo)
{
    EXPECT_NE(load_error(module_path("WaveFixtures")).find("not a gauge module"), std::string::npos);
}

TEST(Names, VariablesEventsAndWindowsByName)
{
    EXPECT_EQ(parse_token("airspeed"), 0x3Du);
    EXPECT_EQ(parse_token("Stall_Warning"), 0x43u);
    EXPECT_EQ(parse_id("drop_on", IdKind::event), 0x10201u);
    EXPECT_EQ(parse_id("gps_panel", IdKind::panel_window), 225u);
    EXPECT_EQ(parse_id("left_tank_offset", IdKind::ext_offset), 0x0B8Cu);
    EXPECT_EQ(parse_token("0x3D"), 0x3Du);
    try {
        parse_token("airsped");
        FAIL();
    } catch (const HostError& e) {
        EXPECT_EQ(std::string(e.what()), "no token named 'airsped' (did you mean airspeed?)");
    }
}

TEST(TextTools, QuotesAreCutAndNamesSuggested)
{
    EXPECT_EQ(in_quotes("abc"), "'abc'");
    std::string long_quote = in_quotes(std::string(5000, 'x'));
    EXPECT_EQ(long_quote.size(), quote_limit + std::string("''... (5000 characters, the first 200 shown)").size());
    const std::vector<std::string> gauges = {"Radio_NAV1", "Radio_NAV2", "Radio_ADF", "Radio_COM1", "Airspeed"};
    EXPECT_EQ(nearest_names("Radio_Nav2", gauges)[0], "Radio_NAV2");
    EXPECT_EQ(nearest_names("airspeed", gauges), (std::vector<std::string>{"Airspeed"}));
    EXPECT_TRUE(nearest_names("Altimeter", gauges).empty());
    EXPECT_EQ(nearest_names("Norvak", {"Norvak_Instr", "Tolvane"}), (std::vector<std::string>{"Norvak_Instr"}));
    EXPECT_EQ(did_you_mean({"A", "B"}), "did you mean A or B?");
    EXPECT_EQ(joined({"a", "b", "c"}), "a, b and c");
    // Words far past any name are measured without the cost of comparing them letter by letter.
    EXPECT_EQ(edit_distance(std::string(100000, 'a'), "abc"), 100000u);
}

}  // namespace

// The attack aircraft's ADF radio in the real Stelvar_Instr.gau: the band taken from the host's
// frequency at installation, the band edges packed into BCD by the 32-bit code, the crank's limit,
// the audio events of every update and the blank window of a switched-off set.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "common/numeric.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"

using namespace host;

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

struct StelvarAdfGau : ::testing::Test {
    SimulatedPanel host;
    Module&   stelvar = host.load_module("modules\\Stelvar_Instr.gau");

    Events sent(size_t from)
    {
        Events out;
        for (size_t i = from; i < host.sim().events().size(); ++i)
            out.emplace_back(host.sim().events()[i].id, host.sim().events()[i].value);
        return out;
    }
    Events click(Gauge& g, int rect, uint32_t button = MOUSE_LEFTSINGLE)
    {
        size_t before = host.sim().events().size();
        g.click_rect(rect, button);
        return sent(before);
    }
    Events frame()
    {
        size_t before = host.sim().events().size();
        host.frame(0.05);
        return sent(before);
    }
};

TEST(RebaseDigits32, PacksPastTheSignedRangeAndRejectsBasesBelowTwo)
{
    EXPECT_EQ(rebase_digits(99999999, 10, 16), 0x99999999u);
    EXPECT_EQ(rebase_digits(4100, 1, 16), 0u);
    EXPECT_EQ(rebase_digits(4100, 0, 16), 0u);
}

TEST_F(StelvarAdfGau, BandsTuningAudioAndPower)
{
    host.sim().set_integer(0x10, 0x000);
    host.sim().set_integer(0x12, 256);   // 1000.0 kHz: band 3
    Gauge& adf = host.add_gauge(stelvar, "Radio_ADF");
    adf.connect();
    EXPECT_EQ(frame(), (Events{{0x10131, 0}, {0x10131, 0}}));
    EXPECT_EQ(adf.elements()[3].text, "1000.0");
    EXPECT_EQ(adf.elements()[5].value[0], 3.0);
    EXPECT_EQ(adf.elements()[1].value[0], 45.0);

    EXPECT_EQ(click(adf, 5), Events{});                           // no band above 3
    EXPECT_EQ(click(adf, 4), (Events{{0x1024A, 0x8500}}));        // top of band 2
    frame();
    EXPECT_EQ(adf.elements()[3].text, "0850.0");
    EXPECT_EQ(click(adf, 7, MOUSE_RIGHTSINGLE), Events{});        // 849.5 is the highest fine step
    EXPECT_EQ(click(adf, 6, MOUSE_LEFTSINGLE), Events(5, {0x103EF, 0}));
    EXPECT_EQ(click(adf, 4), (Events{{0x1024A, 0x4100}}));

    EXPECT_EQ(click(adf, 2), Events{});
    EXPECT_EQ(frame(), (Events{{0x1012C, 0}}));
    EXPECT_EQ(adf.elements()[3].text, "      ");
    EXPECT_EQ(adf.elements()[8].frame, -1);
    EXPECT_EQ(click(adf, 5), Events{});
    click(adf, 2);
    frame();
    EXPECT_EQ(adf.elements()[8].frame, 0);
}

}  // namespace

// The workbench (gauge-host serve) without a browser: the session and its scenario, the pictures,
// the request checks, and the web server answering over a real socket.
#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/script/scenario.h"
#include "serve_http.h"
#include "serve_ids.h"
#include "serve_json.h"
#include "serve_picture.h"
#include "serve_session.h"
#include "serve_workbench.h"

using namespace serve;
namespace fs = std::filesystem;

namespace {

const std::string panel_cfg = std::string(GAUGE_SOURCE_DIR) + "/examples/water_bomber_panel.cfg";

Session::Options options(double rate = 18.0) { return {GAUGE_MODULE_DIR, rate}; }

PlacedRect find_rect(const std::vector<PlacedRect>& rects, const std::string& gauge, int index)
{
    for (const PlacedRect& r : rects)
        if (r.gauge == gauge && r.index == index)
            return r;
    throw std::runtime_error("no rectangle " + std::to_string(index) + " of " + gauge);
}

ClickOutcome click_rect(Session& s, const std::string& gauge, int index, bool right = false)
{
    const PlacedRect r = find_rect(s.rectangles(0), gauge, index);
    return s.click(0, r.x + r.width / 2, r.y + r.height / 2, right);
}

std::vector<std::string> run_text(const std::string& text)
{
    std::ostringstream out;
    host::ScenarioOptions o;
    o.module_dir = GAUGE_MODULE_DIR;
    host::run_scenario(host::parse_scenario(text, "saved.scn"), out, o);
    std::vector<std::string> lines;
    std::istringstream       in(out.str());
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

// Runs a session through `act`, ends it as a run ends, and returns what it printed and its scenario.
template <class F>
std::pair<std::vector<std::string>, std::string> session_run(Layout layout, F act, double rate = 18.0)
{
    Session s(std::move(layout), options(rate));
    s.start();
    act(s);
    std::string text = s.scenario_text();
    s.finish();
    return {s.trace(), text};
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Sessions and their scenarios

TEST(WorkbenchSession, SavedScenarioPrintsTheSessionsTrace)
{
    auto [trace, text] = session_run(panel_layout(panel_cfg), [](Session& s) {
        EXPECT_TRUE(click_rect(s, "Window00.6", 2).recorded);   // master
        EXPECT_TRUE(click_rect(s, "Window00.6", 3).recorded);   // scoop: a key event
        s.apply_preset("lake");
        for (int i = 0; i < 40; ++i)
            s.frame();
        s.set(token::airspeed, 123.5);
        s.set_expression("(A:SURFACE TYPE,Enum)", 2);
        click_rect(s, "Window00.7", 1);   // doors
        for (int i = 0; i < 60; ++i)
            s.frame();
        s.apply_preset("drop");
        for (int i = 0; i < 30; ++i)
            s.frame();
        click_rect(s, "Window00.6", 2, true);   // a right click the switch ignores
    });
    EXPECT_NE(text.find("click-at Window00.6 "), std::string::npos);
    EXPECT_NE(text.find("expr \"(A:SURFACE TYPE,Enum)\" 2"), std::string::npos);
    EXPECT_NE(text.find("\nframes 40\n"), std::string::npos);
    EXPECT_EQ(run_text(text), trace);
    // The flight did something worth replaying: water came aboard and a drop began.
    auto has = [&lines = trace](const char* what) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(what) != std::string::npos; });
    };
    EXPECT_TRUE(has("event 0x103B2 (scoop) value 0 from Window00.6"));
    EXPECT_TRUE(has("water left "));
    EXPECT_TRUE(has("water doors open"));
    EXPECT_TRUE(has("event 0x10201"));
}

TEST(WorkbenchSession, ResetStartsAnewAndStillReplays)
{
    auto [trace, text] = session_run(panel_layout(panel_cfg), [](Session& s) {
        click_rect(s, "Window00.6", 2);
        for (int i = 0; i < 5; ++i)
            s.frame();
        s.reset();
        EXPECT_EQ(s.frames(), 0u);
        EXPECT_EQ(s.time(), 0.0);
        click_rect(s, "Window00.6", 3);
        s.frame();
    });
    EXPECT_EQ(text.find("frames 5"), std::string::npos) << "the reset left the old session in:\n" << text;
    EXPECT_EQ(run_text(text), trace);
}

TEST(WorkbenchSession, OtherRatesAndIntegerTokensReplay)
{
    auto [trace, text] = session_run(gauges_layout("Norvak_Instr", {"Collins_COM1", "Airspeed"}), [](Session& s) {
        s.panel().sim().declare_integer(0x17);
        s.set(token::com1_frequency, 0x2345);
        s.set(token::airspeed, 80);
        for (int i = 0; i < 7; ++i)
            s.frame();
        EXPECT_THROW(s.set(token::com1_frequency, 1e12), host::HostError);
    }, 60.0);
    EXPECT_NE(text.find("set-int 0x17 9029"), std::string::npos) << text;
    EXPECT_NE(text.find("frames 7 at 60"), std::string::npos) << text;
    EXPECT_EQ(run_text(text), trace);
}

TEST(WorkbenchSession, GaugesOfAModuleSitSideBySideInRows)
{
    Session s(gauges_layout("Norvak_Instr", {"Airspeed", "Altimeter", "Airspeed", "Vertical_Speed", "Fuel_Toggle"}), options());
    s.start();
    auto check = [&] {
        const PanelLayout& w = s.layout().windows[0];
        EXPECT_EQ(w.gauges[2].label, "Airspeed.2");
        for (size_t i = 0; i < w.gauges.size(); ++i) {
            const PlacedGauge& g = w.gauges[i];
            EXPECT_GT(g.width, 0);
            EXPECT_LE(g.x + g.width, w.width);
            EXPECT_LE(g.y + g.height, w.height);
            EXPECT_LE(g.x + g.width, 1024) << g.label;
            for (size_t k = 0; k < i; ++k) {
                const PlacedGauge& o = w.gauges[k];
                EXPECT_TRUE(g.x >= o.x + o.width || o.x >= g.x + g.width || g.y >= o.y + o.height || o.y >= g.y + g.height)
                    << g.label << " overlaps " << o.label;
            }
        }
        EXPECT_GT(w.gauges[3].y, w.gauges[0].y);   // 300-pixel faces: three to a row
    };
    check();
    s.reset();
    check();
}

TEST(WorkbenchSession, ClicksBesideRectanglesAreNotPartOfTheSession)
{
    Session s(panel_layout(panel_cfg), options());
    s.start();
    const size_t lines = s.trace().size();
    ClickOutcome outside = s.click(0, 5, 5, false);   // the panel's margin
    EXPECT_FALSE(outside.on_gauge);
    ClickOutcome face = s.click(0, 85, 85, false);    // the airspeed face: no clickable rectangle
    EXPECT_TRUE(face.on_gauge);
    EXPECT_FALSE(face.recorded);
    EXPECT_FALSE(s.click(0, 1e300, 5, false).on_gauge);
    EXPECT_FALSE(s.click(7, 85, 85, false).on_gauge);   // no such window
    EXPECT_EQ(s.trace().size(), lines);
    ClickOutcome master = click_rect(s, "Window00.6", 2);
    EXPECT_TRUE(master.recorded);
    EXPECT_EQ(master.rect, 2);
    EXPECT_EQ(master.action, "callback");
}

TEST(WorkbenchSession, TooltipsShowTheirInsertsAndStayOutOfTheTrace)
{
    Session s(gauges_layout("Norvak_Instr", {"Collins_COM1"}), options());
    s.start();
    s.set(token::com1_frequency, 0x2345);
    s.frame();
    const size_t lines = s.trace().size();
    const auto&  g     = s.layout().windows[0].gauges[0];
    TooltipOutcome t   = s.tooltip(0, g.x + g.width / 2.0, g.y + g.height / 2.0);
    ASSERT_TRUE(t.text.has_value());
    EXPECT_EQ(*t.text, "Communications Radio COM1 - 123.450 MHz");
    EXPECT_EQ(s.trace().size(), lines);
    EXPECT_TRUE(s.reproducible());
}

TEST(WorkbenchSession, ListsWhatTheGaugesReadWithNames)
{
    Session s(panel_layout(panel_cfg), options());
    s.start();
    s.apply_preset("lake");
    click_rect(s, "Window00.6", 2);
    click_rect(s, "Window00.6", 3);
    s.frame();
    auto vars = s.variables();
    auto var  = [&](uint32_t t) { return std::find_if(vars.begin(), vars.end(), [&](auto& v) { return v.token == t; }); };
    ASSERT_NE(var(token::airspeed), vars.end());
    EXPECT_EQ(var(token::airspeed)->name, "airspeed");
    EXPECT_EQ(var(token::airspeed)->unit, "knots");
    EXPECT_EQ(var(token::airspeed)->value, 70);
    ASSERT_NE(var(token::radio_height), vars.end());   // read by the water system's own code
    auto exprs = s.expressions();
    ASSERT_FALSE(exprs.empty());
    EXPECT_TRUE(std::any_of(exprs.begin(), exprs.end(), [](auto& e) { return e.code == "(A:SURFACE TYPE,Enum)" && e.value == 2; }));
    // The log has the scoop event with its name, the sound of the click and the external
    // interface's requests.
    auto log = s.log_since(0);
    auto has = [&](const char* kind, const char* text) {
        return std::any_of(log.begin(), log.end(), [&](auto& e) { return e.kind == kind && e.text.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(has("event", "(scoop)"));
    EXPECT_TRUE(has("sound", "sound played by click on Window00.6"));
    EXPECT_TRUE(has("ext", "read 0xB8C"));
    auto sound = std::find_if(log.begin(), log.end(), [](auto& e) { return e.kind == "sound"; });
    ASSERT_NE(sound, log.end());
    const PlayedWave* w = s.sound(sound->sound);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(std::string(w->wav.begin(), w->wav.begin() + 4), "RIFF");
    EXPECT_EQ(s.log_since(log.back().seq).size(), 0u);
}

TEST(WorkbenchSession, ScenarioWordsAndFileNames)
{
    EXPECT_EQ(scenario_word("Window00.6"), "Window00.6");
    EXPECT_EQ(scenario_word("(A:SURFACE TYPE,Enum)"), "\"(A:SURFACE TYPE,Enum)\"");
    EXPECT_EQ(scenario_word("a#b"), "\"a#b\"");
    EXPECT_EQ(scenario_word(""), "\"\"");
    EXPECT_THROW(scenario_word("say \"hi\""), host::HostError);
    EXPECT_THROW(scenario_word("two\nlines"), host::HostError);
    EXPECT_EQ(scenario_file_name("flight_1-b"), "flight_1-b.scn");
    for (const char* bad : {"", "../etc", "a.b", "a b", "/tmp/x", "é"})
        EXPECT_EQ(scenario_file_name(bad), "") << bad;
    EXPECT_EQ(scenario_file_name(std::string(65, 'a')), "");
    Session s(panel_layout(panel_cfg), options());
    s.start();
    EXPECT_THROW(s.set_expression("(A:\"QUOTED\")", 1), host::HostError);
    EXPECT_THROW(s.apply_preset("space"), host::HostError);
    EXPECT_THROW(panel_layout(panel_cfg, "No Such Window"), host::HostError);
}

TEST(WorkbenchSession, WaveFilesAndJsonText)
{
    std::vector<uint8_t> samples(1000, 0x80);
    auto                 wav = wave_file(2, 22050, 16, samples);
    ASSERT_EQ(wav.size(), 44u + 1000u);
    auto u32 = [&](size_t at) { return wav[at] | wav[at + 1] << 8 | wav[at + 2] << 16 | uint32_t(wav[at + 3]) << 24; };
    EXPECT_EQ(u32(4), 36u + 1000u);
    EXPECT_EQ(u32(24), 22050u);
    EXPECT_EQ(u32(28), 22050u * 4);
    EXPECT_EQ(u32(40), 1000u);
    EXPECT_EQ(json_string("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(json_string("\xC3\xA9"), "\"\xC3\xA9\"");                 // é stays
    EXPECT_EQ(json_string("\xE9t\xC3"), "\"\xEF\xBF\xBDt\xEF\xBF\xBD\"");   // cp1252 and a cut sequence do not
    EXPECT_EQ(json_number(std::nan("")), "null");
    EXPECT_STREQ(id_name(IdKind::event, event::water_doors), "water_doors");
    EXPECT_EQ(id_name(IdKind::token, event::water_doors), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Pictures

TEST(WorkbenchPicture, DrawsOnlyTheGaugesThatChange)
{
    Session s(panel_layout(panel_cfg), options());
    s.start();
    s.frame();
    PictureMaker p;
    const auto&  w     = s.layout().windows[0];
    const double scale = 1024.0 / w.width;
    EXPECT_EQ(p.update(w, 0, scale, false), static_cast<int>(w.gauges.size()));
    EXPECT_EQ(p.width(), 1024);
    EXPECT_EQ(p.height(), static_cast<int>(std::lround(w.height * scale)));
    EXPECT_EQ(p.update(w, 0, scale, false), 0);
    const uint64_t layout = p.layout_version();
    click_rect(s, "Window00.6", 2);
    s.frame();
    EXPECT_EQ(p.update(w, 0, scale, false), 1);   // the water system's switches
    EXPECT_EQ(p.update(w, 0, scale, true), static_cast<int>(w.gauges.size()));
    EXPECT_EQ(p.layout_version(), layout);
    EXPECT_EQ(p.update(w, 0, scale / 2, false), static_cast<int>(w.gauges.size()));
    EXPECT_NE(p.layout_version(), layout);
    // Tiles sit where their gauges are and neighbours meet without a gap.
    const Tile& a = p.tiles()[0];   // Airspeed at 10,10, 150 wide; Altimeter at 170
    EXPECT_EQ(a.x, static_cast<int>(std::lround(10 * scale / 2)));
    EXPECT_EQ(a.x + a.width, static_cast<int>(std::lround(160 * scale / 2)));
    EXPECT_EQ(a.png_base64->substr(0, 8), "iVBORw0K");   // a PNG
    EXPECT_EQ(base64("ab", 2), "YWI=");
    EXPECT_EQ(base64("abc", 3), "YWJj");
}

// ---------------------------------------------------------------------------------------------
// Requests

TEST(WorkbenchRequests, OnlyThisServersHostAndOrigin)
{
    auto hosts = allowed_hosts("127.0.0.1", 8642);
    EXPECT_NE(std::find(hosts.begin(), hosts.end(), "127.0.0.1:8642"), hosts.end());
    EXPECT_NE(std::find(hosts.begin(), hosts.end(), "localhost:8642"), hosts.end());
    std::string h = "127.0.0.1:8642", upper = "LOCALHOST:8642", other_port = "127.0.0.1:8643", evil = "evil.example:8642";
    std::string rebound = "attacker.example";
    std::string own_origin = "http://127.0.0.1:8642", foreign = "http://evil.example", null_origin = "null",
                tls = "https://127.0.0.1:8642", cross = "cross-site", same = "same-origin";
    EXPECT_EQ(refusal(hosts, "/api/click", &h, nullptr, nullptr), "");
    EXPECT_EQ(refusal(hosts, "/api/click", &upper, &own_origin, &same), "");
    EXPECT_NE(refusal(hosts, "/api/click", nullptr, nullptr, nullptr), "");
    EXPECT_NE(refusal(hosts, "/", &other_port, nullptr, nullptr), "");
    EXPECT_NE(refusal(hosts, "/", &evil, nullptr, nullptr), "");
    EXPECT_NE(refusal(hosts, "/", &rebound, nullptr, nullptr), "");
    for (const std::string* o : {&foreign, &null_origin, &tls})
        EXPECT_NE(refusal(hosts, "/api/click", &h, o, nullptr), "") << *o;
    EXPECT_NE(refusal(hosts, "/api/click", &h, nullptr, &cross), "");
    EXPECT_EQ(refusal(hosts, "/", &h, nullptr, &cross), "");   // following a link to the page is fine
    auto any = allowed_hosts("0.0.0.0", 80);
    EXPECT_NE(std::find(any.begin(), any.end(), "127.0.0.1"), any.end());   // port 80 may go unsaid
    EXPECT_EQ(std::find(any.begin(), any.end(), "0.0.0.0:80"), any.end());
}

// The server on a real socket, with the frame loop on its own thread.
class WorkbenchServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        save_dir = fs::temp_directory_path() / ("workbench-test-" + std::to_string(::getpid()));
        fs::create_directories(save_dir);
        session = std::make_unique<Session>(panel_layout(panel_cfg), options());
        session->start();
        bench = std::make_unique<Workbench>(*session, Workbench::Options{});
        port  = server.bind_to_any_port("127.0.0.1");
        ServerOptions o;
        o.allowed_hosts = allowed_hosts("127.0.0.1", port);
        o.save_dir      = save_dir.string();
        o.module_dir    = GAUGE_MODULE_DIR;
        o.executable    = GAUGE_HOST_EXECUTABLE;
        setup_server(server, *bench, o);
        http = std::thread([this] { server.listen_after_bind(); });
        loop = std::thread([this] { bench->run(); });
    }
    void TearDown() override
    {
        bench->stop();
        server.stop();
        http.join();
        loop.join();
        bench.reset();
        session.reset();
        fs::remove_all(save_dir);
    }
    httplib::Client client() { return httplib::Client("127.0.0.1", port); }

    fs::path                   save_dir;
    std::unique_ptr<Session>   session;
    std::unique_ptr<Workbench> bench;
    httplib::Server            server;
    int                        port = 0;
    std::thread                http, loop;
};

TEST_F(WorkbenchServer, ServesItsPageAndRefusesWhatItMust)
{
    auto c    = client();
    auto page = c.Get("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("<canvas id=\"panel\""), std::string::npos);
    EXPECT_NE(page->get_header_value("Content-Security-Policy").find("frame-ancestors 'none'"), std::string::npos);
    EXPECT_EQ(c.Get("/app.js")->status, 200);
    EXPECT_EQ(c.Get("/CMakeLists.txt")->status, 404);
    EXPECT_EQ(c.Get("/api/nothing")->status, 404);
    EXPECT_EQ(c.Get("/api/session", {{"Host", "evil.example"}})->status, 403);
    EXPECT_EQ(c.Post("/api/control", {{"Origin", "http://evil.example"}}, "action=pause",
                     "application/x-www-form-urlencoded")->status,
              403);
    EXPECT_EQ(c.Post("/api/control", "action=explode", "application/x-www-form-urlencoded")->status, 400);
    EXPECT_EQ(c.Post("/api/control", "action=speed&speed=100", "application/x-www-form-urlencoded")->status, 422);
    EXPECT_EQ(c.Post("/api/set", "token=0x3D", "application/x-www-form-urlencoded")->status, 400);
    EXPECT_EQ(c.Post("/api/set", "token=0x3D&value=nan", "application/x-www-form-urlencoded")->status, 400);
    EXPECT_EQ(c.Post("/api/set", std::string(max_request_body + 1, 'a'), "application/x-www-form-urlencoded")->status, 413);
    EXPECT_EQ(c.Get("/api/tooltip?window=0&x=1e400&y=1")->status, 400);
    httplib::Headers many;
    for (int i = 0; i <= static_cast<int>(max_header_count); ++i)
        many.emplace("X-Filler-" + std::to_string(i), "1");
    EXPECT_EQ(c.Get("/api/session", many)->status, 431);
    EXPECT_EQ(c.Get("/api/sound/99999")->status, 404);
    EXPECT_EQ(c.Post("/api/set", "token=0x3D&value=99", "application/x-www-form-urlencoded")->status, 200);
    auto trace = c.Get("/api/trace");
    EXPECT_NE(trace->body.find("set 0x3D (airspeed) = 99"), std::string::npos);
}

TEST_F(WorkbenchServer, ClickAnswersWithTheFrameThatShowsItAndSavesAReplayableScenario)
{
    auto c = client();
    auto rects = c.Get("/api/rects?window=0");
    ASSERT_EQ(rects->status, 200);
    EXPECT_NE(rects->body.find("\"gauge\":\"Window00.6\",\"index\":2,\"type\":\"child\""), std::string::npos);
    const PlacedRect r = find_rect(session->rectangles(0), "Window00.6", 2);   // read before the loop ran anything
    auto click = c.Post("/api/click", "window=0&x=" + std::to_string(r.x + 2) + "&y=" + std::to_string(r.y + 2),
                        "application/x-www-form-urlencoded");
    ASSERT_EQ(click->status, 200);
    EXPECT_NE(click->body.find("\"recorded\":true"), std::string::npos);
    EXPECT_EQ(c.Post("/api/preset", "name=lake", "application/x-www-form-urlencoded")->status, 200);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    auto saved = c.Post("/api/save", "name=flight", "application/x-www-form-urlencoded");
    ASSERT_EQ(saved->status, 200) << saved->body;
    EXPECT_NE(saved->body.find("\"same\":true"), std::string::npos) << saved->body;
    EXPECT_TRUE(fs::exists(save_dir / "flight.scn"));
    EXPECT_TRUE(fs::exists(save_dir / "flight.trace"));
    EXPECT_EQ(c.Post("/api/save", "name=flight", "application/x-www-form-urlencoded")->status, 409);
    EXPECT_EQ(c.Post("/api/save", "name=..%2Fflight", "application/x-www-form-urlencoded")->status, 400);
    EXPECT_EQ(c.Post("/api/save", "name=flight&overwrite=1", "application/x-www-form-urlencoded")->status, 200);
}

TEST_F(WorkbenchServer, PauseFrameAndSpeed)
{
    auto c    = client();
    auto post = [&](const std::string& body) {
        return c.Post("/api/control", body, "application/x-www-form-urlencoded")->status;
    };
    auto frames = [&] { return bench->call([](Workbench& b) { return b.session().frames(); }); };
    ASSERT_EQ(post("action=pause"), 200);
    const uint64_t paused_at = frames();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(frames(), paused_at);
    ASSERT_EQ(post("action=step"), 200);
    EXPECT_EQ(frames(), paused_at + 1);
    EXPECT_EQ(post("action=speed&speed=0.125"), 422);
    EXPECT_EQ(post("action=speed&speed=8"), 200);
    ASSERT_EQ(post("action=resume"), 200);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    // At 8 x 18 Hz half a second is some 72 frames; a loaded machine may manage fewer.
    EXPECT_GT(frames(), paused_at + 20);
    EXPECT_EQ(bench->call([](Workbench& b) { return b.speed(); }), 8.0);
}

TEST_F(WorkbenchServer, EventStreamsEndWhenTheWorkbenchStops)
{
    std::string received;
    std::thread reader([&] {
        auto c = client();
        c.set_read_timeout(20, 0);
        c.Get("/api/stream", [&](const char* data, size_t n) {
            received.append(data, n);
            return true;
        });
    });
    for (int i = 0; i < 100 && received.find("event: frame") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    bench->stop();
    reader.join();   // returns once the stream has ended
    EXPECT_NE(received.find("event: frame"), std::string::npos);
    EXPECT_NE(received.find("\"png\":\"iVBORw0K"), std::string::npos);
    EXPECT_NE(received.find("event: state"), std::string::npos);
    EXPECT_NE(received.find("event: bye"), std::string::npos);
}

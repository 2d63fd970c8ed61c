#include "serve_http.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "host/script/scenario.h"
#include "serve_json.h"
#include "serve_web.h"
#include "serve_workbench.h"

namespace fs = std::filesystem;
using namespace std::chrono;
using host::HostError;

namespace serve {
namespace {

// A request the API cannot read.
struct BadRequest : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

const std::string& param(const httplib::Request& req, const char* name, size_t max_size = 256)
{
    auto it = req.params.find(name);
    if (it == req.params.end())
        throw BadRequest(std::string("missing parameter '") + name + "'");
    if (it->second.size() > max_size)
        throw BadRequest(std::string("parameter '") + name + "' is too long");
    return it->second;
}

double number_param(const httplib::Request& req, const char* name)
{
    const std::string& s = param(req, name, 64);
    double             v = 0;
    auto [end, ec]       = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty() || !std::isfinite(v))
        throw BadRequest(std::string("parameter '") + name + "' is not a number: '" + s + "'");
    return v;
}

int int_param(const httplib::Request& req, const char* name)
{
    double v = number_param(req, name);
    if (v != std::floor(v) || v < -1e9 || v > 1e9)
        throw BadRequest(std::string("parameter '") + name + "' is not a whole number");
    return static_cast<int>(v);
}

void reply_json(httplib::Response& res, const std::string& json, int status = 200)
{
    res.status = status;
    res.set_content(json, "application/json");
}

void reply_error(httplib::Response& res, int status, const std::string& message)
{
    reply_json(res, "{\"error\":" + json_string(message) + "}", status);
}

// Runs an API handler, answering what goes wrong with a 4xx or 503 and a message.
template <class F>
httplib::Server::Handler api(F f)
{
    return [f](const httplib::Request& req, httplib::Response& res) {
        try {
            f(req, res);
        } catch (const BadRequest& e) {
            reply_error(res, 400, e.what());
        } catch (const HostError& e) {
            reply_error(res, 422, e.what());
        } catch (const Unavailable& e) {
            reply_error(res, 503, e.what());
        } catch (const std::future_error&) {
            reply_error(res, 503, "the workbench is stopping");
        }
    };
}

std::string session_json(Workbench& bench)
{
    return bench.call([](Workbench& b) {
        Session&    s = b.session();
        std::string j = "{\"source\":" + json_string(s.layout().source) + ",\"rate\":" + json_number(s.rate()) +
                        ",\"windows\":[";
        bool first_window = true;
        for (const PanelLayout& w : s.layout().windows) {
            j += std::string(first_window ? "" : ",") + "{\"section\":" + json_string(w.section) +
                 ",\"title\":" + json_string(w.title) + ",\"width\":" + std::to_string(w.width) +
                 ",\"height\":" + std::to_string(w.height) + ",\"gauges\":[";
            first_window = false;
            bool first = true;
            for (const PlacedGauge& g : w.gauges) {
                j += std::string(first ? "" : ",") + "{\"label\":" + json_string(g.label) + ",\"module\":" +
                     json_string(g.module) + ",\"gauge\":" + json_string(g.gauge) + ",\"x\":" + std::to_string(g.x) +
                     ",\"y\":" + std::to_string(g.y) + ",\"width\":" + std::to_string(g.width) +
                     ",\"height\":" + std::to_string(g.height) + "}";
                first = false;
            }
            j += "]}";
        }
        j += "],\"presets\":[";
        bool first = true;
        for (const Preset& p : flight_presets()) {
            j += std::string(first ? "" : ",") + "{\"name\":" + json_string(p.name) +
                 ",\"description\":" + json_string(p.description) + "}";
            first = false;
        }
        return j + "]}";
    });
}

// The event stream of one browser: pictures (only the tiles it has not had), log lines and state.
class Stream {
public:
    Stream(Workbench& bench, uint64_t log_after) : bench_(bench), log_sent_(log_after) {}

    // Writes what is new, waiting for it; false when the browser has gone.
    bool pump(httplib::DataSink& sink)
    {
        std::string message;
        {
            std::unique_lock lock(bench_.published_mutex());
            const Published& p       = bench_.published();
            auto             is_new  = [&] {
                return p.stopping || p.picture_seq != picture_sent_ || p.log_end > log_sent_ ||
                       p.state_version != state_sent_;
            };
            if (!bench_.published_changed().wait_for(lock, seconds(10), is_new)) {
                lock.unlock();
                return sink.write(": still here\n\n", 15);
            }
            if (p.stopping) {
                lock.unlock();
                sink.write("event: bye\ndata: {}\n\n", 21);
                sink.done();
                return false;
            }
            // What is new, copied (the pictures by reference) so that the frame loop need not
            // wait while this stream writes its text.
            snapshot_.picture_seq   = p.picture_seq;
            snapshot_.frame         = p.frame;
            snapshot_.time          = p.time;
            snapshot_.window        = p.window;
            snapshot_.width         = p.width;
            snapshot_.height        = p.height;
            snapshot_.layout        = p.layout;
            snapshot_.log_end       = p.log_end;
            snapshot_.state_version = p.state_version;
            snapshot_.state         = p.state;
            snapshot_.tiles.clear();
            if (p.picture_seq != picture_sent_)
                snapshot_.tiles = p.tiles;
            snapshot_.log.clear();
            for (auto it = p.log.rbegin(); it != p.log.rend() && it->seq > log_sent_; ++it)
                snapshot_.log.push_front(*it);
        }
        if (snapshot_.picture_seq != picture_sent_)
            message += picture(snapshot_);
        if (snapshot_.log_end > log_sent_)
            message += log(snapshot_);
        if (snapshot_.state_version != state_sent_ && snapshot_.state) {
            message += "event: state\ndata: " + *snapshot_.state + "\n\n";
            state_sent_ = snapshot_.state_version;
        }
        return message.empty() || sink.write(message.data(), message.size());
    }

private:
    std::string picture(const Published& p)
    {
        picture_sent_ = p.picture_seq;
        const bool relayout = p.layout != layout_sent_;
        if (relayout) {
            layout_sent_ = p.layout;
            versions_.assign(p.tiles.size(), 0);
        }
        std::string j = "event: frame\ndata: {\"frame\":" + std::to_string(p.frame) + ",\"time\":" +
                        json_number(p.time) + ",\"window\":" + std::to_string(p.window) + ",\"width\":" +
                        std::to_string(p.width) + ",\"height\":" + std::to_string(p.height) +
                        ",\"layout\":" + json_bool(relayout) + ",\"tiles\":[";
        bool first = true;
        for (size_t i = 0; i < p.tiles.size() && i < versions_.size(); ++i) {
            const Tile& t = p.tiles[i];
            if (t.version == versions_[i])
                continue;
            versions_[i] = t.version;
            j += std::string(first ? "" : ",") + "{\"i\":" + std::to_string(i) + ",\"x\":" + std::to_string(t.x) +
                 ",\"y\":" + std::to_string(t.y) + ",\"w\":" + std::to_string(t.width) + ",\"h\":" +
                 std::to_string(t.height) + ",\"png\":\"" + (t.png_base64 ? *t.png_base64 : std::string()) + "\"}";
            first = false;
        }
        return j + "]}\n\n";
    }

    std::string log(const Published& p)
    {
        std::string j     = "event: log\ndata: [";
        bool        first = true;
        for (const LogEntry& e : p.log) {
            if (e.seq <= log_sent_)
                continue;
            j += std::string(first ? "" : ",") + "{\"seq\":" + std::to_string(e.seq) + ",\"time\":" +
                 json_number(e.time) + ",\"kind\":" + json_string(e.kind) + ",\"text\":" + json_string(e.text) +
                 (e.sound >= 0 ? ",\"sound\":" + std::to_string(e.sound) : "") + "}";
            first = false;
        }
        log_sent_ = p.log_end;
        return j + "]\n\n";
    }

    Workbench&            bench_;
    Published             snapshot_;
    uint64_t              picture_sent_ = 0;
    uint64_t              layout_sent_  = 0;
    uint64_t              log_sent_     = 0;
    uint64_t              state_sent_   = 0;
    std::vector<uint64_t> versions_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------

std::vector<std::string> allowed_hosts(const std::string& address, int port)
{
    std::vector<std::string> names;
    auto                     add = [&](const std::string& name) {
        if (std::find(names.begin(), names.end(), lower(name)) == names.end())
            names.push_back(lower(name));
    };
    const bool any = address == "0.0.0.0" || address == "::" || address.empty();
    if (any || address == "127.0.0.1" || address == "localhost") {
        add("127.0.0.1");
        add("localhost");
    }
    if (address == "::1" || address == "::")
        add("[::1]");
    if (!any && address != "localhost")
        add(address.find(':') != std::string::npos ? "[" + address + "]" : address);
    if (any) {
        char name[256] = {};
        if (gethostname(name, sizeof name - 1) == 0 && name[0])
            add(name);
        ifaddrs* list = nullptr;
        if (getifaddrs(&list) == 0) {
            for (ifaddrs* a = list; a; a = a->ifa_next) {
                if (a->ifa_addr == nullptr)
                    continue;
                char text[INET6_ADDRSTRLEN] = {};
                if (a->ifa_addr->sa_family == AF_INET) {
                    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(a->ifa_addr)->sin_addr, text, sizeof text);
                    add(text);
                } else if (a->ifa_addr->sa_family == AF_INET6 && address == "::") {
                    inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(a->ifa_addr)->sin6_addr, text, sizeof text);
                    add("[" + std::string(text) + "]");
                }
            }
            freeifaddrs(list);
        }
    }
    std::vector<std::string> hosts;
    for (const std::string& n : names) {
        hosts.push_back(n + ":" + std::to_string(port));
        if (port == 80)
            hosts.push_back(n);
    }
    return hosts;
}

std::string refusal(const std::vector<std::string>& allowed, const std::string& path, const std::string* host,
                    const std::string* origin, const std::string* fetch_site)
{
    auto known = [&](const std::string& h) { return std::find(allowed.begin(), allowed.end(), lower(h)) != allowed.end(); };
    if (host == nullptr || host->empty())
        return "a request must name its Host";
    if (!known(*host))
        return "Host '" + *host + "' is not this server";
    if (origin != nullptr) {
        const std::string o = lower(*origin);
        if (o.rfind("http://", 0) != 0 || !known(o.substr(7)))
            return "Origin '" + *origin + "' is not this server";
    }
    if (fetch_site != nullptr && *fetch_site == "cross-site" && path.rfind("/api/", 0) == 0)
        return "requests from other sites are not served";
    return "";
}

std::string scenario_file_name(const std::string& name)
{
    if (name.empty() || name.size() > 64)
        return "";
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            return "";
    return name + ".scn";
}

ReplayResult replay_scenario(const std::string& executable, const std::string& module_dir, const std::string& file)
{
    ReplayResult result;
    int          out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return result;
    pid_t child = fork();
    if (child < 0) {
        close(out[0]);
        close(out[1]);
        return result;
    }
    if (child == 0) {
        dup2(out[1], 1);
        dup2(out[1], 2);
        std::vector<std::string> args = {executable, "--modules", module_dir, "run", file};
        std::vector<char*>       argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(executable.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char        buf[65536];
    const auto  deadline = steady_clock::now() + seconds(120);
    for (;;) {
        pollfd p{out[0], POLLIN, 0};
        int    left = static_cast<int>(duration_cast<milliseconds>(deadline - steady_clock::now()).count());
        if (left <= 0 || poll(&p, 1, left) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0)
            break;
        text.append(buf, static_cast<size_t>(n));
        if (text.size() > (256u << 20)) {
            kill(child, SIGKILL);
            break;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        result.lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return result;
}

void setup_server(httplib::Server& server, Workbench& bench, const ServerOptions& options)
{
    server.set_payload_max_length(max_request_body);
    server.set_read_timeout(5);
    server.set_write_timeout(5);
    server.set_keep_alive_max_count(100);
    server.set_tcp_nodelay(true);   // pictures and clicks are small writes that must not wait
    server.new_task_queue = [] { return new httplib::ThreadPool(16); };
    server.set_default_headers({
        {"X-Content-Type-Options", "nosniff"},
        {"X-Frame-Options", "DENY"},
        {"Referrer-Policy", "no-referrer"},
        {"Cache-Control", "no-store"},
        {"Content-Security-Policy",
         "default-src 'self'; img-src 'self' data: blob:; media-src 'self' blob:; connect-src 'self'; "
         "script-src 'self'; style-src 'self'; frame-ancestors 'none'; base-uri 'none'; form-action 'none'"},
    });

    auto allowed = options.allowed_hosts;
    server.set_pre_routing_handler([allowed](const httplib::Request& req, httplib::Response& res) {
        auto header = [&](const char* name) -> std::optional<std::string> {
            if (!req.has_header(name))
                return std::nullopt;
            return req.get_header_value(name);
        };
        auto host = header("Host"), origin = header("Origin"), site = header("Sec-Fetch-Site");
        // The library bounds each header line and the body; the number of lines it leaves to us.
        size_t header_bytes = 0;
        for (const auto& [name, value] : req.headers)
            header_bytes += name.size() + value.size() + 4;
        if (req.headers.size() > max_header_count || header_bytes > max_header_bytes) {
            res.status = 431;
            res.set_content("refused: too many or too long headers\n", "text/plain; charset=utf-8");
            return httplib::Server::HandlerResponse::Handled;
        }
        std::string why;
        if (req.get_header_value_count("Host") > 1 || req.get_header_value_count("Origin") > 1)
            why = "a request must carry one Host and at most one Origin";
        else
            why = refusal(allowed, req.path, host ? &*host : nullptr, origin ? &*origin : nullptr,
                          site ? &*site : nullptr);
        if (why.empty())
            return httplib::Server::HandlerResponse::Unhandled;
        res.status = 403;
        res.set_content("refused: " + why + "\n", "text/plain; charset=utf-8");
        return httplib::Server::HandlerResponse::Handled;
    });
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty()) {
            const char* what = res.status == 404   ? "not found"
                               : res.status == 413 ? "request too large"
                               : res.status == 400 ? "bad request"
                                                   : "cannot serve this request";
            res.set_content(std::to_string(res.status) + " " + what + "\n", "text/plain; charset=utf-8");
        }
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        reply_error(res, 500, "internal error");
    });

    // The workbench's own files, nothing else.
    server.Get(R"(/([A-Za-z0-9_-]+\.[a-z]+)?)", [](const httplib::Request& req, httplib::Response& res) {
        const WebFile* f = find_web_file(req.path == "/" ? "index.html" : std::string_view(req.path).substr(1));
        if (f == nullptr) {
            res.status = 404;
            return;
        }
        res.set_content(f->data.data(), f->data.size(), std::string(f->type));
    });

    server.Get("/api/session", api([&bench](const httplib::Request&, httplib::Response& res) {
        reply_json(res, session_json(bench));
    }));

    auto streams = std::make_shared<std::atomic<int>>(0);
    server.Get("/api/stream", [&bench, streams, max = options.max_streams](const httplib::Request& req,
                                                                            httplib::Response& res) {
        if (streams->fetch_add(1) >= max) {
            --*streams;
            reply_error(res, 503, "too many event streams are open");
            return;
        }
        uint64_t after = 0;
        if (req.has_param("log_after")) {
            const std::string& s = req.get_param_value("log_after");
            std::from_chars(s.data(), s.data() + s.size(), after);
        }
        bench.subscribe();
        auto stream = std::make_shared<Stream>(bench, after);
        res.set_header("X-Accel-Buffering", "no");
        res.set_chunked_content_provider(
            "text/event-stream",
            [stream](size_t, httplib::DataSink& sink) {
                while (stream->pump(sink)) {
                }
                return false;
            },
            [&bench, streams](bool) {
                bench.unsubscribe();
                --*streams;
            });
    });

    server.Get("/api/rects", api([&bench](const httplib::Request& req, httplib::Response& res) {
        int window = int_param(req, "window");
        auto rects = bench.call([window](Workbench& b) { return b.session().rectangles(window); });
        std::string j = "[";
        for (size_t i = 0; i < rects.size(); ++i) {
            const PlacedRect& r = rects[i];
            j += std::string(i ? "," : "") + "{\"gauge\":" + json_string(r.gauge) + ",\"index\":" +
                 std::to_string(r.index) + ",\"type\":" + json_string(r.type) + ",\"x\":" + json_number(r.x) +
                 ",\"y\":" + json_number(r.y) + ",\"width\":" + json_number(r.width) + ",\"height\":" +
                 json_number(r.height) + ",\"cursor\":" + std::to_string(r.cursor) + ",\"help_id\":" +
                 json_string(host::hex(r.help_id)) + ",\"event\":" +
                 (r.event_id ? json_string(host::hex(r.event_id)) : "null") + ",\"clickable\":" +
                 json_bool(r.clickable) + ",\"tooltip\":" + json_bool(r.has_tooltip) + "}";
        }
        reply_json(res, j + "]");
    }));

    server.Get("/api/tooltip", api([&bench](const httplib::Request& req, httplib::Response& res) {
        int    window = int_param(req, "window");
        double x = number_param(req, "x"), y = number_param(req, "y");
        auto   t = bench.call([=](Workbench& b) { return b.session().tooltip(window, x, y); });
        reply_json(res, "{\"gauge\":" + (t.gauge.empty() ? std::string("null") : json_string(t.gauge)) +
                            ",\"rect\":" + std::to_string(t.rect) +
                            ",\"text\":" + (t.text ? json_string(*t.text) : std::string("null")) + "}");
    }));

    server.Post("/api/click", api([&bench](const httplib::Request& req, httplib::Response& res) {
        int         window = int_param(req, "window");
        double      x = number_param(req, "x"), y = number_param(req, "y");
        std::string button = req.has_param("button") ? param(req, "button", 8) : "left";
        if (button != "left" && button != "right")
            throw BadRequest("button must be left or right");
        auto [c, frame, paused] = bench.call([=](Workbench& b) {
            ClickOutcome c = b.session().click(window, x, y, button == "right");
            if (c.recorded)
                b.frame_soon();
            return std::tuple(c, b.session().frames() + 1, b.paused());
        });
        reply_json(res, "{\"on_gauge\":" + json_bool(c.on_gauge) + ",\"recorded\":" + json_bool(c.recorded) +
                            ",\"gauge\":" + json_string(c.gauge) + ",\"x\":" + std::to_string(c.x) + ",\"y\":" +
                            std::to_string(c.y) + ",\"rect\":" + std::to_string(c.rect) + ",\"action\":" +
                            json_string(c.action) + ",\"frame\":" + std::to_string(frame) + ",\"paused\":" +
                            json_bool(paused) + "}");
    }));

    server.Post("/api/set", api([&bench](const httplib::Request& req, httplib::Response& res) {
        uint32_t token;
        try {
            token = host::parse_token(param(req, "token", 16));
        } catch (const HostError& e) {
            throw BadRequest(e.what());
        }
        double value = number_param(req, "value");
        bench.call([=](Workbench& b) { b.session().set(token, value); return 0; });
        reply_json(res, "{}");
    }));

    server.Post("/api/expr", api([&bench](const httplib::Request& req, httplib::Response& res) {
        std::string code  = param(req, "code", 256);
        double      value = number_param(req, "value");
        bench.call([=](Workbench& b) { b.session().set_expression(code, value); return 0; });
        reply_json(res, "{}");
    }));

    server.Post("/api/preset", api([&bench](const httplib::Request& req, httplib::Response& res) {
        std::string name = param(req, "name", 32);
        bench.call([=](Workbench& b) { b.session().apply_preset(name); return 0; });
        reply_json(res, "{}");
    }));

    server.Post("/api/control", api([&bench](const httplib::Request& req, httplib::Response& res) {
        std::string action = param(req, "action", 16);
        double      speed  = action == "speed" ? number_param(req, "speed") : 1.0;
        if (action != "pause" && action != "resume" && action != "step" && action != "reset" && action != "speed")
            throw BadRequest("action must be pause, resume, step, reset or speed");
        bench.call([=](Workbench& b) {
            if (action == "pause")
                b.pause(true);
            else if (action == "resume")
                b.pause(false);
            else if (action == "step")
                b.step();
            else if (action == "reset")
                b.reset();
            else
                b.set_speed(speed);
            return 0;
        });
        reply_json(res, "{}");
    }));

    server.Post("/api/view", api([&bench](const httplib::Request& req, httplib::Response& res) {
        int  window = int_param(req, "window");
        int  width  = int_param(req, "width");
        bool full   = req.has_param("full") && req.get_param_value("full") == "1";
        bench.call([=](Workbench& b) { b.set_view(window, width, full); return 0; });
        reply_json(res, "{}");
    }));

    server.Get("/api/scenario", api([&bench](const httplib::Request&, httplib::Response& res) {
        res.set_content(bench.call([](Workbench& b) { return b.session().scenario_text(); }), "text/plain; charset=utf-8");
    }));

    server.Get("/api/trace", api([&bench](const httplib::Request&, httplib::Response& res) {
        auto        lines = bench.call([](Workbench& b) { return b.session().trace(); });
        std::string text;
        for (const auto& l : lines)
            text += l + "\n";
        res.set_content(text, "text/plain; charset=utf-8");
    }));

    server.Get(R"(/api/sound/(\d{1,9}))", api([&bench](const httplib::Request& req, httplib::Response& res) {
        int  number = std::stoi(req.matches[1]);
        auto wav    = bench.call([number](Workbench& b) {
            const PlayedWave* w = b.session().sound(number);
            return w ? w->wav : std::vector<uint8_t>{};
        });
        if (wav.empty()) {
            reply_error(res, 404, "no sound " + std::to_string(number) + " (the latest few are kept)");
            return;
        }
        res.set_content(reinterpret_cast<const char*>(wav.data()), wav.size(), "audio/wav");
    }));

    // Writes the session as NAME.scn, runs it, and writes NAME.trace when its run printed the
    // session's trace.
    server.Post("/api/save", api([&bench, options](const httplib::Request& req, httplib::Response& res) {
        const std::string file_name = scenario_file_name(param(req, "name", 64));
        if (file_name.empty())
            throw BadRequest("a scenario's name is 1 to 64 letters, digits, '-' or '_'");
        const bool  overwrite = req.has_param("overwrite") && req.get_param_value("overwrite") == "1";
        const auto  path      = (fs::path(options.save_dir) / file_name).string();
        auto [text, trace, reproducible] = bench.call([](Workbench& b) {
            std::string t = b.session().scenario_text();
            return std::tuple(t, b.session().trace(), b.session().reproducible());
        });
        std::error_code ec;
        if (fs::exists(path, ec) && !overwrite) {
            reply_error(res, 409, "'" + path + "' exists; save under another name or overwrite it");
            return;
        }
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << text;
            if (!out.flush())
                throw HostError("cannot write '" + path + "'");
        }
        ReplayResult r    = replay_scenario(options.executable, options.module_dir, path);
        bool         same = r.status == 0 && r.lines.size() >= trace.size() &&
                    std::equal(trace.begin(), trace.end(), r.lines.begin());
        std::string difference;
        if (!same) {
            if (r.status < 0)
                difference = "the scenario could not be run";
            for (size_t i = 0; difference.empty() && i < trace.size(); ++i) {
                if (i >= r.lines.size() || r.lines[i] != trace[i])
                    difference = "line " + std::to_string(i + 1) + ": session printed \"" + trace[i] + "\", the run \"" +
                                 (i < r.lines.size() ? r.lines[i] : std::string("(nothing)")) + "\"";
            }
            if (difference.empty())
                difference = "the run exited with status " + std::to_string(r.status);
        }
        std::string trace_path = path.substr(0, path.size() - 4) + ".trace";
        if (same) {
            std::ofstream out(trace_path, std::ios::binary | std::ios::trunc);
            for (const auto& l : r.lines)
                out << l << "\n";
        }
        reply_json(res, "{\"file\":" + json_string(path) + ",\"lines\":" +
                            std::to_string(std::count(text.begin(), text.end(), '\n')) + ",\"trace_lines\":" +
                            std::to_string(trace.size()) + ",\"reproducible\":" + json_bool(reproducible) +
                            ",\"replay\":{\"status\":" + std::to_string(r.status) + ",\"lines\":" +
                            std::to_string(r.lines.size()) + ",\"same\":" + json_bool(same) + ",\"trace_file\":" +
                            (same ? json_string(trace_path) : "null") + ",\"difference\":" + json_string(difference) +
                            "}}");
    }));
}

}  // namespace serve

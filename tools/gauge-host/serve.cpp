#include "serve.h"

#include <httplib.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "host/script/scenario.h"
#include "serve_http.h"
#include "serve_workbench.h"

namespace fs = std::filesystem;
using host::HostError;

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void on_signal(int) { interrupted = 1; }

constexpr int default_port = 8642;

int serve_usage()
{
    std::fputs("usage:\n"
               "  gauge-host serve PANEL.CFG [WINDOW] [options]\n"
               "  gauge-host serve MODULE GAUGE... [options]\n"
               "options:\n"
               "  --port N          the port (default 8642; 0 picks a free one)\n"
               "  --listen ADDR[:PORT]  the address to listen on (default 127.0.0.1: this machine only)\n"
               "  --rate HZ         host frames per second of simulated time (default 18)\n"
               "  --speed S         1/4 to 8 times real time (default 1)\n"
               "  --paused          start paused\n"
               "  --save-dir DIR    where \"save as scenario\" writes (default: the current directory)\n",
               stderr);
    return 2;
}

}  // namespace

int serve_command(const std::vector<std::string>& args, const std::string& module_dir)
{
    std::string              address = "127.0.0.1", save_dir = ".";
    int                      port    = default_port;
    double                   rate = 18.0, speed = 1.0;
    bool                     paused = false, listen_given = false;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a    = args[i];
        auto               next = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw HostError("option " + a + " needs a value");
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            serve_usage();
            return 0;
        }
        if (a == "--port") {
            double p = host::parse_value(next());
            if (p < 0 || p > 65535 || p != static_cast<int>(p))
                throw HostError("--port takes a port number from 0 to 65535");
            port = static_cast<int>(p);
        } else if (a == "--listen") {
            std::string v = next();
            listen_given  = true;
            auto colon    = v.rfind(':');
            if (colon != std::string::npos && v.find(':') == colon) {   // ADDR:PORT (not an IPv6 address)
                double p = host::parse_value(v.substr(colon + 1));
                if (p < 0 || p > 65535 || p != static_cast<int>(p))
                    throw HostError("--listen takes ADDR[:PORT] with a port from 0 to 65535");
                port = static_cast<int>(p);
                v    = v.substr(0, colon);
            }
            if (v.size() > 2 && v.front() == '[' && v.back() == ']')
                v = v.substr(1, v.size() - 2);
            address = v;
        } else if (a == "--rate") {
            rate = host::parse_value(next());
        } else if (a == "--speed") {
            speed = host::parse_value(next());
        } else if (a == "--paused") {
            paused = true;
        } else if (a == "--save-dir") {
            save_dir = next();
        } else if (a.rfind("--", 0) == 0) {
            throw HostError("unknown option '" + a + "'");
        } else {
            rest.push_back(a);
        }
    }
    if (rest.empty())
        return serve_usage();

    // Ctrl-C from here on stops the workbench cleanly (also when it comes during start-up, or when
    // the shell started gauge-host with SIGINT ignored).
    struct sigaction sa = {};
    sa.sa_handler       = on_signal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    serve::Layout layout;
    const std::string& first = rest[0];
    if (first.size() > 4 && first.substr(first.size() - 4) == ".cfg") {
        if (rest.size() > 2)
            return serve_usage();
        layout = serve::panel_layout(first, rest.size() > 1 ? rest[1] : "");
    } else {
        if (rest.size() < 2)
            return serve_usage();
        layout = serve::gauges_layout(first, {rest.begin() + 1, rest.end()});
    }
    if (!fs::is_directory(save_dir))
        throw HostError("--save-dir '" + save_dir + "' is not a folder");

    serve::Session session(std::move(layout), {module_dir, rate});
    session.set_trace_sink([](const std::string& line) {
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    });
    session.start();
    serve::Workbench bench(session, {speed});

    httplib::Server     server;
    serve::ServerOptions options;
    options.save_dir   = save_dir;
    options.module_dir = module_dir;
    std::error_code ec;
    options.executable = fs::canonical("/proc/self/exe", ec).string();
    if (ec)
        throw HostError("cannot tell where gauge-host itself is");

    int bound = port == 0 ? server.bind_to_any_port(address) : (server.bind_to_port(address, port) ? port : -1);
    if (bound < 0)
        throw HostError("cannot listen on " + address + ":" + std::to_string(port) +
                        (port == default_port ? " (in use? --port N chooses another, --port 0 any free one)" : ""));
    options.allowed_hosts = serve::allowed_hosts(address, bound);
    serve::setup_server(server, bench, options);
    if (listen_given && address != "127.0.0.1" && address != "localhost" && address != "::1")
        std::fprintf(stderr,
                     "gauge-host serve: warning: listening on %s: anyone who can reach this machine there can drive "
                     "the panel and write scenario files into %s\n",
                     address.c_str(), fs::absolute(save_dir).string().c_str());

    std::string shown = address == "0.0.0.0" || address == "::" ? "127.0.0.1" : address;
    if (shown.find(':') != std::string::npos)
        shown = "[" + shown + "]";
    std::printf("gauge-host serve: %s at http://%s:%d/  (Ctrl-C stops it)\n", session.layout().source.c_str(),
                shown.c_str(), bound);
    std::fflush(stdout);

    bench.pause(paused);   // the loop has not started: this thread is the frame thread

    std::thread http([&server] { server.listen_after_bind(); });
    std::thread watch([&bench] {
        while (!bench.stopping()) {
            if (interrupted) {
                bench.stop();
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    bench.run();
    bench.stop();
    server.stop();
    http.join();
    watch.join();
    session.finish();
    std::fprintf(stderr, "gauge-host serve: stopped\n");
    return 0;
}

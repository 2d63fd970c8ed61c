// The workbench's web server: its own files, a small API that posts commands to the frame loop, and
// an event stream of pictures, log lines and state. Requests are refused unless they name this
// server as their host (and origin, when they carry one).
#pragma once

#include <string>
#include <vector>

namespace httplib {
class Server;
}

namespace serve {

class Workbench;

// The Host header values under which this server is reached: "127.0.0.1:8642", "localhost:8642", ...
// For an address that stands for every interface, the names and addresses of this machine.
std::vector<std::string> allowed_hosts(const std::string& address, int port);

// Why a request must be refused, or "" to serve it. Headers that are absent are passed as nullptr.
// The Host must be one of the allowed ones; an Origin, when sent, must be this server's; a browser
// that says the request comes from another site is refused for the API.
std::string refusal(const std::vector<std::string>& allowed, const std::string& path, const std::string* host,
                    const std::string* origin, const std::string* fetch_site);

struct ServerOptions {
    std::vector<std::string> allowed_hosts;
    std::string              save_dir = ".";     // where "save as scenario" writes
    std::string              module_dir;         // handed to the replay of a saved scenario
    std::string              executable;         // gauge-host itself, for that replay
    int                      max_streams = 8;    // event streams open at once
};

constexpr size_t max_request_body = 64 * 1024;
constexpr size_t max_header_count = 100;
constexpr size_t max_header_bytes = 32 * 1024;

// Configures the server: limits, security checks, the web files and the API.
void setup_server(httplib::Server& server, Workbench& bench, const ServerOptions& options);

// Runs `gauge-host run FILE` and returns its exit status and output; -1 when it could not run.
struct ReplayResult {
    int                      status = -1;
    std::vector<std::string> lines;
};
ReplayResult replay_scenario(const std::string& executable, const std::string& module_dir, const std::string& file);

// A file name for a saved scenario: letters, digits, '-' and '_' (1 to 64), or "" when not one.
std::string scenario_file_name(const std::string& name);

}  // namespace serve

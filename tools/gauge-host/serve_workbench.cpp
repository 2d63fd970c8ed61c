#include "serve_workbench.h"

#include <algorithm>
#include <cmath>

#include "host/world/world.h"
#include "serve_json.h"

using namespace std::chrono;
using namespace host;

namespace serve {
namespace {

constexpr size_t   published_log_limit = 2000;
constexpr auto     state_interval      = milliseconds(200);
constexpr int      max_catch_up_frames = 8;
constexpr uint32_t highest_window_id   = 64;

}  // namespace

Workbench::Workbench(Session& session, Options options) : session_(session)
{
    set_speed(options.speed);
    next_frame_ = steady_clock::now();
    next_state_ = next_frame_;
}

Workbench::~Workbench() { stop(); }

void Workbench::post(std::function<void()> command)
{
    {
        std::lock_guard lock(queue_mutex_);
        if (stop_)
            throw Unavailable("the workbench is stopping");
        queue_.push_back(std::move(command));
    }
    queue_changed_.notify_one();
}

void Workbench::stop()
{
    {
        std::lock_guard lock(queue_mutex_);
        stop_ = true;
    }
    queue_changed_.notify_all();
    {
        std::lock_guard lock(published_mutex_);
        published_.stopping = true;
    }
    published_changed_.notify_all();
}

void Workbench::subscribe()
{
    ++subscribers_;
    try {
        post([] {});   // wakes the loop to draw a picture for the newcomer
    } catch (const Unavailable&) {
    }
}

void Workbench::unsubscribe() { --subscribers_; }

void Workbench::pause(bool paused)
{
    if (paused_ && !paused)
        next_frame_ = steady_clock::now();
    paused_ = paused;
}

void Workbench::step()
{
    session_.frame();
}

void Workbench::set_speed(double speed)
{
    if (!(speed >= 0.25 && speed <= 8.0))
        throw HostError("the speed must lie between 1/4 and 8");
    speed_ = speed;
}

void Workbench::set_view(int window, int width, bool full)
{
    if (window < 0 || window >= static_cast<int>(session_.layout().windows.size()))
        throw HostError("no window " + std::to_string(window));
    if (width < 64 || width > 4096)
        throw HostError("the picture's width must lie between 64 and 4096 pixels");
    window_     = window;
    view_width_ = width;
    full_       = full;
}

void Workbench::reset()
{
    picture_.forget();
    session_.reset();
    published_frame_ = ~0ull;
}

void Workbench::run_frames(steady_clock::time_point now)
{
    const auto interval = duration_cast<steady_clock::duration>(duration<double>(1.0 / (session_.rate() * speed_)));
    int        due      = 0;
    if (frame_now_) {
        due         = 1;
        next_frame_ = now + interval;
    } else if (now >= next_frame_) {
        due = static_cast<int>((now - next_frame_) / interval) + 1;
        if (due > max_catch_up_frames) {   // too far behind: drop the backlog rather than race
            due         = 1;
            next_frame_ = now;
        }
        next_frame_ += interval * due;
    }
    frame_now_ = false;
    for (int i = 0; i < due; ++i) {
        try {
            session_.frame();
        } catch (const std::exception&) {
            paused_ = true;   // the session logged it; a person decides what next
            break;
        }
    }
}

void Workbench::run()
{
    while (!stop_) {
        std::deque<std::function<void()>> commands;
        {
            std::unique_lock lock(queue_mutex_);
            auto             until = paused_ ? steady_clock::now() + milliseconds(100)
                                             : std::min(next_frame_, steady_clock::now() + milliseconds(100));
            if (frame_now_ && !paused_)
                until = steady_clock::now();
            queue_changed_.wait_until(lock, until, [&] { return !queue_.empty() || stop_; });
            commands.swap(queue_);
        }
        for (auto& c : commands)
            c();   // packaged tasks keep their own exceptions
        if (stop_)
            break;
        const auto now = steady_clock::now();
        if (!paused_)
            run_frames(now);
        bool state_due = !commands.empty() || now >= next_state_;
        if (state_due)
            next_state_ = now + state_interval;
        publish(state_due);
    }
    // Whatever is still queued will not run: its callers get a broken promise.
    std::lock_guard lock(queue_mutex_);
    queue_.clear();
}

void Workbench::publish(bool state_due)
{
    bool picture_new = false;
    if (subscribers_ > 0) {
        const auto& windows = session_.layout().windows;
        window_             = std::clamp(window_, 0, static_cast<int>(windows.size()) - 1);
        const auto& w       = windows[static_cast<size_t>(window_)];
        const auto  started = steady_clock::now();
        try {
            const uint64_t layout = picture_.layout_version();
            int drawn = picture_.update(w, window_, double(view_width_) / std::max(1, w.width), full_);
            picture_new = drawn > 0 || layout != picture_.layout_version() || session_.frames() != published_frame_;
            if (drawn > 0)
                last_draw_ms_ = duration<double, std::milli>(steady_clock::now() - started).count();
            last_picture_error_.clear();
        } catch (const std::exception& e) {
            if (last_picture_error_ != e.what()) {
                last_picture_error_ = e.what();
                std::fprintf(stderr, "gauge-host serve: picture: %s\n", e.what());
            }
        }
    }
    std::vector<LogEntry>              entries = session_.log_since(log_published_);
    std::shared_ptr<const std::string> state;
    if (state_due)
        state = std::make_shared<const std::string>(state_json());
    if (!picture_new && entries.empty() && !state)
        return;
    {
        std::lock_guard lock(published_mutex_);
        Published&      p = published_;
        if (picture_new) {
            ++p.picture_seq;
            p.frame  = session_.frames();
            p.time   = session_.time();
            p.window = window_;
            p.width  = picture_.width();
            p.height = picture_.height();
            p.layout = picture_.layout_version();
            p.tiles  = picture_.tiles();
            published_frame_ = p.frame;
        }
        for (LogEntry& e : entries)
            p.log.push_back(std::move(e));
        while (p.log.size() > published_log_limit)
            p.log.pop_front();
        if (!p.log.empty())
            p.log_end = p.log.back().seq;
        if (state) {
            p.state = std::move(state);
            ++p.state_version;
        }
    }
    if (!entries.empty())
        log_published_ = session_.log_end();
    log_published_ = std::max(log_published_, session_.log_end());
    published_changed_.notify_all();
}

std::string Workbench::state_json()
{
    Session&    s = session_;
    std::string j = "{\"paused\":" + json_bool(paused_) + ",\"speed\":" + json_number(speed_) +
                    ",\"rate\":" + json_number(s.rate()) + ",\"frames\":" + std::to_string(s.frames()) +
                    ",\"time\":" + json_number(s.time()) + ",\"reproducible\":" + json_bool(s.reproducible()) +
                    ",\"window\":" + std::to_string(window_) + ",\"draw_ms\":" + json_number(last_draw_ms_);
    Environment& env = environment_of(s.panel());
    j += ",\"tanks\":{\"left\":" + std::to_string(env.peek(ext::left_tank_offset)) +
         ",\"right\":" + std::to_string(env.peek(ext::right_tank_offset)) + ",\"full\":8388608}";
    j += ",\"open_windows\":[";
    bool first = true;
    for (uint32_t id = 0; id <= highest_window_id; ++id) {
        if (!s.panel().sim().window_open(id))
            continue;
        j += (first ? "" : ",") + std::to_string(id);
        first = false;
    }
    j += "],\"variables\":[";
    first = true;
    for (const VariableRow& v : s.variables()) {
        j += std::string(first ? "" : ",") + "{\"token\":" + std::to_string(v.token) + ",\"hex\":" +
             json_string(hex(v.token)) + ",\"name\":" + json_string(v.name) + ",\"unit\":" + json_string(v.unit) +
             ",\"integer\":" + json_bool(v.integer) + ",\"value\":" + json_number(v.value) + "}";
        first = false;
    }
    j += "],\"expressions\":[";
    first = true;
    for (const ExpressionRow& e : s.expressions()) {
        j += std::string(first ? "" : ",") + "{\"code\":" + json_string(e.code) + ",\"value\":" + json_number(e.value) +
             ",\"answered\":" + json_bool(e.answered) + "}";
        first = false;
    }
    return j + "]}";
}

}  // namespace serve

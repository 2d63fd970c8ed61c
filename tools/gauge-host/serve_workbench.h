// The workbench's frame loop: one thread owns the session (and so runs all gauge code) and paces its
// frames; the web server's threads post commands to it and read what it publishes (the picture,
// the log, the state) for the browsers' event streams.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "serve_picture.h"
#include "serve_session.h"

namespace serve {

// The frame loop has stopped, or did not answer in time.
struct Unavailable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What the frame loop publishes; read under Workbench::published_mutex().
struct Published {
    uint64_t                         picture_seq = 0;    // changes with every new picture
    uint64_t                         frame = 0;          // the host frame the picture shows
    double                           time = 0;
    int                              window = 0;
    int                              width = 0, height = 0;
    uint64_t                         layout = 0;
    std::vector<Tile>                tiles;
    std::deque<LogEntry>             log;                // the latest entries
    uint64_t                         log_end = 0;        // sequence number of the last entry
    std::shared_ptr<const std::string> state;            // JSON
    uint64_t                         state_version = 0;
    bool                             stopping = false;
};

class Workbench {
public:
    struct Options {
        double speed = 1.0;
    };
    Workbench(Session& session, Options options);
    ~Workbench();

    // Runs the frame loop on the calling thread until stop() is called.
    void run();
    // Asks the loop to end (safe from any thread and from a signal handler's flag check).
    void stop();
    bool stopping() const { return stop_.load(); }

    // Runs f(*this) on the frame thread and returns its result (or throws what it threw);
    // Unavailable when the loop does not take it within the timeout.
    template <class F>
    auto call(F f, std::chrono::milliseconds timeout = std::chrono::milliseconds(10000)) -> decltype(f(*this))
    {
        using R   = decltype(f(*this));
        auto task = std::make_shared<std::packaged_task<R()>>([this, f = std::move(f)]() mutable { return f(*this); });
        auto done = task->get_future();
        post([task] { (*task)(); });
        if (done.wait_for(timeout) != std::future_status::ready)
            throw Unavailable("the panel is busy or stopping");
        return done.get();
    }

    // On the frame thread only (inside call):
    Session& session() { return session_; }
    void     pause(bool paused);
    bool     paused() const { return paused_; }
    void     step();                       // one frame now (while paused)
    void     set_speed(double speed);      // 1/4 to 8
    double   speed() const { return speed_; }
    void     set_view(int window, int width, bool full);
    int      window() const { return window_; }
    void     frame_soon() { frame_now_ = true; }   // the next frame runs without waiting its turn
    void     reset();

    // Event stream subscribers: pictures are drawn only while someone watches.
    void subscribe();
    void unsubscribe();

    std::mutex&              published_mutex() { return published_mutex_; }
    std::condition_variable& published_changed() { return published_changed_; }
    const Published&         published() const { return published_; }

    // Measured on the frame thread: the last picture's drawing time and tiles drawn.
    double last_draw_ms() const { return last_draw_ms_; }

private:
    void        post(std::function<void()> command);
    void        publish(bool state_due);
    std::string state_json();
    void        run_frames(std::chrono::steady_clock::time_point now);

    Session&                          session_;
    PictureMaker                      picture_;
    std::atomic<bool>                 stop_{false};
    std::atomic<int>                  subscribers_{0};
    std::mutex                        queue_mutex_;
    std::condition_variable           queue_changed_;
    std::deque<std::function<void()>> queue_;

    std::mutex              published_mutex_;
    std::condition_variable published_changed_;
    Published               published_;

    // Frame-thread state
    bool                                  paused_ = false;
    bool                                  frame_now_ = false;
    double                                speed_ = 1.0;
    int                                   window_ = 0;
    int                                   view_width_ = 1024;
    bool                                  full_ = false;
    uint64_t                              log_published_ = 0;
    uint64_t                              published_frame_ = ~0ull;
    std::chrono::steady_clock::time_point next_frame_;
    std::chrono::steady_clock::time_point next_state_;
    double                                last_draw_ms_ = 0;
    std::string                           last_picture_error_;
};

}  // namespace serve

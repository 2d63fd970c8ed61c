// A long flight of both aircraft with every gauge of both modules on one panel: every needle sweeps
// its dial, the water bomber scoops, climbs, drops and comes back every ten minutes, the radios are
// tuned. Reports, for every simulated hour, the time it cost, the heap allocations made during it
// and the memory held at its end; with --check it fails when a frame after warm-up allocates or the
// memory held grows from the first hour to the last. With --profile it also reports what each gauge
// and the host's own systems cost per frame.
//
//   gauge_soak [--hours H] [--rate HZ] [--modules DIR] [--check] [--profile] [--stop-at-allocation]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <numbers>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#include <malloc.h>
#include <psapi.h>
#else
#include <malloc.h>
#include <unistd.h>
#endif

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "host/script/scenario.h"

// ---------------------------------------------------------------------------------------------
// Counting the heap: every C++ allocation of the process, and on Linux every C allocation too.

namespace {

#if defined(_WIN32)
size_t block_size(void* p) { return _msize(p); }
#else
size_t block_size(void* p) { return malloc_usable_size(p); }
#endif

std::atomic<uint64_t> allocations{0};
std::atomic<int64_t>  live_bytes{0};
bool                  stop_at_allocation = false;   // --stop-at-allocation: abort at the first one after warm-up

void counted(void* p)
{
    if (p == nullptr)
        return;
    if (stop_at_allocation)
        std::abort();
    ++allocations;
    live_bytes += static_cast<int64_t>(block_size(p));
}

}  // namespace

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define __SANITIZE_ADDRESS__ 1
#endif
#endif

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
#define GAUGE_SOAK_COUNTS_MALLOC 1
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void  __libc_free(void*);
void* __libc_memalign(size_t, size_t);

void* malloc(size_t n)
{
    void* p = __libc_malloc(n);
    counted(p);
    return p;
}
void* calloc(size_t n, size_t size)
{
    void* p = __libc_calloc(n, size);
    counted(p);
    return p;
}
void* realloc(void* old, size_t n)
{
    if (old)
        live_bytes -= static_cast<int64_t>(block_size(old));
    void* p = __libc_realloc(old, n);
    if (p == nullptr && old != nullptr && n != 0)
        live_bytes += static_cast<int64_t>(block_size(old));   // the old block stays
    counted(p);
    return p;
}
void free(void* p)
{
    if (p)
        live_bytes -= static_cast<int64_t>(block_size(p));
    __libc_free(p);
}
void* memalign(size_t alignment, size_t n)
{
    void* p = __libc_memalign(alignment, n);
    counted(p);
    return p;
}
void* aligned_alloc(size_t alignment, size_t n) { return memalign(alignment, n); }
int   posix_memalign(void** out, size_t alignment, size_t n)
{
    *out = memalign(alignment, n);
    return *out ? 0 : 12;
}
}
#endif

#if !defined(GAUGE_SOAK_COUNTS_MALLOC) && !defined(__SANITIZE_ADDRESS__)
// Blocks of operator new come from malloc and go back to free, both here.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    counted(p);
    return p;
}
void operator delete(void* p) noexcept
{
    if (p)
        live_bytes -= static_cast<int64_t>(block_size(p));
    std::free(p);
}
void* operator new[](size_t n) { return operator new(n); }
void  operator delete[](void* p) noexcept { operator delete(p); }
void  operator delete(void* p, size_t) noexcept { operator delete(p); }
void  operator delete[](void* p, size_t) noexcept { operator delete(p); }
#endif

namespace {

using Clock = std::chrono::steady_clock;
using namespace host;

// Resident memory of the process in KiB.
long resident_kib()
{
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS c{};
    return GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c) ? static_cast<long>(c.WorkingSetSize / 1024) : 0;
#else
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

struct Options {
    double      hours   = 24;
    double      rate    = 18;
    std::string modules = GAUGE_MODULE_DIR;
    bool        check   = false;
    bool        profile = false;
    bool        stop    = false;
};

// A token that moves a needle or a slider: it sweeps the range its table covers.
struct Sweep {
    Token  token;
    double low, high, period;
};

// Tokens the flight sets itself (water, doors, scoop, drop, time, tank levels, surface).
bool flown_by_the_cycle(Token t)
{
    for (Token own : {0x0Fu, 0x365u, 0x387u, 0x266u, 0x22Au, 0x22Bu, 0x2F1u, 0x127u, 0x12Du, 0x25Cu, 0x10000u})
        if (t == own)
            return true;
    return false;
}

std::vector<Sweep> sweeps_of(const PanelHost& host)
{
    std::map<Token, Sweep> found;
    for (const auto& g : host.gauges())
        for (const ElementState& s : g->elements()) {
            if (s.kind() != ElementKind::needle)
                continue;
            const auto* n = reinterpret_cast<const Needle*>(s.element);
            const Token t = n->source.token;
            if (t == 0 || flown_by_the_cycle(t) || found.count(t))
                continue;
            double low = 0, high = 100;
            if (n->table != nullptr && n->table_count > 1) {
                low = high = n->table[0].value;
                for (uint32_t i = 0; i < n->table_count; ++i) {
                    low  = std::min(low, n->table[i].value);
                    high = std::max(high, n->table[i].value);
                }
            }
            found[t] = Sweep{t, low, high, 60.0 + 7.0 * static_cast<double>(found.size() % 17)};
        }
    std::vector<Sweep> out;
    for (auto& [t, s] : found)
        out.push_back(s);
    return out;
}

class Flight {
public:
    Flight(PanelHost& host, std::vector<Sweep> sweeps) : host_(host), sweeps_(std::move(sweeps)) {}

    // The state of the flight at the start of the frame that ends at host time t.
    void before_frame(double t)
    {
        SimState& sim = host_.sim();
        for (const Sweep& s : sweeps_)
            sim.set(s.token, s.low + (s.high - s.low) * 0.5 * (1 + std::sin(2 * std::numbers::pi * t / s.period)));
        const double c     = std::fmod(t, cycle);
        const int    phase = c < 40 ? 0 : c < 300 ? 1 : c < 330 ? 2 : c < 580 ? 3 : 4;
        if (phase != phase_) {
            enter(phase, sim);
            phase_ = phase;
        }
        if (phase == 2 && c >= 315 && !second_drop_) {   // the pilot drops the rest
            sim.record_event(event::drop_on, 0, "pilot");
            second_drop_ = true;
        }
        // A radio knob turned now and then.
        if (std::floor(t / 60) != std::floor(last_ / 60))
            sim.record_event(radio_steps[static_cast<size_t>(t / 60) % 4], 0, "pilot");
        last_ = t;
    }

private:
    static constexpr double   cycle          = 600;
    static constexpr uint32_t radio_steps[4] = {0x10065, 0x10067, 0x10069, 0x1006B};

    void enter(int phase, SimState& sim)
    {
        switch (phase) {
        case 0:   // on the lake, scooping
            sim.set(token::surface_type, 2);
            sim.set(token::scoop_ready, 100);
            sim.set(token::radio_height, 1);
            sim.set(token::velocity_x, 118.14);
            if (sim.number(0x387) == 0)
                sim.record_event(event::scoop, 0, "pilot");
            break;
        case 1:   // climb away
            if (sim.number(0x387) != 0)
                sim.record_event(event::scoop, 0, "pilot");
            sim.set(token::radio_height, 150);
            sim.set(token::velocity_x, 219.4);
            sim.record_event(event::water_doors, 0, "pilot");   // doors open on the way
            break;
        case 2:   // over the fire
            sim.record_event(event::drop_on, 0, "pilot");
            second_drop_ = false;
            break;
        case 3:   // doors shut, back to the lake
            sim.record_event(event::water_doors, 0, "pilot");
            break;
        case 4:   // descent
            sim.set(token::radio_height, 1);
            sim.set(token::velocity_x, 118.14);
            break;
        }
    }

    PanelHost&         host_;
    std::vector<Sweep> sweeps_;
    int                phase_       = -1;
    bool               second_drop_ = false;
    double             last_        = 0;
};

Options read_options(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto        value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "gauge_soak: %s needs a value\n", a.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--hours")
            o.hours = std::atof(value().c_str());
        else if (a == "--rate")
            o.rate = std::atof(value().c_str());
        else if (a == "--modules")
            o.modules = value();
        else if (a == "--check")
            o.check = true;
        else if (a == "--profile")
            o.profile = true;
        else if (a == "--stop-at-allocation")
            o.stop = true;
        else {
            std::fprintf(stderr, "usage: gauge_soak [--hours H] [--rate HZ] [--modules DIR] [--check] [--profile]\n");
            std::exit(2);
        }
    }
    if (!(o.hours > 0 && o.hours <= 1000 && o.rate >= 1 && o.rate <= 1000)) {
        std::fprintf(stderr, "gauge_soak: --hours must lie in (0, 1000] and --rate in 1..1000\n");
        std::exit(2);
    }
    return o;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options o = read_options(argc, argv);
    SimulatedPanel     host;
    size_t        placed = 0;
    for (const char* name : {"Norvak_Instr", "Stelvar_Instr"}) {
        Module& m = host.load_module(o.modules + "/" + module_file_name(name));
        for (const GaugeEntry& g : m.gauges()) {
            // Both aircraft carry gauges of the same names: the second module's get a prefix.
            std::string label = host.find_gauge(g.name()) ? "S." + g.name() : g.name();
            host.add_gauge(m, g.name(), "", label).connect();
            ++placed;
        }
    }
    host.frame(0);
    // The water bomber's master switch on, both tanks dropping together.
    if (Gauge* water = host.find_gauge("Water_System")) {
        if (water->elements()[1].frame != 1)
            water->click_rect(1, MOUSE_LEFTSINGLE);
        if (water->elements()[3].frame != 0)
            water->click_rect(4, MOUSE_LEFTSINGLE);
    }
    Flight flight(host, sweeps_of(host));

    const double dt              = 1.0 / o.rate;
    const long   frames_per_hour = std::lround(3600 * o.rate);
    const long   hours           = std::lround(std::ceil(o.hours));
    const long   warm_up         = std::lround(600 * o.rate);   // one flight cycle
    std::printf("soak: %zu gauges of Norvak_Instr and Stelvar_Instr at %g Hz for %ld simulated hour(s)\n", placed,
                o.rate, hours);
    std::printf("%4s %9s %9s %12s %10s %10s %9s\n", "hour", "seconds", "us/frame", "allocations", "heap KiB",
                "rss KiB", "events");

    std::map<std::string, double> cost;   // --profile: seconds per gauge, and the host's systems
    uint64_t late = 0;   // allocations in the frames after warm-up
    int64_t  first_heap = 0, last_heap = 0;
    long     first_rss = 0, last_rss = 0;
    long     frame     = 0;
    double   total_seconds = 0;
    for (long h = 1; h <= hours; ++h) {
        uint64_t   allocations_before = allocations.load();
        const auto start              = Clock::now();
        uint64_t   in_hour            = 0;
        for (long i = 0; i < frames_per_hour; ++i, ++frame) {
            if (frame == warm_up) {
                in_hour += allocations.load() - allocations_before;
                allocations_before = allocations.load();
                stop_at_allocation = o.stop;
            }
            flight.before_frame(host.sim().time() + dt);
            if (!o.profile) {
                host.frame(dt);
                continue;
            }
            // What the frame costs, split: the host's systems with no gauge connected, then each
            // gauge's update on its own.
            auto t0 = Clock::now();
            host.frame(dt);
            cost["(whole frame)"] += std::chrono::duration<double>(Clock::now() - t0).count();
            for (const auto& g : host.gauges()) {
                auto t1 = Clock::now();
                g->update();
                cost[g->label()] += std::chrono::duration<double>(Clock::now() - t1).count();
            }
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        const bool   stopping = stop_at_allocation;
        stop_at_allocation    = false;   // the report itself allocates (reading the memory held)
        in_hour += allocations.load() - allocations_before;
        if (frame > warm_up)
            late += allocations.load() - allocations_before;
        total_seconds += seconds;
        last_heap = live_bytes.load();
        last_rss  = resident_kib();
        if (h == 1) {
            first_heap = last_heap;
            first_rss  = last_rss;
        }
        std::printf("%4ld %9.3f %9.3f %12llu %10.1f %10ld %9zu\n", h, seconds, seconds * 1e6 / frames_per_hour,
                    static_cast<unsigned long long>(in_hour), last_heap / 1024.0,
                    last_rss, host.sim().events().size());
        std::fflush(stdout);
        stop_at_allocation = stopping;
    }
    stop_at_allocation = false;
    std::printf("total %.3f s for %ld frames (%.3f s per simulated hour); %llu allocation(s) in %ld frames after "
                "warm-up; heap %+lld bytes and resident memory %+ld KiB from the end of hour 1 to the end of hour %ld\n",
                total_seconds, frame, total_seconds / static_cast<double>(hours),
                static_cast<unsigned long long>(late), frame - warm_up, static_cast<long long>(last_heap - first_heap),
                last_rss - first_rss, hours);
    if (o.profile) {
        std::vector<std::pair<double, std::string>> rows;
        for (auto& [name, s] : cost)
            rows.emplace_back(s, name);
        std::sort(rows.rbegin(), rows.rend());
        std::printf("profile: microseconds per frame\n");
        for (auto& [s, name] : rows)
            std::printf("  %10.3f  %s\n", s * 1e6 / static_cast<double>(frame), name.c_str());
    }
    if (o.check && (late != 0 || last_heap > first_heap)) {
        std::printf("FAIL: frames after warm-up allocate or the heap grows\n");
        return 1;
    }
    return 0;
}

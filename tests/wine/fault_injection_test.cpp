// Faults brought about around the real .gau modules under Wine, where the stand-in cannot help: a
// DirectSound that fails one chosen call (the module's import of DSOUND ordinal 1 is pointed at a
// device that forwards to Wine's own and fails that call), the external interface window leaving
// only the Nth message unanswered, and windows that go away between two frames.
#include <gtest/gtest.h>

#include <windows.h>
#include <dsound.h>

#include <cstring>
#include <string>

#include "host/world/world.h"
#include "host/core/panel_host.h"

using namespace host;

namespace {

// ---------------------------------------------------------------------------------------------
// A DirectSound that fails a chosen call

enum class Call { create_device, cooperative_level, create_buffer, lock, unlock, set_position, play, none };
constexpr const char* call_names[] = {"create device", "cooperative level", "create buffer", "lock",
                                      "unlock",        "set position",      "play",          "none"};

struct SoundFaults {
    Call fail         = Call::none;
    int  calls        = 0;   // calls made of the kinds above
    int  plays        = 0;   // plays that went through
    int  live_devices = 0;
    int  live_buffers = 0;
};
SoundFaults faults;

bool fails(Call c)
{
    ++faults.calls;
    return faults.fail == c;
}

// A COM object wrapping a real one: it counts its own references, holds one on the real object and
// keeps `live` up to date while it exists. It answers no other interface.
template <class Interface>
class Wrapper : public Interface {
public:
    Wrapper(Interface* real, int& live) : real_(real), live_(live) { ++live_; }
    virtual ~Wrapper() = default;

    HRESULT WINAPI QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return ++refs_; }
    ULONG WINAPI Release() override
    {
        if (--refs_ != 0)
            return refs_;
        real_->Release();
        --live_;
        delete this;
        return 0;
    }

protected:
    Interface* real_;

private:
    int&  live_;
    ULONG refs_ = 1;
};

class FaultyBuffer final : public Wrapper<IDirectSoundBuffer> {
public:
    explicit FaultyBuffer(LPDIRECTSOUNDBUFFER real) : Wrapper(real, faults.live_buffers) {}

    HRESULT WINAPI GetCaps(LPDSBCAPS caps) override { return real_->GetCaps(caps); }
    HRESULT WINAPI GetCurrentPosition(LPDWORD play, LPDWORD write) override { return real_->GetCurrentPosition(play, write); }
    HRESULT WINAPI GetFormat(LPWAVEFORMATEX f, DWORD n, LPDWORD written) override { return real_->GetFormat(f, n, written); }
    HRESULT WINAPI GetVolume(LPLONG v) override { return real_->GetVolume(v); }
    HRESULT WINAPI GetPan(LPLONG p) override { return real_->GetPan(p); }
    HRESULT WINAPI GetFrequency(LPDWORD f) override { return real_->GetFrequency(f); }
    HRESULT WINAPI GetStatus(LPDWORD s) override { return real_->GetStatus(s); }
    HRESULT WINAPI Initialize(LPDIRECTSOUND d, LPCDSBUFFERDESC desc) override { return real_->Initialize(d, desc); }
    HRESULT WINAPI Lock(DWORD at, DWORD n, LPVOID* p1, LPDWORD n1, LPVOID* p2, LPDWORD n2, DWORD flags) override
    {
        return fails(Call::lock) ? DSERR_INVALIDPARAM : real_->Lock(at, n, p1, n1, p2, n2, flags);
    }
    HRESULT WINAPI Play(DWORD r1, DWORD r2, DWORD flags) override
    {
        if (fails(Call::play))
            return DSERR_BUFFERLOST;
        ++faults.plays;
        return real_->Play(r1, r2, flags);
    }
    HRESULT WINAPI SetCurrentPosition(DWORD at) override
    {
        return fails(Call::set_position) ? DSERR_INVALIDPARAM : real_->SetCurrentPosition(at);
    }
    HRESULT WINAPI SetFormat(LPCWAVEFORMATEX f) override { return real_->SetFormat(f); }
    HRESULT WINAPI SetVolume(LONG v) override { return real_->SetVolume(v); }
    HRESULT WINAPI SetPan(LONG p) override { return real_->SetPan(p); }
    HRESULT WINAPI SetFrequency(DWORD f) override { return real_->SetFrequency(f); }
    HRESULT WINAPI Stop() override { return real_->Stop(); }
    HRESULT WINAPI Unlock(LPVOID p1, DWORD n1, LPVOID p2, DWORD n2) override
    {
        // The real buffer is unlocked whatever this call answers: only the answer is the fault.
        HRESULT hr = real_->Unlock(p1, n1, p2, n2);
        return fails(Call::unlock) ? DSERR_INVALIDPARAM : hr;
    }
    HRESULT WINAPI Restore() override { return real_->Restore(); }
};

class FaultyDevice final : public Wrapper<IDirectSound> {
public:
    explicit FaultyDevice(LPDIRECTSOUND real) : Wrapper(real, faults.live_devices) {}

    HRESULT WINAPI CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER out, IUnknown* outer) override
    {
        *out = nullptr;
        if (fails(Call::create_buffer))
            return DSERR_BADFORMAT;
        LPDIRECTSOUNDBUFFER real = nullptr;
        HRESULT             hr   = real_->CreateSoundBuffer(desc, &real, outer);
        if (SUCCEEDED(hr))
            *out = new FaultyBuffer(real);
        return hr;
    }
    HRESULT WINAPI GetCaps(LPDSCAPS caps) override { return real_->GetCaps(caps); }
    HRESULT WINAPI DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER, LPLPDIRECTSOUNDBUFFER out) override
    {
        *out = nullptr;
        return DSERR_UNSUPPORTED;
    }
    HRESULT WINAPI SetCooperativeLevel(HWND window, DWORD level) override
    {
        return fails(Call::cooperative_level) ? DSERR_INVALIDPARAM : real_->SetCooperativeLevel(window, level);
    }
    HRESULT WINAPI Compact() override { return real_->Compact(); }
    HRESULT WINAPI GetSpeakerConfig(LPDWORD c) override { return real_->GetSpeakerConfig(c); }
    HRESULT WINAPI SetSpeakerConfig(DWORD c) override { return real_->SetSpeakerConfig(c); }
    HRESULT WINAPI Initialize(LPCGUID g) override { return real_->Initialize(g); }
};

using DirectSoundCreateFunction = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND*, LPUNKNOWN);

HRESULT WINAPI faulty_direct_sound_create(LPCGUID device, LPDIRECTSOUND* out, LPUNKNOWN outer)
{
    *out = nullptr;
    if (fails(Call::create_device))
        return DSERR_NODRIVER;
    static auto real = reinterpret_cast<DirectSoundCreateFunction>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("dsound.dll"), MAKEINTRESOURCEA(1))));
    LPDIRECTSOUND made = nullptr;
    HRESULT       hr   = real(device, &made, outer);
    if (SUCCEEDED(hr))
        *out = new FaultyDevice(made);
    return hr;
}

// Points the module's import of DSOUND.dll ordinal 1 (DirectSoundCreate) at the faulty one.
bool use_faulty_direct_sound(HMODULE module)
{
    auto*       base = reinterpret_cast<BYTE*>(module);
    auto*       nt   = reinterpret_cast<IMAGE_NT_HEADERS32*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& dir  = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + imp->Name), "DSOUND.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA32*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA32*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (!(names->u1.Ordinal & IMAGE_ORDINAL_FLAG32) || IMAGE_ORDINAL32(names->u1.Ordinal) != 1)
                continue;
            DWORD old = 0;
            if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old))
                return false;
            slots->u1.Function = static_cast<DWORD>(reinterpret_cast<uintptr_t>(&faulty_direct_sound_create));
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            return true;
        }
    }
    return false;
}

struct Expected {
    Call call;
    int  devices_left;   // devices still held at the end: release does nothing once sound is off
};

// Every sound call failing in turn, in a fresh module each time (sound stays off for the module once
// it has gone off). The switch sends its event at every click; after the failure no sound call is
// made any more, a new installation makes no device, and no buffer is left behind.
TEST(FaultyDirectSound, EachFailingCallSilencesTheModuleAndTheSwitchGoesOnWorking)
{
    const Expected cases[] = {
        {Call::none, 0},          {Call::create_device, 0}, {Call::cooperative_level, 0}, {Call::create_buffer, 1},
        {Call::lock, 1},          {Call::unlock, 1},        {Call::set_position, 1},      {Call::play, 1},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(call_names[static_cast<int>(c.call)]);
        faults      = {};
        faults.fail = c.call;
        {
            SimulatedPanel host;
            Module&   stelvar = host.load_module("modules\\Stelvar_Instr.gau");
            ASSERT_TRUE(use_faulty_direct_sound(stelvar.handle()));
            Gauge* g = &host.add_gauge(stelvar, "Battery_Switch");
            g->connect();
            host.frame(1.0 / 18);
            const size_t events = host.sim().events().size();
            g->click_rect(1, MOUSE_LEFTSINGLE);
            const int calls_after_first_click = faults.calls;
            g->click_rect(1, MOUSE_LEFTSINGLE);
            host.frame(1.0 / 18);
            EXPECT_EQ(host.sim().events().size(), events + 2);
            EXPECT_EQ(host.sim().events().back().id, 0x102C1u);
            if (c.call == Call::none) {
                EXPECT_EQ(faults.plays, 2);
            } else {
                EXPECT_EQ(faults.calls, calls_after_first_click);   // silent from the failure on
                EXPECT_EQ(faults.plays, 0);
            }
            // Placed again: sound off makes no device; on, the slot's old objects are let go first.
            host.remove_gauge(*g);
            const int calls_before = faults.calls;
            g                      = &host.add_gauge(stelvar, "Battery_Switch");
            g->connect();
            if (c.call != Call::none) {
                EXPECT_EQ(faults.calls, calls_before);
            }
            host.remove_gauge(*g);
            EXPECT_EQ(faults.live_buffers, 0);
            EXPECT_EQ(faults.live_devices, c.devices_left);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The external interface window and the host's main window

struct ScoopingDll : ::testing::Test {
    static constexpr uint32_t left_tank = 0x0B8C, right_tank = 0x0BA4, step = 41943;
    SimulatedPanel    host;
    Module&      norvak = host.load_module("modules\\Norvak_Instr.gau");
    Environment& env    = environment_of(host);
    Gauge*       panel  = nullptr;

    void SetUp() override
    {
        host.add_gauge(norvak, "Water_Doors_Switch").connect();
        panel = &host.add_gauge(norvak, "Water_System");
        panel->connect();
        panel->click_rect(1, MOUSE_LEFTSINGLE);   // master on
        host.sim().set(token::scoop_ready, 100);
        host.sim().set(token::scoop_state, 1);
        host.sim().set(token::surface_type, 2);
        host.sim().set(token::radio_height, 1.0);
        host.sim().set(token::velocity_x, 70 / 1.944 * 3.28084);
    }
};

// An update sends four messages: read and write of the left tank, then of the right.
TEST_F(ScoopingDll, OnlyTheNthMessageFailingEndsOnlyItsOwnStep)
{
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        env.poke(left_tank, 0);
        env.poke(right_tank, 0);
        env.refuse_message(n);
        host.frame(0.1);
        const bool left_lost = n <= 2;
        EXPECT_EQ(env.peek(left_tank), left_lost ? 0u : step);
        EXPECT_EQ(env.peek(right_tank), left_lost ? step : 0u);
        host.frame(0.1);   // the next update goes on from fresh reads
        EXPECT_EQ(env.peek(left_tank), left_lost ? step : 2 * step);
        EXPECT_EQ(env.peek(right_tank), left_lost ? 2 * step : step);
    }
    // A message much later than the next update's: three updates go through, the fourth loses one.
    env.poke(left_tank, 0);
    env.poke(right_tank, 0);
    env.refuse_message(15);
    for (int i = 0; i < 4; ++i)
        host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), 4 * step);
    EXPECT_EQ(env.peek(right_tank), 3 * step);
}

TEST_F(ScoopingDll, TheInterfaceWindowGoingBetweenTwoFramesLeavesTheLevelsAndAReconnectRecovers)
{
    host.frame(0.1);
    ASSERT_EQ(env.peek(left_tank), step);
    env.set_ext_mode(ExtMode::absent);   // the window is destroyed between two frames
    host.frame(0.1);
    host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), step);
    env.set_ext_mode(ExtMode::present);   // a new window: the link still holds the one that went
    host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), step);
    panel->disconnect();
    panel->connect();   // the link opens on the new window and empties the tanks
    host.frame(0.1);
    EXPECT_EQ(env.peek(left_tank), step);
    EXPECT_EQ(env.peek(right_tank), step);
}

TEST_F(ScoopingDll, TheHostMainWindowGoingBetweenTwoFramesLeavesEveryGaugeWorking)
{
    Gauge& doors = *host.find_gauge("Water_Doors_Switch");
    host.frame(0.1);
    HWND main = env.main_window();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(DestroyWindow(main));
    host.frame(0.1);
    const size_t events = host.sim().events().size();
    doors.click_rect(1, MOUSE_LEFTSINGLE);   // its click sound plays or has gone silent; no crash
    panel->click_rect(4, MOUSE_LEFTSINGLE);
    host.frame(0.1);
    EXPECT_EQ(host.sim().events().size(), events + 1);
    EXPECT_EQ(host.sim().events().back().id, 0x10357u);
    EXPECT_EQ(env.peek(left_tank), 3 * step);
    host.remove_gauge(doors);
    host.remove_gauge(*panel);
}

}  // namespace

// The external interface from both sides. The client (the modules' ExtLink) opens, queues reads and
// writes and sends them to a window whose answers come from the input: any reply, any bytes written
// over the records it was sent. The host's receiver answers request buffers made of the input.
#include <standin_control.h>

#include <memory>
#include <vector>

#include "extlink/extlink.h"
#include "fuzz_common.h"
#include "host/world/world.h"
#include "host/core/panel_host.h"

namespace {

// The window's part: for each message, its reply and the bytes it writes where it likes among the
// bytes it was sent.
fuzz::Input* answers = nullptr;

LRESULT answer(HWND, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message != ext::message || answers == nullptr)
        return 0;
    auto* base = reinterpret_cast<uint8_t*>(lparam);
    const size_t owned = 4 + wparam;   // the first word and the records
    for (int patches = answers->byte() % 8; patches > 0; --patches) {
        const uint16_t at    = answers->take<uint16_t>();
        const uint32_t value = answers->take<uint32_t>();
        if (owned >= 4) {
            size_t where = at % (owned - 3);
            std::memcpy(base + where, &value, 4);
        }
    }
    const uint8_t reply = answers->byte();
    return reply < 200 ? 1 : reply;
}

void client(fuzz::Input& in)
{
    static HWND window = standin::add_window("UIPCMAIN", answer);
    (void)window;
    answers = &in;
    const uint16_t size = in.take<uint16_t>() % 1024;
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size + 1]);   // at least one byte to point at
    uint32_t result = 0;
    ext_open(in.byte() % 9, &result, size ? buffer.get() : nullptr, size);
    std::vector<std::unique_ptr<uint8_t[]>> destinations;
    for (int ops = in.byte() % 32; ops > 0 && !in.empty(); --ops) {
        const uint8_t  op     = in.byte() % 5;
        const uint32_t offset = in.take<uint16_t>();
        const uint32_t bytes  = in.byte() % 40;
        if (op == 0 || op == 1) {
            destinations.emplace_back(new uint8_t[bytes + 1]);
            ext_read(offset, bytes, destinations.back().get(), &result);
        } else if (op == 2) {
            std::vector<uint8_t> source(bytes + 1, 0x5A);
            ext_write(offset, bytes, source.data(), &result);
        } else if (op == 3) {
            ext_process(&result);
        } else {
            ext_close();
        }
    }
    ext_process(&result);   // the destinations must outlive the answers that go to them
    ext_close();
    answers = nullptr;
}

void receiver(fuzz::Input& in)
{
    host::SimulatedPanel    host;
    host::Environment& env = host::environment_of(host);
    env.set_ext_mode(in.byte() % 2 ? host::ExtMode::present : host::ExtMode::silent);
    env.set_version_word(in.take<uint32_t>());
    std::string request = in.rest();
    if (request.size() < 4)
        return;
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[request.size()]);
    std::memcpy(buffer.get(), request.data(), request.size());
    SendMessageA(env.interface_window(), ext::message, request.size() - 4, reinterpret_cast<LPARAM>(buffer.get()));
    env.mirror_tanks();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    if (in.byte() % 2)
        client(in);
    else
        receiver(in);
    return 0;
}

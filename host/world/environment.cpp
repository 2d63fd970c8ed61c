#include "host/world/environment.h"

#include <cstring>

#include "frame/host_variant.h"
#include "host/core/panel_host.h"

namespace host {
namespace {

uint32_t get32(const uint8_t* at)
{
    uint32_t v;
    std::memcpy(&v, at, 4);
    return v;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Windows

MessageWindow::MessageWindow(const std::string& class_name, Handler handler) : handler_(std::move(handler))
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc       = {};
    wc.lpfnWndProc     = procedure;
    wc.hInstance       = instance;
    wc.lpszClassName   = class_name.c_str();
    if (RegisterClassA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw HostError("cannot register the window class " + class_name);
    window_ = CreateWindowExA(0, class_name.c_str(), "", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window_ == nullptr)
        throw HostError("cannot create a window of class " + class_name);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageWindow::~MessageWindow()
{
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

// The system's own messages go to the default procedure; application messages to the handler.
LRESULT CALLBACK MessageWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && message >= WM_USER && self->handler_)
        return self->handler_(message, wparam, lparam);
    return DefWindowProcA(window, message, wparam, lparam);
}

std::string host_executable_path()
{
    char  path[4096];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

int host_variant_of(const std::string& executable_path) { return host_variant_of_path(executable_path.c_str()); }

const char* main_window_class(int variant) { return host_main_window_class(variant); }

// ---------------------------------------------------------------------------------------------
// The environment

Environment::Environment(PanelHost& host)
    : host_(host),
      variant_(host_variant_of(host_executable_path())),
      data_(std::make_unique<std::array<uint8_t, data_space_size>>())
{
    data_->fill(0);
    main_ = std::make_unique<MessageWindow>(main_window_class(variant_), [](UINT, WPARAM, LPARAM) { return LRESULT{0}; });
    set_ext_mode(ExtMode::present);
}

Environment::~Environment() = default;

void Environment::set_ext_mode(ExtMode mode)
{
    mode_ = mode;
    if (mode == ExtMode::absent)
        receiver_.reset();
    else if (!receiver_)
        receiver_ = std::make_unique<MessageWindow>(
            "UIPCMAIN", [this](UINT message, WPARAM wparam, LPARAM lparam) { return answer(message, wparam, lparam); });
}

uint32_t Environment::peek(uint32_t offset) const
{
    uint32_t v = 0;
    for (uint32_t i = 0; i < 4; ++i)
        if (uint64_t at = uint64_t{offset} + i; at < data_space_size)
            v |= uint32_t{(*data_)[at]} << (8 * i);
    return v;
}

void Environment::poke(uint32_t offset, uint32_t value)
{
    for (uint32_t i = 0; i < 4; ++i)
        if (uint64_t at = uint64_t{offset} + i; at < data_space_size)
            (*data_)[at] = static_cast<uint8_t>(value >> (8 * i));
}

// Bytes outside the data space read as 0; the version words are answered whatever was written there.
void Environment::read_into(uint32_t offset, uint8_t* to, uint32_t n) const
{
    for (uint32_t i = 0; i < n; ++i) {
        const uint64_t at = uint64_t{offset} + i;
        if (at >= ext::receiver_version_offset && at < ext::receiver_version_offset + 4)
            to[i] = static_cast<uint8_t>(receiver_version_ >> (8 * (at - ext::receiver_version_offset)));
        else if (at >= ext::host_version_offset && at < ext::host_version_offset + 4)
            to[i] = static_cast<uint8_t>(version_word_ >> (8 * (at - ext::host_version_offset)));
        else
            to[i] = at < data_space_size ? (*data_)[at] : 0;
    }
}

void Environment::write_from(uint32_t offset, const uint8_t* from, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i)
        if (uint64_t at = uint64_t{offset} + i; at < data_space_size)
            (*data_)[at] = from[i];
    if (uint64_t{offset} < ext::client_version_offset + 2 && uint64_t{offset} + n > ext::client_version_offset)
        client_version_ = static_cast<uint16_t>((*data_)[ext::client_version_offset] | (*data_)[ext::client_version_offset + 1] << 8);
}

// Carries out the requests of one batch in order. The walk stays inside the wparam bytes that follow
// the buffer's first word.
LRESULT Environment::answer(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message != ext::message || mode_ != ExtMode::present || lparam == 0)
        return 0;
    if (refuse_in_ > 0 && --refuse_in_ == 0)
        return 0;
    ++batches_;
    uint8_t*       p   = reinterpret_cast<uint8_t*>(lparam) + 4;
    uint8_t* const end = p + wparam;
    while (end - p >= 12) {
        const uint32_t id = get32(p), offset = get32(p + 4), n = get32(p + 8);
        const long     header = id == ext::read_id ? 16 : 12;
        if ((id != ext::read_id && id != ext::write_id) || end - p < header || n > static_cast<uint64_t>(end - p - header))
            break;
        if (id == ext::read_id)
            read_into(offset, p + header, n);
        else
            write_from(offset, p + header, n);
        if (observer_)
            observer_(batches_, id == ext::write_id, offset, {p + header, n});
        p += header + n;
    }
    return 1;
}

void Environment::mirror_tanks()
{
    host_.sim().set(token::left_water, static_cast<double>(peek(ext::left_tank_offset)));
    host_.sim().set(token::right_water, static_cast<double>(peek(ext::right_tank_offset)));
}

}  // namespace host

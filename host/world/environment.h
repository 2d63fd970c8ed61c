// The host's environment around the panel: its main window, whose class depends on the host
// variant told from the executable's name, and the external interface window ("UIPCMAIN") that
// answers message 0x482 from a data space of its own. The water tank levels of that data space are
// mirrored into the tank level tokens every frame.
#pragma once

#include <windows.h>

#include "frame/sim_ids.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace host {

class PanelHost;

// A real top-level window of this process whose messages go to a handler.
class MessageWindow {
public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wparam, LPARAM lparam)>;
    MessageWindow(const std::string& class_name, Handler handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&)            = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;
    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    HWND    window_ = nullptr;
    Handler handler_;
};

// Host variant (1 to 4) of an executable path and the class of its main window.
int         host_variant_of(const std::string& executable_path);
const char* main_window_class(int variant);
std::string host_executable_path();

enum class ExtMode {
    present,   // answers every batch
    silent,    // the window exists but replies 0
    absent,    // no window
};

class Environment {
public:
    static constexpr uint32_t data_space_size          = 0x10000;
    static constexpr uint32_t default_receiver_version = 0x19990001;
    static constexpr uint16_t default_host_version     = 7;

    explicit Environment(PanelHost& host);
    ~Environment();

    int  variant() const { return variant_; }
    HWND main_window() const { return main_ ? main_->handle() : nullptr; }
    HWND interface_window() const { return receiver_ ? receiver_->handle() : nullptr; }

    void    set_ext_mode(ExtMode mode);
    ExtMode ext_mode() const { return mode_; }
    // The version word at 0x3308 becomes 0xFADE0000 | version.
    void     set_host_version(uint16_t version) { version_word_ = 0xFADE0000u | version; }
    void     set_version_word(uint32_t word) { version_word_ = word; }
    void     set_receiver_version(uint32_t version) { receiver_version_ = version; }
    uint16_t client_version() const { return client_version_; }
    int      batches() const { return batches_; }
    // The nth message from now (1 the next) is left unanswered: the window replies 0 and carries out
    // nothing, as a receiver that fails once would. 0 takes back one not yet reached.
    void     refuse_message(int n) { refuse_in_ = n; }

    // Words of the data space as stored (the version words are answered on top of it).
    uint32_t peek(uint32_t offset) const;
    void     poke(uint32_t offset, uint32_t value);

    // Called for each request of a batch as it is carried out: the batch's number (from 1), a read or
    // a write, its offset and the bytes read or written. Unset by default; it must not throw.
    using RequestObserver = std::function<void(int batch, bool write, uint32_t offset, std::span<const uint8_t> bytes)>;
    void set_request_observer(RequestObserver observer) { observer_ = std::move(observer); }

    // Copies the tank levels into their tokens; runs every frame.
    void mirror_tanks();

private:
    LRESULT answer(UINT message, WPARAM wparam, LPARAM lparam);
    void    read_into(uint32_t offset, uint8_t* to, uint32_t n) const;
    void    write_from(uint32_t offset, const uint8_t* from, uint32_t n);

    PanelHost&                                  host_;
    int                                         variant_;
    std::unique_ptr<MessageWindow>              main_;
    std::unique_ptr<MessageWindow>              receiver_;
    ExtMode                                     mode_             = ExtMode::present;
    uint32_t                                    receiver_version_ = default_receiver_version;
    uint32_t                                    version_word_     = 0xFADE0000u | default_host_version;
    uint16_t                                    client_version_   = 0;
    int                                         batches_          = 0;
    int                                         refuse_in_        = 0;
    std::unique_ptr<std::array<uint8_t, data_space_size>> data_;
    RequestObserver                             observer_;
};

}  // namespace host

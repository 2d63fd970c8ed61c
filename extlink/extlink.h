// Client of the host's external interface window (class "UIPCMAIN"): reads and writes numbered
// offsets of the interface's data space. Requests are queued in a buffer that the caller owns and
// sent together with one message; the answers of the reads then go to their destinations.
//
// Every operation but ext_close returns 1 on success, 0 on failure, and writes a result code.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/sim_ids.h"

// Result codes are ext::ok, ext::no_window, ... and the data space offsets ext::*_offset
// (frame/sim_ids.h). The tests still name the result codes as below.
constexpr uint32_t ext_ok                 = ext::ok;
constexpr uint32_t ext_already_open       = ext::already_open;
constexpr uint32_t ext_no_window          = ext::no_window;
constexpr uint32_t ext_bad_buffer         = ext::bad_buffer;
constexpr uint32_t ext_bad_version        = ext::bad_version;
constexpr uint32_t ext_wrong_host_version = ext::wrong_host_version;
constexpr uint32_t ext_closed             = ext::closed;
constexpr uint32_t ext_nothing_queued     = ext::nothing_queued;
constexpr uint32_t ext_not_answered       = ext::not_answered;
constexpr uint32_t ext_no_room            = ext::no_room;

// The protocol
constexpr UINT     ext_message            = 0x482;
constexpr uint32_t ext_min_buffer         = 32;
constexpr uint32_t ext_max_buffer         = 0x7F00;
constexpr uint32_t ext_read_id            = 1;
constexpr uint32_t ext_write_id           = 2;
constexpr uint32_t ext_min_receiver_version    = 0x19980005;
constexpr uint32_t ext_host_version_mark       = 0xFADE;
constexpr uint16_t ext_client_version          = 1200;

// A read waiting in the queue: where its record starts in the buffer, its byte count and where its
// answer goes. The answers are handed out from this list, never from addresses or counts in the
// buffer, which the receiver may have changed.
struct ExtQueuedRead {
    uint32_t at;
    uint32_t bytes;
    void*    destination;
};
constexpr uint32_t ext_max_reads = ext_max_buffer / 16;

struct ExtLink {
    HWND          window;             // null when closed
    uint8_t*      base;               // the caller's buffer; null means closed
    uint8_t*      next;               // first free byte after the queued requests
    uint32_t      limit;              // usable bytes of the buffer
    uint32_t      receiver_version;   // read at open
    uint32_t      host_version;       // read at open; only its low 16 bits after a successful open
    uint32_t      reads;
    ExtQueuedRead read[ext_max_reads];
};

// The link of this module, closed at load.
extern ExtLink ext_link;

// required_version 0 accepts any host version.
int  ext_open(uint32_t required_version, uint32_t* result, void* buffer, uint32_t size);
int  ext_read(uint32_t offset, uint32_t bytes, void* destination, uint32_t* result);
int  ext_write(uint32_t offset, uint32_t bytes, const void* source, uint32_t* result);
int  ext_process(uint32_t* result);
void ext_close();
